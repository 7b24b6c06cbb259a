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

// The text of a PDF sheet as poppler's pdftotext lays it out; nothing on Windows, which has
// no reader of PDF text for the suite to call.
std::optional<QString> sheetText(const QString& pdf);

// Whether the sheet the window wrote at `window` is the one korvel-calc wrote at `calc` from
// the same run and texts. On Linux: the same bytes but for the time each was made, and the
// same words as poppler reads them. On Windows the suite paints on Qt's offscreen platform and
// korvel-calc.exe on the system's own, whose font engines give other bytes for the same
// pages: there both must be PDF files, and the window's sheet is kept in the current folder
// as "<suite>-<file name>", where scripts/test-windows.sh reads it with poppler against the
// Linux build's sheet.
bool sameSheet(const QString& window, const QString& calc);

// Makes the system refuse to save `file` anew, the file as it is kept; returns what gives the
// place back, or nothing when the system would not. On Linux the file's folder is made
// read-only; on Windows the file is held open without sharing, as a program that has it open
// holds it, so that it cannot be replaced.
std::function<void()> refuseSaving(const QString& file);

}  // namespace korvel::test
