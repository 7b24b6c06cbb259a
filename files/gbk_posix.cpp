// GBK by iconv, for systems whose Qt has no GBK codec of its own.
#include <iconv.h>

#include <QList>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "files/gbk.h"

namespace korvel {

namespace {

constexpr const char* kCodecName = "GBK";

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

}  // namespace

// iconv's "GBK", from UTF-32 so that a character outside the BMP is skipped whole.
QByteArray encodeGbkByPlatform(QStringView text) {
    const QList<uint> ucs4 = text.toUcs4();
    const QByteArrayView utf32(reinterpret_cast<const char*>(ucs4.constData()), ucs4.size() * 4);
    return iconvAll(kCodecName, "UTF-32LE", utf32, "?", 4);
}

// iconv's "GBK" to UTF-16; each byte iconv refuses becomes U+FFFD.
QString decodeGbkByPlatform(QByteArrayView bytes) {
    static constexpr char kReplacement[] = "\xFD\xFF";  // U+FFFD, little-endian
    const QByteArray utf16 = iconvAll("UTF-16LE", kCodecName, bytes, {kReplacement, 2}, 1);
    return QString(reinterpret_cast<const QChar*>(utf16.constData()), utf16.size() / 2);
}

}  // namespace korvel
