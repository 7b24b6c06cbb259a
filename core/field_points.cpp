#include "core/field_points.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <stdexcept>

namespace korvel {
namespace {

// The slots for `count` pegs: a power of two at least twice the count, so that a probe
// meets a free slot soon.
std::size_t slotCountFor(std::size_t count) {
    return std::bit_ceil(std::max<std::size_t>(16, count * 2));
}

// The texts of the peg at `place`, from its start.
std::string_view textsAt(const FieldPoints& points, const FieldPointPlace& place) {
    return std::string_view(points.texts).substr(place.start, place.ends[3]);
}

// The name key of the peg at `k`.
std::string_view keyAt(const FieldPoints& points, std::size_t k) {
    const FieldPointPlace& place = points.places[k];
    return pointNameKey(textsAt(points, place).substr(0, place.ends[0]));
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

// The table rebuilt with room for `count` pegs.
void rebuildTable(FieldPoints& points, std::size_t count) {
    points.table.assign(slotCountFor(count), 0);
    for (std::size_t k = 0; k < points.places.size(); ++k) {
        points.table[slotOf(points, keyAt(points, k))] = static_cast<std::uint32_t>(k + 1);
    }
}

// The texts appended as one more place, counted from where they start.
FieldPointPlace appendTexts(std::string& texts, const std::array<std::string_view, 4>& parts) {
    const std::size_t start = texts.size();
    std::size_t size = 0;
    for (const std::string_view part : parts) {
        size += part.size();
    }
    if (size > kMaxFieldPointTexts - start) {
        throw std::length_error("field point texts beyond 4 GiB");
    }
    FieldPointPlace place{static_cast<std::uint32_t>(start), {}};
    for (std::size_t k = 0; k < parts.size(); ++k) {
        texts.append(parts[k]);
        place.ends[k] = static_cast<std::uint32_t>(texts.size() - start);
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
    if (slotCountFor(count) > points.table.size()) {
        rebuildTable(points, count);
    }
}

// A new name takes the next place; a name met again has its coordinates written anew at the
// end of the texts, behind a copy of the name it was first given.
void addFieldPoint(FieldPoints& points, const FieldPoint& peg) {
    if ((points.places.size() + 1) * 2 > points.table.size()) {
        rebuildTable(points, (points.places.size() + 1) * 2);
    }
    const std::size_t slot = slotOf(points, pointNameKey(peg.name));
    if (points.table[slot] == 0) {
        points.places.push_back(appendTexts(points.texts, {peg.name, peg.x, peg.y, peg.h}));
        points.table[slot] = static_cast<std::uint32_t>(points.places.size());
        return;
    }
    FieldPointPlace& first = points.places[points.table[slot] - 1];
    // The name is copied out first: the texts it lies in may move as they grow.
    const std::string name(textsAt(points, first).substr(0, first.ends[0]));
    first = appendTexts(points.texts, {name, peg.x, peg.y, peg.h});
    ++points.repeats;
}

std::optional<std::size_t> findFieldPoint(const FieldPoints& points, std::string_view key) {
    if (points.table.empty()) {
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
    const std::string_view texts = textsAt(points, place);
    const auto& e = place.ends;
    return {texts.substr(0, e[0]), texts.substr(e[0], e[1] - e[0]), texts.substr(e[1], e[2] - e[1]),
            texts.substr(e[2], e[3] - e[2])};
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
