// The workbook writer on arbitrary lists of lines (any UTF-8, long lines, runs of
// spaces): the BIFF8 stream walks record by record from the BOF to the last EOF, no record
// body is over 8224 bytes, CONTINUE follows only SST, and the cut into cells keeps to the
// sheet's bounds.
#include <fuzzer/FuzzedDataProvider.h>

#include <QStringList>
#include <QtEndian>
#include <cstdint>

#include "files/workbook/biff8_records.h"
#include "files/workbook/worksheet.h"
#include "files/workbook/xls_workbook.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    QStringList lines;
    while (in.remaining_bytes() > 0 && lines.size() < 2000) {
        const std::string line = in.ConsumeRandomLengthString(20000);
        lines << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    }
    const korvel::SheetGrid grid = korvel::cutIntoCells(lines);
    for (const korvel::SheetCell& cell : grid.cells) {
        FUZZ_CHECK(cell.row >= 0 && cell.row < korvel::kMaxSheetRows && cell.column >= 0 &&
                       cell.column < korvel::kMaxSheetColumns &&
                       (cell.numeric || !cell.text.isEmpty()),
                   "a non-empty cell inside the sheet");
    }

    const QByteArray stream = korvel::xlsWorkbookStream(grid);
    qsizetype pos = 0;
    std::uint16_t last = 0;
    int bofs = 0;
    while (pos + 4 <= stream.size()) {
        const auto* p = reinterpret_cast<const uchar*>(stream.constData() + pos);
        const auto type = qFromLittleEndian<quint16>(p);
        const auto length = qFromLittleEndian<quint16>(p + 2);
        if (type == 0)
            break;  // the zero padding after the last EOF
        FUZZ_CHECK(length <= 8224, "record body within 8224 bytes");
        FUZZ_CHECK(pos + 4 + length <= stream.size(), "record inside the stream");
        if (type == korvel::biff8::kContinue) {
            FUZZ_CHECK(last == korvel::biff8::kSst || last == korvel::biff8::kContinue,
                       "CONTINUE only after SST");
        }
        bofs += type == korvel::biff8::kBof;
        last = type;
        pos += 4 + length;
    }
    FUZZ_CHECK(bofs == 2, "globals and one worksheet");
    FUZZ_CHECK(last == korvel::biff8::kEof, "ends with EOF");
    for (qsizetype k = pos; k < stream.size(); ++k) {
        FUZZ_CHECK(stream[k] == 0, "only zeros after the last EOF");
    }
    return 0;
}
