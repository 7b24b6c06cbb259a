#include "core/field_points.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <optional>
#include <stdexcept>

namespace korvel {
namespace {

// The slots for `count` pegs: a power of two at least twice the count, so that a probe
// meets a free slot soon.
std::size_t slotCountFor(std::size_t count) {
    return std::bit_ceil(std::max<std::size_t>(16, count * 2));
}

// Text `k` (name, X, Y, H) of the peg at `place`.
std::string_view textAt(const FieldPoints& points, const FieldPointPlace& place, std::size_t k) {
    return std::string_view(points.texts.data() + place.start[k], place.length[k]);
}

// The name key of the peg at `k`.
std::string_view keyAt(const FieldPoints& points, std::size_t k) {
    return pointNameKey(textAt(points, points.places[k], 0));
}

// The slot that holds the peg of `key`, or the free slot where it would go.
std::size_t slotOf(const FieldPoints& points, std::string_view key) {
    const std::size_t mask = points.table.size() - 1;
    std::size_t slot = std::hash<std::string_view>{}(key)&mask;
    while (points.table[slot] != 0 && keyAt(points, points.table[slot] - 1) != key) {
        slot = (slot + 1) & mask;
    }
    return slot;
}

// Whether key `a` comes before key `b`: the shorter first, then byte by byte. Names that
// differ only in their number ("L2-9", "L2-10") come in the order of the numbers.
bool keyBefore(std::string_view a, std::string_view b) {
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

// The table rebuilt with room for `count` pegs.
void rebuildTable(FieldPoints& points, std::size_t count) {
    points.table.assign(slotCountFor(count), 0);
    for (std::size_t k = 0; k < points.places.size(); ++k) {
        points.table[slotOf(points, keyAt(points, k))] = static_cast<std::uint32_t>(k + 1);
    }
}

// Where `text` lies in `texts`, when it lies there.
std::optional<std::size_t> offsetIn(const std::string& texts, std::string_view text) {
    const auto begin = reinterpret_cast<std::uintptr_t>(texts.data());
    const auto at = reinterpret_cast<std::uintptr_t>(text.data());
    if (text.empty() || at < begin || at + text.size() > begin + texts.size()) {
        return std::nullopt;
    }
    return at - begin;
}

// The place of `parts` (name, X, Y, H): those within the texts where they lie, the others
// copied to the end. The places within are taken first: copying may move the texts.
FieldPointPlace placeOf(std::string& texts, const std::array<std::string_view, 4>& parts) {
    FieldPointPlace place;
    std::array<bool, 4> within{};
    std::size_t copied = 0;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        const std::optional<std::size_t> offset = offsetIn(texts, parts[k]);
        within[k] = offset.has_value() || parts[k].empty();
        place.start[k] = static_cast<std::uint32_t>(offset.value_or(0));
        place.length[k] = static_cast<std::uint32_t>(parts[k].size());
        copied += within[k] ? 0 : parts[k].size();
    }
    if (texts.size() > kMaxFieldPointTexts || copied > kMaxFieldPointTexts - texts.size()) {
        throw std::length_error("field point texts beyond 4 GiB");
    }
    for (std::size_t k = 0; k < parts.size(); ++k) {
        if (!within[k]) {
            place.start[k] = static_cast<std::uint32_t>(texts.size());
            texts.append(parts[k]);
        }
    }
    return place;
}

}  // namespace

// The name without its leading zeros, "0" for a name of zeros.
std::string_view pointNameKey(std::string_view name) {
    const std::string_view key = name.substr(std::min(name.find_first_not_of('0'), name.size()));
    return key.empty() && !name.empty() ? std::string_view("0") : key;
}

void reserveFieldPoints(FieldPoints& points, std::size_t count, std::size_t bytes) {
    points.texts.reserve(bytes);
    points.places.reserve(count);
    if (!points.table.empty() && slotCountFor(count) > points.table.size()) {
        rebuildTable(points, count);
    }
}

// While the names come in the order of their keys, a name cannot have come before and takes
// the next place; the first name out of order has every name so far put in the table. A
// name met again keeps its place and takes the new coordinates.
void addFieldPoint(FieldPoints& points, const FieldPoint& peg) {
    const std::string_view key = pointNameKey(peg.name);
    if (points.table.empty()) {
        if (points.places.empty() || keyBefore(keyAt(points, points.places.size() - 1), key)) {
            points.places.push_back(placeOf(points.texts, {peg.name, peg.x, peg.y, peg.h}));
            return;
        }
        rebuildTable(points, std::max(points.places.capacity(), points.places.size() + 1));
    }
    if ((points.places.size() + 1) * 2 > points.table.size()) {
        rebuildTable(points, (points.places.size() + 1) * 2);
    }
    const std::size_t slot = slotOf(points, key);
    if (points.table[slot] == 0) {
        points.places.push_back(placeOf(points.texts, {peg.name, peg.x, peg.y, peg.h}));
        points.table[slot] = static_cast<std::uint32_t>(points.places.size());
        return;
    }
    // The name stays as first written; the coordinates are the new ones.
    const std::size_t first = points.table[slot] - 1;
    const FieldPointPlace again = placeOf(points.texts, {std::string_view(), peg.x, peg.y, peg.h});
    FieldPointPlace& place = points.places[first];
    for (std::size_t k = 1; k < place.start.size(); ++k) {
        place.start[k] = again.start[k];
        place.length[k] = again.length[k];
    }
    ++points.repeats;
}

// Without a table the pegs stand in the order of their keys, and are searched by halves.
std::optional<std::size_t> findFieldPoint(const FieldPoints& points, std::string_view key) {
    if (points.table.empty()) {
        std::size_t low = 0, high = points.places.size();
        while (low < high) {
            const std::size_t middle = low + (high - low) / 2;
            if (keyBefore(keyAt(points, middle), key)) {
                low = middle + 1;
            } else {
                high = middle;
            }
        }
        if (low < points.places.size() && keyAt(points, low) == key) {
            return low;
        }
        return std::nullopt;
    }
    const std::uint32_t found = points.table[slotOf(points, key)];
    if (found == 0) {
        return std::nullopt;
    }
    return found - 1u;
}

FieldPoint fieldPointAt(const FieldPoints& points, std::size_t k) {
    const FieldPointPlace& place = points.places[k];
    return {textAt(points, place, 0), textAt(points, place, 1), textAt(points, place, 2),
            textAt(points, place, 3)};
}

std::vector<FieldPoint> fieldPointList(const FieldPoints& points) {
    std::vector<FieldPoint> list;
    list.reserve(points.places.size());
    for (std::size_t k = 0; k < points.places.size(); ++k) {
        list.push_back(fieldPointAt(points, k));
    }
    return list;
}

}  // namespace korvel
