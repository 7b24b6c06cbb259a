// The points the instrument measured, read back from its file: Leica GSI-8 and GSI-16, CASS
// .dat, and delimited .csv and .txt. Coordinates stay the decimal digits the file holds.
// A file is read into its points in the order of the file once: the check by place takes
// them so, the check by name one peg to a name.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

#include "core/face_check.h"
#include "core/field_points.h"
#include "files/problem.h"

namespace korvel {

// The kinds of file a measured point comes in.
enum class MeasuredFormat {
    Gsi,        // Leica GSI-8 or GSI-16: word 11 the name, 81, 82, 83 easting, northing, H
    CassDat,    // CASS: name,code,Y,X[,H] per line
    Delimited,  // name,X,Y[,H,...] per line (P,N,E,Z), or name,Y,X with EastNorth
};

// The order of the two coordinates after the name in a delimited file.
enum class CoordinateOrder {
    NorthEast,  // P,N,E,Z: name, X, Y (as Korvel writes its .csv)
    EastNorth,  // P,E,N,Z: name, Y, X
};

// The largest file read: 64 MiB, far beyond any instrument's job.
inline constexpr qint64 kMaxMeasuredFileBytes = 64 * 1024 * 1024;

// Whether a file of `size` bytes is refused as too large: more than kMaxMeasuredFileBytes.
//   67108864 -> false    67108865 -> true
bool measuredFileTooLarge(qint64 size);

// The format the file's ending names, in any letter case; nothing for any other ending.
//   "a.GSI" -> Gsi    "b.dat" -> CassDat    "c.Csv", "d.txt" -> Delimited
//   "e.xml", "f", "g.gsi.bak" -> nothing
std::optional<MeasuredFormat> measuredFormatOf(const QString& path);

// Every point of a measured file in file order, each measurement its own (a name met again
// is a point again), with the lines passed over; on a problem no points and 0 lines.
struct MeasuredShots {
    // SlopeShot from core/face_check.h: name, x, y, h (h empty when none).
    std::vector<SlopeShot> shots;
    int linesPassedOver = 0;
    Problem problem;
};

// The points in `bytes` (name, X, Y and H as decimalText gives them, H empty when the line
// has none), read as `format` (the order matters to Delimited only), and the lines that held
// no point (a header, a blank line, a note, a line whose coordinates are no decimal numbers).
// Text: UTF-8 after a byte-order mark or when the whole file is valid UTF-8, else GBK; a GSI
// name on its own, UTF-8 when it is valid UTF-8, else GBK. Lines end LF, CR LF or CR, and each
// line is decoded on its own. Fields of a delimited or .dat line are split at commas when the
// line has one, else at tabs when it has one, else at runs of blanks; blanks and double quotes
// around a field are dropped. H may be missing or empty; when present it must be a decimal.
//   Delimited "P1,5000.0004,3000.1,12.5,\r\n" -> {"P1", "5000.0004", "3000.1", "12.5"}
//   CassDat   "P1,,3000.1,+5000,\n"            -> {"P1", "5000", "3000.1", ""}
//   Gsi "*110001+0000000000000007 81..10+0000000005008352 82..10-0000000003003069 \r\n"
//       -> {"7", "-3003.069", "5008.352", ""}
//   Delimited "P1,1,2\nnote\nP1,3,4\n" -> {"P1", "1", "2", ""}, {"P1", "3", "4", ""}, 1 line
// GSI: a block of GSI-16 words begins with "*", a block of GSI-8 words without. A word is
// the 2-digit index, 4 information characters (digits or "."), the sign, 16 or 8 data
// characters and a blank (the last word may end the line instead). Word 11 gives the name
// (leading zeros dropped, "0" for zeros only); 81, 82, 83 give Y, X, H with the unit in the
// word's sixth character: 0 metres with 3 decimals, 6 with 4, 8 with 5. Other words are
// passed over; a block without 11, 81 and 82 holds no point.
// Refused, with no points: a NUL byte (MeasuredBinary) and no point at all
// (MeasuredNoPoints); a GSI word of the wrong length, sign or digits (GsiBadWord), in feet
// (GsiFeet, units 1 and 7) or in another unit (GsiBadUnit), each with the line number as
// subject and the word as reason.
MeasuredShots decodeMeasuredShots(QByteArrayView bytes, MeasuredFormat format,
                                  CoordinateOrder order);

// Reads the file at `path` in the format its ending names, as decodeMeasuredShots does.
// Every problem names the file (its native path); refused besides: an unknown ending
// (UnknownMeasuredEnding), more than 64 MiB (MeasuredTooLarge, before reading), no regular
// file (NotRegularFile), a file that is missing or unreadable (CannotRead, with the system's
// reason).
MeasuredShots readMeasuredShots(const QString& path, CoordinateOrder order);

// What a file gives the check by name: its pegs, one to a name (fieldPointsOf: a name
// measured more than once is one peg, at the place of its first appearance with the
// coordinates of its last; "007" is "7"), and the lines that held no point. On a problem
// there are no pegs and both counts are 0.
struct MeasuredPoints {
    FieldPoints points;
    int linesPassedOver = 0;
    Problem problem;
};

// The pegs of decodeMeasuredShots, with its lines passed over and its problem.
//   Delimited "P1,1,2\nnote\nP01,3,4\n" -> {"P1", "3", "4", ""}, repeats 1, 1 line
MeasuredPoints decodeMeasuredPoints(QByteArrayView bytes, MeasuredFormat format,
                                    CoordinateOrder order);

// The pegs of readMeasuredShots, with its lines passed over and its problem.
MeasuredPoints readMeasuredFile(const QString& path, CoordinateOrder order);

}  // namespace korvel
