// The encodings of the text files: GBK (Windows code page 936), the 8-bit code page of a
// Chinese Windows, and UTF-8, which a file marks with its byte-order mark.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <string_view>

namespace korvel {

// The UTF-8 byte-order mark, EF BB BF: Excel and Notepad take a file that starts with it as
// UTF-8, and a file read as GBK otherwise is read as UTF-8 after it.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Whether `bytes` are ASCII only (every byte below 0x80): text that reads the same in GBK and
// UTF-8, and needs no decoding.
//   "P1,5000.000" -> true    "" -> true    "桥台1" (in either encoding) -> false
constexpr bool isAscii(std::string_view bytes) {
    for (const char c : bytes) {
        if ((static_cast<unsigned char>(c) & 0x80) != 0) {
            return false;
        }
    }
    return true;
}

// Encodes text as GBK; a character GBK lacks becomes "?".
QByteArray encodeGbk(QStringView text);

// Decodes GBK bytes; a byte sequence that is not GBK becomes U+FFFD.
QString decodeGbk(QByteArrayView bytes);

// The same two conversions done by the platform (iconv, or code page 936 on Windows),
// which encodeGbk/decodeGbk fall back on when Qt has no GBK codec.
QByteArray encodeGbkByPlatform(QStringView text);
QString decodeGbkByPlatform(QByteArrayView bytes);

}  // namespace korvel
