// The pegs of a measured file, one to a name: a name measured again keeps its place and its
// first spelling and takes the later coordinates; names are found without their leading
// zeros.
#include "core/field_points.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

namespace korvel {
namespace {

// A peg measured again, under its own name and with zeros in front.
TEST(FieldPoints, RepeatsKeepTheFirstPlaceAndName) {
    FieldPoints points;
    addFieldPoint(points, {"007", "1.000", "2.000", ""});
    addFieldPoint(points, {"P1", "3.000", "4.000", "5.000"});
    addFieldPoint(points, {"7", "1.010", "2.010", "0.500"});
    addFieldPoint(points, {"0007", "1.020", "2.020", ""});
    EXPECT_EQ(fieldPointList(points), (std::vector<FieldPoint>{{"007", "1.020", "2.020", ""},
                                                               {"P1", "3.000", "4.000", "5.000"}}));
    EXPECT_EQ(points.repeats, 2);
    EXPECT_EQ(findFieldPoint(points, "7"), 0u);
    EXPECT_EQ(findFieldPoint(points, "P1"), 1u);
    EXPECT_EQ(findFieldPoint(points, "007"), std::nullopt);  // a key has no zeros in front
    EXPECT_EQ(findFieldPoint(points, "P2"), std::nullopt);
    EXPECT_EQ(findFieldPoint(FieldPoints{}, "7"), std::nullopt);
}

// Names in the order an instrument numbers them are found without a table; the first name
// out of that order, here a repeat, still finds the peg it repeats.
TEST(FieldPoints, NamesInOrderThenOneOutOfOrder) {
    std::vector<std::string> names;
    for (int n = 1; n <= 1200; ++n) {
        names.push_back("L2-" + std::to_string(n));
    }
    FieldPoints points;
    for (const std::string& name : names) {
        addFieldPoint(points, {name, "1.000", "2.000", ""});
    }
    EXPECT_TRUE(points.table.empty());
    for (std::size_t k = 0; k < names.size(); ++k) {
        EXPECT_EQ(findFieldPoint(points, names[k]), k) << names[k];
    }
    for (const char* absent : {"L2-0", "L2-1201", "L2-", "L1-5", "L3-5", "L2-05", ""}) {
        EXPECT_EQ(findFieldPoint(points, absent), std::nullopt) << absent;
    }
    addFieldPoint(points, {"L2-700", "7.000", "8.000", ""});
    EXPECT_EQ(points.repeats, 1);
    EXPECT_EQ(points.places.size(), names.size());
    EXPECT_EQ(fieldPointAt(points, 699), (FieldPoint{"L2-700", "7.000", "8.000", ""}));
    EXPECT_EQ(findFieldPoint(points, "L2-1200"), 1199u);
}

// Thousands of names with repeats, added with and without room reserved, against a plain
// map of what each name must end up as.
TEST(FieldPoints, ManyNamesAgreeWithAMap) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> number(0, 3000);
    std::vector<FieldPoint> added;
    std::vector<std::string> texts;
    texts.reserve(4 * 8000);
    for (int k = 0; k < 8000; ++k) {
        const int n = number(random);
        // The same key spelled with and without zeros, beside names with a prefix.
        const std::string spelling[] = {"00", "", "L"};
        texts.push_back(spelling[k % 3] + std::to_string(n));
        texts.push_back(std::to_string(k) + ".000");
        texts.push_back(std::to_string(-k) + ".500");
        texts.push_back("");
        added.push_back({texts[texts.size() - 4], texts[texts.size() - 3], texts[texts.size() - 2],
                         texts.back()});
    }
    std::map<std::string, std::size_t> placeOf;
    std::vector<FieldPoint> expected;
    for (const FieldPoint& peg : added) {
        const auto [at, fresh] =
            placeOf.try_emplace(std::string(pointNameKey(peg.name)), expected.size());
        if (fresh) {
            expected.push_back(peg);
        } else {
            expected[at->second].x = peg.x;
            expected[at->second].y = peg.y;
            expected[at->second].h = peg.h;
        }
    }
    for (const bool reserved : {false, true}) {
        FieldPoints points;
        if (reserved) {
            reserveFieldPoints(points, added.size(), 1 << 20);
        }
        for (const FieldPoint& peg : added) {
            addFieldPoint(points, peg);
        }
        EXPECT_EQ(fieldPointList(points), expected);
        EXPECT_EQ(points.repeats, static_cast<int>(added.size() - expected.size()));
        for (const auto& [key, place] : placeOf) {
            EXPECT_EQ(findFieldPoint(points, key), place) << key;
        }
    }
}

}  // namespace
}  // namespace korvel
