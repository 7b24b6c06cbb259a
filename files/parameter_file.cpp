#include "files/parameter_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "files/gbk.h"

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
    const bool utf8 = bytes.startsWith(QByteArrayView(kUtf8ByteOrderMark));
    qsizetype pos = utf8 ? static_cast<qsizetype>(kUtf8ByteOrderMark.size()) : 0;
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

// A failed read: the file and the system's reason.
ParameterRead readFailure(ProblemCode code, const QString& path, const QString& reason = {}) {
    return {{},
            fileProblem(code, QDir::toNativeSeparators(path).toStdString(), reason.toStdString())};
}

}  // namespace

// Opens and reads at most kMaxParameterFileBytes.
ParameterRead readParameterFile(const QString& path) {
    if (path.isEmpty()) {
        return readFailure(ProblemCode::NoFileName, path);
    }
    // Only a plain file can hold parameters: a pipe would block the window in open(), and a
    // device such as /dev/zero is no file the user saved.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        return readFailure(ProblemCode::NotRegularFile, path);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return readFailure(ProblemCode::CannotRead, path, file.errorString());
    }
    const QByteArray bytes = file.read(kMaxParameterFileBytes);
    if (file.error() != QFileDevice::NoError) {
        return readFailure(ProblemCode::CannotRead, path, file.errorString());
    }
    return {decodeParameterFile(bytes), {}};
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
