// The one table of what Korvel writes, by file ending: the results text, the workbook, and
// the point files for instruments and drawings. `korvel-calc -o` and the window's point
// export choose their writer here.
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/geometry.h"
#include "core/run.h"
#include "core/stake_row.h"
#include "files/points/point_options.h"
#include "files/points/slope_heights.h"
#include "files/problem.h"

namespace korvel {

enum class OutputFormat {
    ResultsText,  // the list lines, as "保存成果.txt" writes them
    Workbook,    // the list lines on a worksheet, as "保存成果.xls" writes them (.xls or .xlsx)
    CassDat,     // N,,Y,X,H
    LeicaGsi,    // GSI-16 blocks
    PointCsv,    // P,N,E,Z,D
    LandXml,     // LandXML 1.2 CgPoints
    Dxf,         // AutoCAD R12 drawing
    StakeSheet,  // the stake-out sheet 放样记录表, A4 PDF, painted by report/ (saveStakeSheet)
};

struct OutputFormatEntry {
    std::string_view ending;  // lower case, with its dot
    OutputFormat format;
    std::string_view summary;       // what the file holds, for korvel-calc --help
    std::string_view exportFilter;  // the point export dialog's description; empty if none
    bool check;  // with a check of the staked points, the ending writes the check instead
};

// Every ending Korvel writes, the point formats in the order the export dialog lists them.
inline constexpr OutputFormatEntry kOutputFormats[] = {
    {".txt", OutputFormat::ResultsText,
     "results text, as 保存成果.txt (also a name without ending)", "", true},
    {".xls", OutputFormat::Workbook, "workbook, as 保存成果.xls", "", true},
    {".xlsx", OutputFormat::Workbook, "workbook, Excel 2007 and later", "", true},
    {".dat", OutputFormat::CassDat, "CASS points N,,Y,X,H", "CASS点文件(*.dat)", false},
    {".gsi", OutputFormat::LeicaGsi, "Leica GSI-16 blocks", "徕卡GSI-16(*.gsi)", false},
    {".csv", OutputFormat::PointCsv, "points P,N,E,Z,D", "CSV点文件 P,N,E,Z,D(*.csv)", true},
    {".xml", OutputFormat::LandXml, "LandXML 1.2 CgPoints", "LandXML(*.xml)", false},
    {".dxf", OutputFormat::Dxf, "AutoCAD R12 DXF drawing of the slope", "AutoCAD R12 DXF(*.dxf)",
     false},
    {".pdf", OutputFormat::StakeSheet, "stake-out sheet 放样记录表, A4 PDF to print and sign", "",
     true},
};

// True for the formats that write named points rather than the list lines.
bool isPointFormat(OutputFormat format);

// True for the formats the check of the staked points writes too: its text (.txt), its
// .csv, its workbook (.xls, .xlsx) and its sheet (.pdf).
bool writesCheck(OutputFormat format);

// True for the formats that name the points with the prefix and carry H: the point formats
// and the stake-out sheet, whose names are the ones the instrument gets. These list the lines
// of a layered slope too.
bool namesPoints(OutputFormat format);

// True for the formats that hold the slope's surface: LandXML and the drawing.
bool holdsSurface(OutputFormat format);

// The format for a file name by its ending, in any letter case; a name without an ending
// is the results text; nothing for an ending not in the table.
//   "成果.TXT", "成果", "a.b/成果", ".profile" -> ResultsText    "放样.Gsi" -> LeicaGsi
//   "成果.xlsx" -> Workbook    "成果.pdf", "成果." -> nothing
std::optional<OutputFormat> outputFormatFor(const QString& path);

// The endings of the table, blank-separated: ".txt .xls .xlsx .dat .gsi .csv .xml .dxf".
std::string knownEndings();

// What one output is made from.
struct OutputRequest {
    std::vector<StakeRow> rows;            // the run's rows, as the result list shows them
    PointOptions points;                   // H and the name prefix, for the point formats
    std::optional<SlopeOutline> outline;   // the quarter's lines, for the drawing
    QDateTime written;                     // when, for LandXML's date and time
    std::optional<SlopeInHeight> heights;  // the slope in height, when a top was given
};

// The points a file lists, in order: the toe's rows named with the prefix at H, then each line
// of a layered slope.
std::vector<NamedPoints> pointLines(const OutputRequest& request);

// An output request built from what the person typed, or why it cannot be made.
struct ExportRequest {
    OutputRequest request;
    Problem problem;
};

// The one way from a run and the typed elevation, prefix and heights to an output request, for
// the window's export, the sheet and korvel-calc alike: the typed texts checked by
// checkPointOptions and, for a point format, the names by nameLengthProblem; then the heights
// by makeHeights, with the surface for the formats that hold it. The list's rows (.txt, .xls,
// .xlsx) cannot hold the lines of a layered slope: LayersInListRows. Written now.
//   (Dxf, {" 12.5", "L2-"}, no top, 7 rows) -> request with H "12.500"
//   (Dxf, {"12.5", "ABUTMENT-NORTH-"}, no top, 10 rows) -> NameTooLong "ABUTMENT-NORTH-10"
//   (ResultsText, {"12.5", "ABUTMENT-NORTH-"}, 10 rows) -> request: the list's lines have no names
//   (LandXml, {"100", "L2-"}, top "104", the worked example) -> heights with the surface
ExportRequest makeExportRequest(OutputFormat format, const TypedPointOptions& typed,
                                const TypedHeights& heights, ListedRun run);

// The bytes of a point format for the request, or the problem: a name over 16 characters,
// a coordinate a format cannot hold (CoordinateTooLongForGsi, CoordinateBeyondDrawing).
EncodedFile encodePointFile(OutputFormat format, const OutputRequest& request);

// Writes `path` in `format` through the atomic save; a refusal writes nothing, and its
// problem names the file.
Problem saveOutput(const QString& path, OutputFormat format, const OutputRequest& request);

}  // namespace korvel
