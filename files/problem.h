// Why a file could not be read or written, or an export could not be made: a code and what
// it is about, and one table that turns each into the sentence the user reads (Chinese).
// Tests compare codes; the sentences are checked once, against the table.
#pragma once

#include <string>

namespace korvel {

enum class ProblemCode {
    None,
    // Saving a file (the path is the subject, the system's words the reason).
    NoFileName,               // the path is empty
    NotRegularFile,           // the path is a folder, a device or a pipe
    CannotOpen,               // the file (or its temporary twin) cannot be created
    CannotWrite,              // writing stopped: a full disk, a size limit
    CannotCommit,             // the finished file could not take the old one's place
    CannotBuildWorkbook,      // the workbook library or the compound file writer failed
    CheckTooLongForWorkbook,  // a check of more rows than a worksheet holds (the count)
    // Reading a file.
    CannotRead,  // missing, unreadable, or no regular file
    // What the person typed on korvel-calc's command line (the argument is the subject).
    UnknownOption,           // an option korvel-calc does not have
    MissingValue,            // an option without its value, or -o with an empty name
    BadPosition,             // --position other than 1 to 4
    UnknownEnding,           // a file name whose ending no writer has
    ParamsWithTexts,         // --params and the eight texts together
    WrongTextCount,          // other than 7 or 8 texts (the count is the subject)
    BadDate,                 // --date other than a day written YYYY-MM-DD
    BadPlace,                // --station or --backsight other than NAME,X,Y
    BadTolerance,            // 允许偏差 not over 0 and at most 10000 mm, three decimals at most
    BadOrder,                // --order other than EN or NE
    HeightOptionWithoutTop,  // --slope, --layers or --quantities without --top (the option)
    LayersInListRows,        // --layers for the list's rows: .txt, .xls, .xlsx or stdout
    HeightsWithMeasured,     // --top with --measured, which checks the list's points only
    FaceWithMeasured,        // --face and --measured together
    // What the person typed for an export (the typed text is the subject).
    ElevationNotNumber,  // 坡脚高程 is not a finite decimal number
    IllegalPrefix,       // 点名前缀 holds a character other than a letter, digit, - _ .
    NameTooLong,         // prefix and point number make more than 16 characters
    // The slope's heights as typed (the typed text is the subject).
    TopNotNumber,      // 坡顶高程 is not a finite decimal number
    TopNotAboveToe,    // 坡顶高程 not above 坡脚高程
    SlopeNotPositive,  // a 坡率 (or --slope M,N) is not a number over 0
    SlopesDoNotFit,    // the faces meet below the top (the semi-axis below 0 is the subject)
    LayerNotPositive,  // 分层厚度 is not a number over 0
    NoSlopeQuarter,    // a or b not over 0, or β not between 0 and 180°: no slope to raise
    TooManyPoints,     // the toe's and the lines' points are more than 32767
    SurfaceTooLarge,   // the surface needs more triangles than a network may have
    // Writing points (the point's name is the subject).
    CoordinateTooLongForGsi,  // a coordinate with more than 16 digits
    CoordinateBeyondDrawing,  // a coordinate beyond ±1e300
    NotPointFormat,           // a point file was asked for in a format that holds rows
    SheetEndingForPoints,     // .pdf typed for a point file: the sheet's ending
    // Reading the measured points back (the file's native path is the subject; for a GSI
    // word, the line number is the subject and the word itself the reason).
    UnknownMeasuredEnding,  // the ending is none of .gsi, .dat, .csv, .txt
    MeasuredTooLarge,       // the file is over 64 MiB
    MeasuredBinary,         // the file holds NUL bytes: it is no text
    MeasuredNoPoints,       // not one line of the file is a point
    GsiBadWord,             // a GSI word of the wrong length, sign or digits
    GsiFeet,                // GSI coordinates in feet (unit 1 or 7)
    GsiBadUnit,             // GSI coordinates in a unit that is no metres (not 0, 6 or 8)
    // The station and backsight typed for the polar data (the typed text is the subject).
    StationWithoutBacksight,  // a station but no backsight to turn the angles from
    BacksightWithoutStation,  // a backsight but no station
    StationNotNumber,         // the station's X or Y is not a number
    BacksightNotNumber,       // the backsight's X or Y is not a number
    StationSameAsBacksight,   // station and backsight at one place: no direction
    // The printed sheet.
    HeaderTextTooLong,  // a header text over 60 characters (its caption is the subject)
    NoSheetFont,        // no font that prints Chinese was found (the file tried is the subject)
    NoSheetModule,      // korvel-calc's sheet module is missing or cannot be loaded
    CannotMakePdf,      // the PDF could not be painted
};

// A problem and what it is about; code None is no problem at all.
struct Problem {
    ProblemCode code = ProblemCode::None;
    std::string subject;  // a point's name or the text typed (UTF-8)
    std::string reason;   // the system's own words, when it gave any (UTF-8)
    std::string file;     // the file's native path, when a file was being read or written

    explicit operator bool() const { return code != ProblemCode::None; }
};

// A problem about `subject`: a point's name or the text typed.
Problem problemAbout(ProblemCode code, std::string subject = {});

// A problem about the file at `nativePath`, with the system's reason if any.
Problem fileProblem(ProblemCode code, std::string nativePath, std::string reason = {});

// The sentence the user reads, UTF-8, one line: the file and ": " when there is one, then
// what went wrong with its subject, and the system's own words in brackets; empty for None.
//   {CannotOpen, "", "Permission denied", "/tmp/a.gsi"}
//       -> "/tmp/a.gsi: 无法创建文件（Permission denied）"
//   {IllegalPrefix, "A B"} -> "点名前缀只能含字母、数字和 - _ .：A B"
std::string problemText(const Problem& problem);

}  // namespace korvel
