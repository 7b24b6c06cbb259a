// The suites on Windows: korvel-calc.exe beside them, the sheets left for poppler outside, a
// file held open.
#include <windows.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>

#include "file_bytes.h"
#include "suite_platform.h"

namespace korvel::test {

QString korvelCalc() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("korvel-calc.exe"));
}

std::optional<QString> sheetText(const QString&) {
    return std::nullopt;
}

bool sameSheet(const QString& window, const QString& calc) {
    const QString kept = QDir::current().filePath(QCoreApplication::applicationName() +
                                                  QLatin1Char('-') + QFileInfo(window).fileName());
    QFile::remove(kept);
    return QFile::copy(window, kept) && bytesOf(window).startsWith("%PDF-") &&
           bytesOf(calc).startsWith("%PDF-");
}

std::function<void()> refuseSaving(const QString& file) {
    const std::wstring name = QDir::toNativeSeparators(file).toStdWString();
    HANDLE held = CreateFileW(name.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (held == INVALID_HANDLE_VALUE) {
        return {};
    }
    return [held] { CloseHandle(held); };
}

}  // namespace korvel::test
