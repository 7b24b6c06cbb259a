// Pegs for a check, written out in a test as a reader would give them.
#pragma once

#include <initializer_list>

#include "core/field_points.h"

namespace korvel::test {

// The pegs added in order, names measured again merged as a reader merges them.
inline FieldPoints pegsOf(std::initializer_list<FieldPoint> pegs) {
    FieldPoints points;
    for (const FieldPoint& peg : pegs) {
        addFieldPoint(points, peg);
    }
    return points;
}

}  // namespace korvel::test
