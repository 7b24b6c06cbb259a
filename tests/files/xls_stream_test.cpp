// The BIFF8 Workbook stream walked record by record: the rules a reader may not check
// but Excel and LibreOffice rely on.
#include <gtest/gtest.h>

#include <QtEndian>
#include <vector>

#include "files/workbook/biff8_records.h"
#include "files/workbook/xls_workbook.h"

namespace korvel {
namespace {

struct Record {
    qsizetype at;
    std::uint16_t type;
    std::uint16_t length;
};

// The records of a stream, up to the zero padding.
std::vector<Record> walk(const QByteArray& stream) {
    std::vector<Record> records;
    qsizetype pos = 0;
    while (pos + 4 <= stream.size()) {
        const auto* p = reinterpret_cast<const uchar*>(stream.constData() + pos);
        Record r{pos, qFromLittleEndian<quint16>(p), qFromLittleEndian<quint16>(p + 2)};
        if (r.type == 0) {
            break;  // the zero padding after the last EOF
        }
        records.push_back(r);
        pos += 4 + r.length;
    }
    return records;
}

TEST(XlsStream, RecordOrderAndLimits) {
    QStringList lines;  // 5000 distinct texts, each with a number
    for (int i = 0; i < 5000; ++i) {
        lines << QStringLiteral("文字%1 %2").arg(i).arg(i);
    }
    const QByteArray stream = xlsWorkbookStream(cutIntoCells(lines));
    const std::vector<Record> records = walk(stream);
    ASSERT_FALSE(records.empty());
    int fonts = 0, xfs = 0, continues = 0;
    qsizetype sheetOffset = -1;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const Record& r = records[i];
        EXPECT_LE(r.length, 8224) << "record " << i;
        fonts += r.type == biff8::kFont;
        xfs += r.type == biff8::kXf;
        continues += r.type == biff8::kContinue;
        if (r.type == biff8::kContinue) {
            const std::uint16_t before = records[i - 1].type;
            EXPECT_TRUE(before == biff8::kSst || before == biff8::kContinue);
        }
        if (r.type == biff8::kBoundsheet) {
            sheetOffset = qFromLittleEndian<quint32>(stream.constData() + r.at + 4);
        }
        if (r.type == biff8::kCodepage) {
            EXPECT_EQ(qFromLittleEndian<quint16>(stream.constData() + r.at + 4), 1200);
        }
    }
    EXPECT_GE(fonts, 5);
    EXPECT_GE(xfs, 16);
    EXPECT_GE(continues, 2);
    // BOUNDSHEET points at the worksheet's BOF, which DIMENSIONS follows at once.
    auto sheetBof = std::find_if(records.begin(), records.end(),
                                 [&](const Record& r) { return r.at == sheetOffset; });
    ASSERT_NE(sheetBof, records.end());
    EXPECT_EQ(sheetBof->type, biff8::kBof);
    EXPECT_EQ(qFromLittleEndian<quint16>(stream.constData() + sheetBof->at + 6), biff8::kWorksheet);
    ASSERT_NE(sheetBof + 1, records.end());
    EXPECT_EQ((sheetBof + 1)->type, biff8::kDimensions);
    EXPECT_EQ(records.back().type, biff8::kEof);
}

TEST(XlsStream, SmallWorkbookIsPaddedOutOfTheSmallBlockArea) {
    EXPECT_GE(xlsWorkbookStream(cutIntoCells({})).size(), 4096);
}

}  // namespace
}  // namespace korvel
