#include "files/parameter_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "files/gbk.h"
#include "files/messages.h"

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

// Splits at the first eight line ends and decodes each line on its own, as UTF-8 after a
// leading byte-order mark and as GBK otherwise.
ParameterTexts decodeParameterFile(QByteArrayView bytes) {
    ParameterTexts texts;
    const bool utf8 = bytes.startsWith(QByteArrayView("\xEF\xBB\xBF"));
    qsizetype pos = utf8 ? 3 : 0;
    const qsizetype size = bytes.size();
    for (QString& text : texts) {
        if (pos >= size) {
            break;
        }
        qsizetype end = pos;
        while (end < size && bytes[end] != '\r' && bytes[end] != '\n') {
            ++end;
        }
        const QByteArrayView line = bytes.sliced(pos, std::min(end - pos, kMaxParameterLineBytes));
        text = utf8 ? QString::fromUtf8(line) : decodeGbk(line);
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

namespace {

// A failed read: "文件路径错误", and the path with the system's reason for a caller that
// shows more.
ParameterRead readFailure(const QString& path, const QString& reason) {
    ParameterRead result;
    result.error = kMessageBadPath;
    result.reason = QDir::toNativeSeparators(path) + QLatin1String(": ") + reason;
    return result;
}

}  // namespace

// Opens and reads at most kMaxParameterFileBytes; any failure gives "文件路径错误".
ParameterRead readParameterFile(const QString& path) {
    ParameterRead result;
    if (path.isEmpty()) {
        return readFailure(path, QStringLiteral("No file name"));
    }
    // Only a plain file can hold parameters: a pipe would block the window in open(), and a
    // device such as /dev/zero is no file the user saved.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        return readFailure(path, QStringLiteral("Not a regular file"));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return readFailure(path, file.errorString());
    }
    const QByteArray bytes = file.read(kMaxParameterFileBytes);
    if (file.error() != QFileDevice::NoError) {
        return readFailure(path, file.errorString());
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
