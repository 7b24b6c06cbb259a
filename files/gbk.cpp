#include "files/gbk.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#endif

namespace korvel {

namespace {

constexpr const char* kCodecName = "GBK";

#ifndef _WIN32
// Runs iconv over the whole input; an unconvertible or broken sequence is skipped and
// `replacement` written in its place, `skip` input bytes at a time.
QByteArray iconvAll(const char* to, const char* from, QByteArrayView input,
                    QByteArrayView replacement, std::size_t skip) {
    QByteArray out;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return out;
    }
    out.resize(input.size() * 2 + 16);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = static_cast<std::size_t>(input.size());
    std::size_t done = 0;
    while (inLeft > 0) {
        char* outPtr = out.data() + done;
        std::size_t outLeft = static_cast<std::size_t>(out.size()) - done;
        const std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        done = static_cast<std::size_t>(outPtr - out.data());
        if (rc != static_cast<std::size_t>(-1)) {
            break;
        }
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        // EILSEQ or EINVAL: drop the offending unit and mark it.
        const std::size_t drop = std::min(skip, inLeft);
        in += drop;
        inLeft -= drop;
        out.resize(std::max<qsizetype>(out.size(),
                                       static_cast<qsizetype>(done) + replacement.size() + 16));
        std::memcpy(out.data() + done, replacement.data(), replacement.size());
        done += static_cast<std::size_t>(replacement.size());
    }
    iconv_close(cd);
    out.resize(static_cast<qsizetype>(done));
    return out;
}
#endif

}  // namespace

// Windows code page 936 or iconv's "GBK", from UTF-16.
QByteArray encodeGbkByPlatform(QStringView text) {
#ifdef _WIN32
    const int n = WideCharToMultiByte(936, 0, reinterpret_cast<LPCWCH>(text.utf16()),
                                      static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    QByteArray out(n, '\0');
    WideCharToMultiByte(936, 0, reinterpret_cast<LPCWCH>(text.utf16()),
                        static_cast<int>(text.size()), out.data(), n, "?", nullptr);
    return out;
#else
    // UTF-32 so that a character outside the BMP is skipped whole, four bytes at a time.
    const QList<uint> ucs4 = text.toUcs4();
    const QByteArrayView utf32(reinterpret_cast<const char*>(ucs4.constData()), ucs4.size() * 4);
    return iconvAll(kCodecName, "UTF-32LE", utf32, "?", 4);
#endif
}

// Windows code page 936 or iconv's "GBK", to UTF-16.
QString decodeGbkByPlatform(QByteArrayView bytes) {
#ifdef _WIN32
    const int n =
        MultiByteToWideChar(936, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    QString out(n, QChar());
    MultiByteToWideChar(936, 0, bytes.data(), static_cast<int>(bytes.size()),
                        reinterpret_cast<LPWSTR>(out.data()), n);
    return out;
#else
    static constexpr char kReplacement[] = "\xFD\xFF";  // U+FFFD, little-endian
    const QByteArray utf16 = iconvAll("UTF-16LE", kCodecName, bytes, {kReplacement, 2}, 1);
    return QString(reinterpret_cast<const QChar*>(utf16.constData()), utf16.size() / 2);
#endif
}

// Qt's GBK codec where it exists (ICU builds), else the platform's.
QByteArray encodeGbk(QStringView text) {
    QStringEncoder encoder(kCodecName);
    if (!encoder.isValid()) {
        return encodeGbkByPlatform(text);
    }
    return encoder.encode(text);
}

// Qt's GBK codec where it exists (ICU builds), else the platform's.
QString decodeGbk(QByteArrayView bytes) {
    QStringDecoder decoder(kCodecName);
    if (!decoder.isValid()) {
        return decodeGbkByPlatform(bytes);
    }
    return decoder.decode(bytes);
}

}  // namespace korvel
