// What the window does differently on Windows, in one place (platform_posix.cpp,
// platform_win.cpp).
#pragma once

#include <QString>

namespace korvel {

// The result list's family: the fixed-pitch Song face on Windows ("新宋体", NSimSun, whose
// Latin and digits are half-width cells, so rows line up under the header), the window's
// own "宋体" elsewhere.
QString listFamily();

// True where the file dialogs are the system's own (Windows' common dialogs); elsewhere they
// are Qt's widget dialog, the same on every desktop.
bool nativeFileDialogs();

}  // namespace korvel
