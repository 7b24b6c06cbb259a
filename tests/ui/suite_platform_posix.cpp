// The suites on Linux: the build's korvel-calc, poppler beside them, a folder made read-only.
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include "file_bytes.h"
#include "read_only_folder.h"
#include "suite_platform.h"

namespace korvel::test {

QString korvelCalc() {
    return QStringLiteral(KORVEL_CALC);
}

std::optional<QString> sheetText(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    pdftotext.waitForFinished(60000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

bool sameSheet(const QString& window, const QString& calc) {
    return withoutCreationDate(bytesOf(window)) == withoutCreationDate(bytesOf(calc)) &&
           sheetText(window) == sheetText(calc);
}

std::function<void()> refuseSaving(const QString& file) {
    const QByteArray folder = QFile::encodeName(QFileInfo(file).absolutePath());
    if (!makeReadOnly(folder)) {
        return {};
    }
    return [folder] { makeWritable(folder); };
}

}  // namespace korvel::test
