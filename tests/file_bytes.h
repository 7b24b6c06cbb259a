// Whole files as bytes, for the suites that compare what was saved byte for byte.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
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

// A PDF's bytes without the time it was made, the one thing that tells two writings of the
// same sheet apart: "/CreationDate (D:20261207181742Z)" becomes "/CreationDate ()".
inline QByteArray withoutCreationDate(const QByteArray& pdf) {
    static const QRegularExpression date(QStringLiteral("/CreationDate \\(D:[^)]*\\)"));
    return QString::fromLatin1(pdf).replace(date, QStringLiteral("/CreationDate ()")).toLatin1();
}

}  // namespace korvel::test
