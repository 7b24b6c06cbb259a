// The window on Windows.
#include "ui/platform.h"

namespace korvel {

// NSimSun: SimSun's fixed-pitch twin.
QString listFamily() {
    return QStringLiteral("新宋体");
}

// The common dialogs a Windows user knows, with their places and recent folders.
bool nativeFileDialogs() {
    return true;
}

}  // namespace korvel
