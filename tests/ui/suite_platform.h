// What the window suites that compare with korvel-calc do differently on Windows, where they
// run cross-built under Wine (suite_platform_posix.cpp, suite_platform_win.cpp).
#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace korvel::test {

// The korvel-calc whose files the window's are compared with: the Linux build's own, or on
// Windows korvel-calc.exe beside the suite, as the Windows build ships the two together.
QString korvelCalc();

// The text of a PDF sheet as poppler's pdftotext lays it out. Windows has no reader of PDF
// text for the suite to call: there the sheet is kept in the current folder as
// "<suite>-<file name>", where scripts/test-windows.sh reads it with poppler against the Linux
// build's sheet, and nothing is returned.
std::optional<QString> sheetText(const QString& pdf);

// Makes the system refuse to save `file` anew, the file as it is kept; returns what gives the
// place back, or nothing when the system would not. On Linux the file's folder is made
// read-only; on Windows the file is held open without sharing, as a program that has it open
// holds it, so that it cannot be replaced.
std::function<void()> refuseSaving(const QString& file);

}  // namespace korvel::test
