#include "core/field_points.h"

#include <utility>

#include "core/decimal_text.h"

namespace korvel {

std::string_view pointNameKey(std::string_view name) {
    return withoutLeadingZeros(name);
}

// Room for every point at once, so that a peg never moves once added: the table's keys are
// views into the pegs' names.
FieldPoints fieldPointsOf(std::vector<FieldPoint> points) {
    FieldPoints merged;
    merged.pegs.reserve(points.size());
    NameTable places;
    places.reserve(points.size());
    for (FieldPoint& point : points) {
        const auto found = places.find(pointNameKey(point.name));
        if (found == places.end()) {
            merged.pegs.push_back(std::move(point));
            places.emplace(pointNameKey(merged.pegs.back().name), merged.pegs.size() - 1);
            continue;
        }
        FieldPoint& first = merged.pegs[found->second];
        first.x = std::move(point.x);
        first.y = std::move(point.y);
        first.h = std::move(point.h);
        ++merged.repeats;
    }
    return merged;
}

NameTable nameTableOf(const std::vector<FieldPoint>& pegs) {
    NameTable places;
    places.reserve(pegs.size());
    for (std::size_t k = 0; k < pegs.size(); ++k) {
        places.try_emplace(pointNameKey(pegs[k].name), k);
    }
    return places;
}

}  // namespace korvel
