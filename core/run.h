// The whole calculation run behind the "计算" button: eight input texts and the option
// states in, the numbered result lines or one message out.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/geometry.h"
#include "core/stake_row.h"

namespace korvel {

struct Selection {
    bool option5 = false;            // "按步长计算" selected: ByStepLength; otherwise ByAngle
    std::array<bool, 4> position{};  // Option1..Option4 selected, tested in that order
};

// How a run ended; decides what a caller does next (the command line's exit status).
enum class RunStatus {
    Rows,                   // the rows, none when no position is selected; no message
    Refused,                // an input check or the row limit stopped it: no rows, a message
    RowsWithPointsLeftOut,  // the rows of the points that have coordinates, and a message
};

struct RunResult {
    RunStatus status = RunStatus::Rows;
    std::vector<StakeRow> rows;  // the result list: one row per point, its line stakeRowLine()
    std::string message;         // the message box text, UTF-8; empty when none is shown
    // The lines of the quarter laid out, for a drawing; nothing when the run was refused or
    // no position was selected.
    std::optional<SlopeOutline> outline;
};

// Runs one calculation. `texts` are Text1 to Text8 (a, b, β, X, Y, azimuth, step, D).
// Never fails: bad inputs give one of the messages of core/messages.h, and a run
// never yields more than kMaxRows rows.
//   {"12.5","6","60.3","3000","5000","45.153","2.5","4.25"}, step mode, 位置2 -> 7 rows
//   {"", ...}                                   -> no rows, kMessageEmptyInput
//   step text "0" or "abc"                      -> no rows, kMessageStepNotPositive
RunResult runCalculation(const std::array<std::string, 8>& texts, const Selection& selection);

// The first selected of Option1 to Option4, tested in that order; nothing when none is.
//   {false, {false, true, true, false}} -> Position2     {true, {}} -> nothing
std::optional<SlopePosition> selectedPosition(const Selection& selection);

}  // namespace korvel
