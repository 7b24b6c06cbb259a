// Why a file could not be read or written, or an export could not be made: a code and what
// it is about, and one table that turns each into the sentence the user reads (Chinese).
// Tests compare codes; the sentences are checked once, against the table.
#pragma once

#include <string>

namespace korvel {

enum class ProblemCode {
    None,
    // Saving a file (the path is the subject, the system's words the reason).
    NoFileName,      // the path is empty
    NotRegularFile,  // the path is a folder, a device or a pipe
    CannotOpen,      // the file (or its temporary twin) cannot be created
    CannotWrite,     // writing stopped: a full disk, a size limit
    CannotCommit,    // the finished file could not take the old one's place
    // Reading a file.
    CannotRead,  // missing, unreadable, or no regular file
    // What the person typed for an export (the typed text is the subject).
    ElevationNotNumber,  // 坡脚高程 is not a finite decimal number
    IllegalPrefix,       // 点名前缀 holds a character other than a letter, digit, - _ .
    NameTooLong,         // prefix and point number make more than 16 characters
    // Writing points (the point's name is the subject).
    CoordinateTooLongForGsi,  // a coordinate with more than 16 digits
    CoordinateBeyondDrawing,  // a coordinate beyond ±1e300
    NotPointFormat,           // a point file was asked for in a format that holds rows
    // The station and backsight typed for the polar data (the typed text is the subject).
    StationWithoutBacksight,  // a station but no backsight to turn the angles from
    BacksightWithoutStation,  // a backsight but no station
    StationNotNumber,         // the station's X or Y is not a number
    BacksightNotNumber,       // the backsight's X or Y is not a number
    StationSameAsBacksight,   // station and backsight at one place: no direction
    // The printed sheet.
    HeaderTextTooLong,  // a header text over 60 characters (its caption is the subject)
    NoSheetFont,        // no font that prints Chinese was found (the file tried is the subject)
    CannotMakePdf,      // the PDF could not be painted
};

// A problem and what it is about; code None is no problem at all.
struct Problem {
    ProblemCode code = ProblemCode::None;
    std::string subject;  // a file's native path, a point's name, or the text typed (UTF-8)
    std::string reason;   // the system's own words, when it gave any (UTF-8)

    explicit operator bool() const { return code != ProblemCode::None; }
};

// The sentence the user reads, UTF-8, one line; empty for None.
//   {CannotOpen, "/tmp/a.gsi", "Permission denied"}
//       -> "/tmp/a.gsi: 无法创建文件（Permission denied）"
//   {IllegalPrefix, "A B"} -> "点名前缀只能含字母、数字和 - _ .：A B"
std::string problemText(const Problem& problem);

}  // namespace korvel
