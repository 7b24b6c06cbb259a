// The window on Linux and other free systems.
#include "ui/platform.h"

namespace korvel {

// The window's own Song family; the stand-in is already half-width for Latin and digits.
QString listFamily() {
    return QStringLiteral("宋体");
}

// Qt's dialog: the desktop's own differ from one another and from the tests' expectations.
bool nativeFileDialogs() {
    return false;
}

}  // namespace korvel
