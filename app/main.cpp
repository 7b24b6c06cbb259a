// Start-up: the application, Qt's own buttons in Chinese, and the one window; a parameter
// file named as the first argument (`korvel FILE.zdy`, a double-click on the file) is read
// as "参数读取" reads it.
#include <QApplication>

#include "ui/artwork.h"
#include "ui/form1.h"
#include "ui/look.h"

// Creates and shows the window; the program ends when the window closes. QApplication has
// taken its own options (-platform ...) out of the arguments by then.
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
    // Nothing is painted before the event loop runs, so the boxes show the file's texts
    // from the first paint; "文件路径错误" comes over the window, which opens anyway.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        window.openParameterFile(arguments.at(1));
    }
    return QApplication::exec();
}
