// Start-up: the application, Qt's own buttons in Chinese, and the one window.
#include <QApplication>

#include "ui/artwork.h"
#include "ui/form1.h"
#include "ui/look.h"

// Creates and shows the window; the program ends when the window closes.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvel"));
    QApplication::setDesktopFileName(QStringLiteral("korvel"));
    QApplication::setWindowIcon(korvel::appIcon());
    korvel::installChineseQtTexts(app);
    korvel::Form1 window;
    window.show();
    return QApplication::exec();
}
