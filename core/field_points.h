// The pegs the instrument measured, as the texts of their file, one peg to a name. A job's
// worth of pegs is kept in one buffer of texts (the file's own bytes, where a reader puts
// them), one list of where each peg's texts lie and one table of names, rather than in small
// strings and nodes of their own: thirty thousand pegs then take a fraction of the memory,
// and memory first touched is what a short run pays for most.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvel {

// A peg as the instrument recorded it: its name, and X (northing), Y (easting) and H as the
// decimal texts of its file ("5000.0004", "-12.5"); H is empty when the file has none, and
// the check does not look at it.
struct FieldPoint {
    std::string_view name = {};
    std::string_view x = {};
    std::string_view y = {};
    std::string_view h = {};

    bool operator==(const FieldPoint&) const = default;
};

// What a name is matched by: the name without the zeros in front of it, a name of zeros
// being "0". Zeros inside the name count. A view into `name` (or of a constant "0").
//   "0000000000000007" -> "7"   "007" -> "7"   "000" -> "0"   "L2-007" -> "L2-007"
//   "" -> ""
std::string_view pointNameKey(std::string_view name);

// Where one peg's texts lie in the buffer: name, X, Y and H, each from its start for its
// length.
struct FieldPointPlace {
    std::array<std::uint32_t, 4> start = {};
    std::array<std::uint32_t, 4> length = {};
};

// Pegs in the order their names first came, each name (by pointNameKey) once.
struct FieldPoints {
    // The bytes the pegs' texts lie in: a reader may put the file's own bytes here first, so
    // that the texts it finds there stay where they are; texts from elsewhere come after.
    std::string texts;
    std::vector<FieldPointPlace> places;
    // The places by name key: open addressing with linear probing, at most half full; a
    // slot holds 0 when free, else 1 + a place. Empty while the names have come in the order
    // of their keys (by length, then byte by byte, as an instrument numbers its pegs): then
    // none can repeat an earlier one, and a name is found by halving.
    std::vector<std::uint32_t> table;
    // The pegs added under a name already there.
    int repeats = 0;
};

// The most bytes of texts FieldPoints holds, so that a place fits in 32 bits: far beyond
// the texts of the largest file read (64 MiB).
inline constexpr std::size_t kMaxFieldPointTexts = 0xFFFF'FFFF;

// Makes room for `count` pegs and `bytes` of their texts, so that nothing is copied as they
// are added. Room reserved and never used costs no memory touched.
void reserveFieldPoints(FieldPoints& points, std::size_t count, std::size_t bytes);

// Adds a peg. A text of the peg that lies within `points.texts` stays where it is; any other
// is copied to the end. A peg whose name has the key of one already there is that peg
// measured again: it keeps its place and its name and takes the new coordinates, and is
// counted in `repeats`. Throws std::length_error beyond kMaxFieldPointTexts.
//   {} + {"P1", "5000.000", "3000.000", ""} -> one peg
//      + {"P01", "5000.010", "3000.000", ""} -> one peg {"P1", "5000.010", "3000.000", ""},
//        repeats 1
void addFieldPoint(FieldPoints& points, const FieldPoint& peg);

// The place of the peg whose name has the key `key`, or nothing.
//   pegs {"007", ...}, {"P1", ...}: "7" -> 0   "P1" -> 1   "P2" -> nothing
std::optional<std::size_t> findFieldPoint(const FieldPoints& points, std::string_view key);

// The peg at `k` (below points.places.size()), its views into `points`.
FieldPoint fieldPointAt(const FieldPoints& points, std::size_t k);

// Every peg, in order; views into `points`.
std::vector<FieldPoint> fieldPointList(const FieldPoints& points);

}  // namespace korvel
