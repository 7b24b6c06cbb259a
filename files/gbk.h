// The 8-bit code page of the text files: GBK (Windows code page 936).
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace korvel {

// Encodes text as GBK; a character GBK lacks becomes "?".
QByteArray encodeGbk(QStringView text);

// Decodes GBK bytes; a byte sequence that is not GBK becomes U+FFFD.
QString decodeGbk(QByteArrayView bytes);

// The same two conversions done by the platform (iconv, or code page 936 on Windows),
// which encodeGbk/decodeGbk fall back on when Qt has no GBK codec.
QByteArray encodeGbkByPlatform(QStringView text);
QString decodeGbkByPlatform(QByteArrayView bytes);

}  // namespace korvel
