#include "parameter_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "gbk.h"
#include "messages.h"

namespace korvel {

// Eight lines, each plus CR LF, in GBK.
QByteArray encodeParameterFile(const ParameterTexts& texts) {
    QString joined;
    for (const QString& text : texts) {
        joined += text;
        joined += QLatin1String("\r\n");
    }
    return encodeGbk(joined);
}

// Splits at the first eight line ends and decodes each line on its own.
ParameterTexts decodeParameterFile(QByteArrayView bytes) {
    ParameterTexts texts;
    qsizetype pos = 0;
    const qsizetype size = bytes.size();
    for (QString& text : texts) {
        if (pos >= size) {
            break;
        }
        qsizetype end = pos;
        while (end < size && bytes[end] != '\r' && bytes[end] != '\n') {
            ++end;
        }
        text = decodeGbk(bytes.sliced(pos, std::min(end - pos, kMaxParameterLineBytes)));
        pos = end;
        if (pos < size && bytes[pos] == '\r') {
            ++pos;
        }
        if (pos < size && bytes[pos] == '\n') {
            ++pos;
        }
    }
    return texts;
}

// Opens and reads at most kMaxParameterFileBytes; any failure gives "文件路径错误".
ParameterRead readParameterFile(const QString& path) {
    ParameterRead result;
    // Only a plain file can hold parameters: a pipe would block the window in open(), and a
    // device such as /dev/zero is no file the user saved.
    QFile file(path);
    if (path.isEmpty() || !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        result.error = kMessageBadPath;
        return result;
    }
    const QByteArray bytes = file.read(kMaxParameterFileBytes);
    if (file.error() != QFileDevice::NoError) {
        result.error = kMessageBadPath;
        return result;
    }
    result.ok = true;
    result.texts = decodeParameterFile(bytes);
    return result;
}

// "<exeDir><sep>liti" with the platform's separator ("\" on Windows).
QString litiFolder(const QString& exeDir) {
    QString folder = QDir::toNativeSeparators(exeDir);
    if (!folder.endsWith(QDir::separator())) {
        folder += QDir::separator();
    }
    return folder + QLatin1String("liti");
}

}  // namespace korvel
