#include "files/gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace korvel {

namespace {

constexpr const char* kCodecName = "GBK";

}  // namespace

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
