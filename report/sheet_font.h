// The one font the sheet is printed in, loaded from its file so that the PDF embeds exactly
// that font: one whose Chinese, Latin and digits read back from the PDF as the characters
// written (WenQuanYi Micro Hei on Linux). Needs a QGuiApplication.
#pragma once

#include <QString>

#include "files/problem.h"

namespace korvel {

// The font file the sheet is printed in, as this platform finds it; empty when there is none
// (sheet_font_posix.cpp, sheet_font_win.cpp).
//   Linux: fontconfig's file for "WenQuanYi Micro Hei", else
//          /usr/share/fonts/truetype/wqy/wqy-microhei.ttc when it exists
//   Windows: a wqy-microhei.ttc beside the program, else Microsoft YaHei or SimSun from the
//            Windows fonts folder
QString sheetFontFile();

// The family to print in, or why there is none.
struct SheetFont {
    QString family;
    Problem problem;  // NoSheetFont with the file tried (or none); None when found
};

// The family of sheetFontFile(), added to the application's fonts once for the process; a
// missing file, a file Qt cannot read, or a family without simplified Chinese gives
// NoSheetFont rather than any other font.
SheetFont loadSheetFont();

}  // namespace korvel
