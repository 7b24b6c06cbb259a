// The sheet's font on Windows: one shipped beside the program, else one every Chinese
// Windows has in its fonts folder.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "report/sheet_font.h"

namespace korvel {

// WenQuanYi Micro Hei beside korvel.exe (in fonts\) when the package ships it; Microsoft
// YaHei (Vista on) or SimSun (every version) from %WINDIR%\Fonts otherwise.
QString sheetFontFile() {
    const QString windows = qEnvironmentVariable("WINDIR", QStringLiteral("C:\\Windows"));
    const QString candidates[] = {
        QCoreApplication::applicationDirPath() + QStringLiteral("/fonts/wqy-microhei.ttc"),
        QDir(windows).filePath(QStringLiteral("Fonts/msyh.ttc")),
        QDir(windows).filePath(QStringLiteral("Fonts/simsun.ttc")),
    };
    for (const QString& path : candidates) {
        if (QFileInfo::exists(path)) {
            return path;
        }
    }
    return {};
}

}  // namespace korvel
