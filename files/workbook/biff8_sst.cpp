#include "files/workbook/biff8_sst.h"

#include <algorithm>
#include <vector>

#include "files/workbook/biff8_records.h"

namespace korvel::biff8 {

namespace {

// A string's header: 16-bit character count and one flags byte.
constexpr int kStringHeader = 3;
// Flags byte 1: characters stored as 16-bit UTF-16 code units, no rich text, no
// phonetic data.
constexpr std::uint8_t kUtf16 = 0x01;

// Where one EXTSST bucket starts: absolute stream position of its first string and that
// string's offset from the start (header) of the record holding it.
struct Bucket {
    std::uint32_t streamPos;
    std::uint16_t recordOffset;
};

// Appends records to one buffer, patching each record's length when it is closed.
struct RecordStream {
    QByteArray out;
    qsizetype recordStart = 0;

    void begin(std::uint16_t type) {
        recordStart = out.size();
        out.append(Bytes{}.u16(type).u16(0).data);
    }
    void end() {
        const auto length = static_cast<std::uint16_t>(body());
        out[recordStart + 2] = static_cast<char>(length & 0xFF);
        out[recordStart + 3] = static_cast<char>(length >> 8);
    }
    int body() const { return static_cast<int>(out.size() - recordStart - 4); }
    int room() const { return kMaxRecordBody - body(); }
    void next() {
        end();
        begin(kContinue);
    }
};

// Appends `count` UTF-16 code units, low byte first.
void appendUnits(QByteArray& out, const QChar* units, qsizetype count) {
    for (qsizetype i = 0; i < count; ++i) {
        const char16_t u = units[i].unicode();
        out.append(static_cast<char>(u & 0xFF));
        out.append(static_cast<char>(u >> 8));
    }
}

// Strings per EXTSST bucket: at least 8, and few enough buckets (at most 128) that
// EXTSST stays one record.
std::uint16_t bucketSize(qsizetype strings) {
    return static_cast<std::uint16_t>(std::max<qsizetype>(8, strings / 128 + 1));
}

}  // namespace

// A string header never straddles two records and always comes with its first code unit;
// a string cut by a record end goes on in a CONTINUE that starts with the flags byte
// again; a surrogate pair is never cut in two.
QByteArray sharedStringRecords(const QStringList& strings, std::uint32_t references,
                               std::uint32_t streamOffset) {
    RecordStream s;
    s.begin(kSst);
    s.out.append(Bytes{}.u32(references).u32(static_cast<std::uint32_t>(strings.size())).data);

    const std::uint16_t perBucket = bucketSize(strings.size());
    std::vector<Bucket> buckets;
    for (qsizetype i = 0; i < strings.size(); ++i) {
        const QString& text = strings[i];
        const qsizetype length = std::min<qsizetype>(text.size(), 0xFFFF);
        if (s.room() < kStringHeader + (length > 0 ? 2 : 0)) {
            s.next();
        }
        if (i % perBucket == 0) {
            buckets.push_back({static_cast<std::uint32_t>(streamOffset + s.out.size()),
                               static_cast<std::uint16_t>(s.out.size() - s.recordStart)});
        }
        s.out.append(Bytes{}.u16(static_cast<std::uint16_t>(length)).u8(kUtf16).data);
        qsizetype done = 0;
        while (done < length) {
            qsizetype n = std::clamp<qsizetype>(s.room() / 2, 0, length - done);
            if (n > 0 && done + n < length && text[done + n - 1].isHighSurrogate()) {
                --n;
            }
            if (n == 0) {
                s.next();
                s.out.append(static_cast<char>(kUtf16));
                continue;
            }
            appendUnits(s.out, text.constData() + done, n);
            done += n;
        }
    }
    s.end();

    Bytes extsst;
    extsst.u16(perBucket);
    for (const Bucket& b : buckets) {
        extsst.u32(b.streamPos).u16(b.recordOffset).u16(0);
    }
    s.out.append(record(kExtsst, extsst.data));
    return s.out;
}

}  // namespace korvel::biff8
