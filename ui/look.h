// Fonts and translations of the window: the SimSun face the layout is measured in, a
// stand-in where it is missing, and Qt's Chinese button texts.
#pragma once

#include <QFont>

class QCoreApplication;

namespace korvel {

// The family every element asks for; Windows resolves it to SimSun.
inline constexpr char kSongFamily[] = "宋体";
// The stand-in where SimSun is missing: CJK at one em, Latin, digits and blanks at half
// an em, so that result lines stay in columns under their header as they do in SimSun.
inline constexpr char kSongStandIn[] = "Noto Sans Mono CJK SC";

// Maps the Song families ("宋体", "SimSun", "新宋体", "NSimSun") to the stand-in unless SimSun
// itself is installed.
void useSongStandInWhereMissing();
// "宋体" at `points` (9 for the window, 10.5 for text boxes and the list), regular or bold.
QFont songFont(double points, bool bold = false);
// The result list's face at `points` (10.5).
QFont listFont(double points);
// Loads Qt's own simplified Chinese texts (the OK button reads "确定") into `app`.
bool installChineseQtTexts(QCoreApplication& app);

}  // namespace korvel
