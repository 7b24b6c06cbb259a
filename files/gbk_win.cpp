// GBK on Windows: the system's code page 936.
#include <windows.h>

#include "files/gbk.h"

namespace korvel {

// Code page 936 from UTF-16; a character it lacks becomes "?".
QByteArray encodeGbkByPlatform(QStringView text) {
    const int n = WideCharToMultiByte(936, 0, reinterpret_cast<LPCWCH>(text.utf16()),
                                      static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    QByteArray out(n, '\0');
    WideCharToMultiByte(936, 0, reinterpret_cast<LPCWCH>(text.utf16()),
                        static_cast<int>(text.size()), out.data(), n, "?", nullptr);
    return out;
}

// Code page 936 to UTF-16; the system marks a broken sequence with U+FFFD.
QString decodeGbkByPlatform(QByteArrayView bytes) {
    const int n =
        MultiByteToWideChar(936, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    QString out(n, QChar());
    MultiByteToWideChar(936, 0, bytes.data(), static_cast<int>(bytes.size()),
                        reinterpret_cast<LPWSTR>(out.data()), n);
    return out;
}

}  // namespace korvel
