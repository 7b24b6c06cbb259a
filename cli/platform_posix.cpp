// korvel-calc on POSIX systems: arguments and streams are bytes, UTF-8 here, and need no
// conversion.
#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QtGlobal>

#include "platform.h"

namespace korvel::cli {

// The arguments as the system passed them, which are UTF-8 here.
std::vector<std::string> utf8Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + (argc > 0 ? argc : 0));
}

// Nothing to set: POSIX streams write bytes unchanged.
StreamState prepareStandardStreams() {
    return {};
}

// The installed place first, by the path from the programs' folder to it, then beside the
// program.
std::string sheetModulePath() {
    const QDir folder = QFileInfo(QStringLiteral("/proc/self/exe"))
                            .canonicalFilePath()
                            .section(QLatin1Char('/'), 0, -2);
    const QString installed = folder.filePath(QStringLiteral(KORVEL_SHEET_MODULE_FROM_PROGRAM));
    const QString beside = folder.filePath(QStringLiteral(KORVEL_SHEET_MODULE_NAME));
    return (QFileInfo::exists(installed) ? installed : beside).toStdString();
}

// Qt's offscreen platform paints without a display, as a script or a server runs.
void choosePaintingPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    }
}

// Nothing was changed; the C runtime flushes the streams at exit.
void restoreStandardStreams(const StreamState&) {}

}  // namespace korvel::cli
