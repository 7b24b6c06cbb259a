// Pegs for a check, written out in a test as a reader would give them.
#pragma once

#include <initializer_list>
#include <vector>

#include "core/field_points.h"

namespace korvel::test {

// The pegs measured in this order, names measured again merged as a reader merges them.
inline FieldPoints pegsOf(std::initializer_list<FieldPoint> pegs) {
    return fieldPointsOf(std::vector<FieldPoint>(pegs));
}

}  // namespace korvel::test
