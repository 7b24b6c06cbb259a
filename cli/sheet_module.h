// The stake-out sheet's part of korvel-calc, built as a module of its own that the program
// loads only when it writes a sheet: painting needs Qt's GUI side, whose libraries would
// otherwise be loaded and bound at every start, doubling the time of a plain run.
#pragma once

#include <array>
#include <string>

#include "arguments.h"
#include "core/run.h"
#include "files/check_outputs.h"
#include "files/face_outputs.h"

namespace korvel::cli {

// What the module is given: the command's request, the eight texts of the run and the run,
// and for the check sheet the check, for the face check's sheet the face check (neither for
// the stake-out sheet).
struct SheetJob {
    const Request* request;
    const std::array<std::string, 8>* texts;
    RunResult* result;
    const CheckReport* check;
    const FaceReport* face;
};

// The name the program looks the module's entry up by.
inline constexpr char kSheetEntry[] = "korvelCalcWriteSheet";

// The entry: writes the sheet of `job` to the request's -o file and returns the exit status,
// reporting as the program does.
using WriteSheet = int (*)(const SheetJob* job);

}  // namespace korvel::cli
