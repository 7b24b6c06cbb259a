// Start-up: the application, Qt's own buttons in Chinese, and the one window.
#include <QApplication>

#include "ui/artwork.h"
#include "ui/form1.h"
#include "ui/look.h"

// Creates and shows the window; the program ends when the window closes.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The name of the per-user data folder (~/.local/share/korvel), the same as the installed
    // share/korvel; the window title and message captions say "Korvel" on their own.
    QApplication::setApplicationName(QStringLiteral("korvel"));
    QApplication::setDesktopFileName(QStringLiteral("korvel"));
    QApplication::setWindowIcon(korvel::appIcon());
    korvel::installChineseQtTexts(app);
    korvel::Form1 window;
    window.show();
    return QApplication::exec();
}
