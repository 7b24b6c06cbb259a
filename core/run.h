// The whole calculation run behind the "计算" button: eight input texts and the option
// states in, the numbered result lines or one message out.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/geometry.h"
#include "core/messages.h"
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

// A run as the result list shows it: the texts and option states it was computed from, its
// rows as the run gave them, and the lines of its quarter. Point files, the sheet and the
// slope's heights are all made from it.
struct ListedRun {
    std::array<std::string, 8> texts;
    Selection selection;
    std::vector<StakeRow> rows;
    std::optional<SlopeOutline> outline;
};

// Runs one calculation. `texts` are Text1 to Text8 (a, b, β, X, Y, azimuth, step, D).
// Never fails: bad inputs give one of the messages of core/messages.h, and a run
// never yields more than kMaxRows rows.
//   {"12.5","6","60.3","3000","5000","45.153","2.5","4.25"}, step mode, 位置2 -> 7 rows
//   {"", ...}                                   -> no rows, kMessageEmptyInput
//   step text "0" or "abc"                      -> no rows, kMessageStepNotPositive
RunResult runCalculation(const std::array<std::string, 8>& texts, const Selection& selection);

// The eight numbers of `texts` (Text1 to Text8), each read by the lenient leading-number rule.
//   {"12.5", "6", "60.3", ...} -> {12.5, 6, 60.3, ...}    {"abc", "", ...} -> {0, 0, ...}
CalcInput readCalcInput(const std::array<std::string, 8>& texts);

// The rows one generator gives for `input`, numbered 1, 2, ... in delivery order: the step-length
// generator when `stepMode`, else the angle generator. A point without finite coordinates is
// left out and counted; once `limit` points have come (counted whether left out or not), the
// next one stops the generator and marks the rows too many.
struct GeneratedRows {
    std::vector<StakeRow> rows;
    long long skipped = 0;
    bool tooMany = false;
};
GeneratedRows generateRows(const CalcInput& input, SlopePosition position, bool stepMode,
                           long long limit = kMaxRows);

// The first selected of Option1 to Option4, tested in that order; nothing when none is.
//   {false, {false, true, true, false}} -> Position2     {true, {}} -> nothing
std::optional<SlopePosition> selectedPosition(const Selection& selection);

}  // namespace korvel
