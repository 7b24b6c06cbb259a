// How korvel-calc ends: its exit statuses and what it writes to standard error, shared by the
// program and its sheet module.
#pragma once

#include <string_view>

#include "core/slope_quantities.h"
#include "files/problem.h"

namespace korvel::cli {

// Exit statuses: rows produced, run refused by its input checks, usage or file error.
inline constexpr int kExitRows = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitError = 2;
// With a check: some point beyond the tolerance or not measured.
inline constexpr int kExitCheckFailed = 3;

// Writes `text` and a line end to standard error.
void reportError(std::string_view text);

// A usage error as the command reports it, "korvel-calc: " and the problem, with the hint to
// --help; kExitError.
int usageError(const Problem& problem);

// The exit status of a write: "文件保存失败" and the problem on standard error when it failed.
int reportSave(const Problem& problem);

// A write to standard output that failed, with the system's reason.
Problem standardOutputProblem();

// The quantities a line each on standard output (quantityLines); kExitRows, or kExitError
// with the reason when the write failed.
int printQuantities(const SlopeQuantities& quantities);

}  // namespace korvel::cli
