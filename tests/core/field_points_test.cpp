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

TEST(FieldPoints, NameKeys) {
    const std::pair<const char*, const char*> keys[] = {
        {"0000000000000007", "7"}, {"007", "7"}, {"000", "0"},
        {"L2-007", "L2-007"},      {"70", "70"}, {"", ""},
        {"07-1", "7-1"},
    };
    for (const auto& [name, key] : keys) {
        EXPECT_EQ(pointNameKey(name), key) << name;
    }
}

// A peg measured again, under its own name and with zeros in front.
TEST(FieldPoints, RepeatsKeepTheFirstPlaceAndName) {
    const FieldPoints points = fieldPointsOf({{"007", "1.000", "2.000", ""},
                                              {"P1", "3.000", "4.000", "5.000"},
                                              {"7", "1.010", "2.010", "0.500"},
                                              {"0007", "1.020", "2.020", ""}});
    EXPECT_EQ(points.pegs, (std::vector<FieldPoint>{{"007", "1.020", "2.020", ""},
                                                    {"P1", "3.000", "4.000", "5.000"}}));
    EXPECT_EQ(points.repeats, 2);
    const NameTable table = nameTableOf(points.pegs);
    EXPECT_EQ(table, (NameTable{{"7", 0}, {"P1", 1}}));
    EXPECT_FALSE(table.contains("007"));  // a key has no zeros in front
    EXPECT_EQ(fieldPointsOf({}).pegs.size(), 0u);
    EXPECT_TRUE(nameTableOf({}).empty());
}

// Thousands of names with repeats against a plain map of what each name must end up as.
TEST(FieldPoints, ManyNamesAgreeWithAMap) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> number(0, 3000);
    std::vector<FieldPoint> added;
    std::vector<std::string> keys;  // each name's key, known from how it was spelled
    for (int k = 0; k < 8000; ++k) {
        const std::string n = std::to_string(number(random));
        // The same key spelled with and without zeros, beside names with a prefix.
        const std::string spelling[] = {"00" + n, n, "L" + n};
        added.push_back(
            {spelling[k % 3], std::to_string(k) + ".000", std::to_string(-k) + ".500", ""});
        keys.push_back(k % 3 == 2 ? "L" + n : n);
    }
    std::map<std::string, std::size_t> placeOf;
    std::vector<FieldPoint> expected;
    for (std::size_t k = 0; k < added.size(); ++k) {
        const auto [at, fresh] = placeOf.try_emplace(keys[k], expected.size());
        if (fresh) {
            expected.push_back(added[k]);
        } else {
            expected[at->second].x = added[k].x;
            expected[at->second].y = added[k].y;
            expected[at->second].h = added[k].h;
        }
    }
    const FieldPoints points = fieldPointsOf(added);
    EXPECT_EQ(points.pegs, expected);
    EXPECT_EQ(points.repeats, static_cast<int>(added.size() - expected.size()));
    const NameTable table = nameTableOf(points.pegs);
    EXPECT_EQ(table.size(), placeOf.size());
    for (const auto& [key, place] : placeOf) {
        ASSERT_TRUE(table.contains(key)) << key;
        EXPECT_EQ(table.at(key), place) << key;
    }
}

}  // namespace
}  // namespace korvel
