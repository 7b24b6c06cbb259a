// Whole files as bytes, for the suites that compare what was saved byte for byte.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace korvel::test {

// The whole file, or a marker when it cannot be read.
inline QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Writes `bytes` as the whole file; false when that failed.
inline bool put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace korvel::test
