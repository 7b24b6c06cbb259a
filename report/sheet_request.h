// The one way from a run and what the person typed to a stake-out sheet, for korvel-calc's
// -o NAME.pdf and the window's "放样记录表" alike, so that both refuse the same texts and write
// the same sheet.
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/run.h"
#include "core/stake_row.h"
#include "files/points/point_options.h"
#include "files/problem.h"
#include "report/stake_sheet.h"

namespace korvel {

// What the person typed for a sheet beside the run: the header, the elevation and prefix as
// for the point files, the station and backsight (each name, X and Y), if any, and the
// slope's heights as for the point files.
struct TypedSheet {
    SheetHeader header;
    TypedPointOptions points;
    std::optional<SheetStation> station;
    std::optional<SheetStation> backsight;
    TypedHeights heights;
};

// A sheet ready to paint, or why it cannot be made.
struct SheetRequest {
    StakeSheet sheet;
    Problem problem;
};

// The sheet of a run: the texts and option states it was computed from, its rows and its
// outline, with what was typed. The elevation, prefix and heights are checked and worked out
// by makeExportRequest, as for a point file (names of 16 characters at most, as the instrument
// gets them); blanks around the station's and backsight's coordinates count for nothing; then
// the header and stations as checkStakeSheet checks them; the drawing is the one the DXF file
// holds, without the surface.
//   worked example, {header, {"152.34", "L2-"}}          -> sheet of 7 rows named L2-1..L2-7
//   ..., station {"S1", " 3000 ", "5000"}, no backsight  -> StationWithoutBacksight
//   ..., heights {"156.34", "", "", "2"}                 -> the toe's 7 rows, then lines at
//       154.340 (L2-1-1...) and the apex at 156.340 (L2-2-1)
SheetRequest makeStakeSheet(const TypedSheet& typed, ListedRun run);

// Paints the sheet and writes it to `path` through the atomic save; a refusal or a failed
// save writes nothing and names the file. Needs a QGuiApplication.
Problem saveStakeSheet(const QString& path, const StakeSheet& sheet);

}  // namespace korvel
