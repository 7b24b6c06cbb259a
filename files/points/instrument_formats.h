// The point files that instruments and controllers import: CASS .dat, a P,N,E,Z,D .csv and
// Leica GSI-16. All three are ASCII with CR LF line ends and carry the list's own digits, the
// lines of the points one after the other, each point at its line's elevation.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/stake_row.h"
#include "files/points/point_options.h"

namespace korvel {

// CASS and Chinese controllers: "name,,Y,X,H" per point (easting before northing, an empty
// code field), no header.
//   {"", "0.000", {{7, "2995.451", "5016.120"}}} -> "7,,5016.120,2995.451,0.000\r\n"
std::string encodeCassDat(std::span<const NamedPoints> lines);

// The P,N,E,Z,D order that Civil-3D-style programs and most controllers import: name,
// northing X, easting Y, H and an empty description, no header.
//   {"L2-", "152.340", {{7, "2995.451", "5016.120"}}} -> "L2-7,2995.451,5016.120,152.340,\r\n"
std::string encodePointCsv(std::span<const NamedPoints> lines);

// Leica GSI-16: one block per point, numbered on through the lines, "*" then four words, each 23
// characters and a blank, then CR LF. A word is the 2-digit word index, 4 information characters,
// the sign and 16 data characters right-aligned and zero-filled. Word 11 holds the name, its
// information the block number (its last four digits); words 81, 82, 83 hold easting Y, northing X
// and H, information "..10": entered by hand (1), in metres to the millimetre (0), so the data are
// the digits without the point.
//   block 1, {"", "0.000", {{1, "3003.069", "5008.352"}}} ->
//   "*110001+0000000000000001 81..10+0000000005008352 82..10+0000000003003069 "
//   "83..10+0000000000000000 \r\n"
// A coordinate of more than 16 digits has no word: the file is refused with
// CoordinateTooLongForGsi and the point's name. Names must be checked for length first.
EncodedFile encodeGsi16(std::span<const NamedPoints> lines);

}  // namespace korvel
