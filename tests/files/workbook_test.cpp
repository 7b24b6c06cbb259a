// The results workbook read back by spreadsheet readers nobody here wrote: one sheet
// "sheet1", every cell of the saved file the expected one, and no other cell.
#include "files/workbook/workbook.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "readers.h"

namespace korvel {
namespace {

using test::number;
using test::text;

struct Variant {
    const char* extension;
    bool perl;
    const char* name;
};

class WorkbookReadBack : public testing::TestWithParam<Variant> {
  protected:
    // Saves `lines`, reads them back and checks the single "sheet1" and every cell.
    void expectReadBack(const QStringList& lines, const test::Cells& expected) {
        const QString path = dir.filePath(QStringLiteral("成果") + GetParam().extension);
        const Problem saved = saveWorkbook(path, lines);
        ASSERT_FALSE(saved) << problemText(saved);
        const test::WorkbookContents read = test::readWorkbook(path, GetParam().perl);
        ASSERT_EQ(read.failure, QString()) << read.failure.toStdString();
        EXPECT_EQ(read.sheets, QStringList{QStringLiteral("sheet1")});
        EXPECT_EQ(test::difference(expected, read.cells), std::string());
    }

    QTemporaryDir dir;
};

// The longest list as the calculation writes it: the number in C, B or A for one, two or
// three digits (A beyond), X five columns right of it, Y ten; negative X now and then.
TEST_P(WorkbookReadBack, LongestListOf32767Rows) {
    QStringList lines;
    test::Cells cells;
    for (int n = 1; n <= 32767; ++n) {
        const QString x = QString::number((n % 7 == 0 ? -1.0 : 1.0) * n * 1.731, 'f', 3);
        const QString y = QString::number(500000.0 - n * 0.377, 'f', 3);
        lines << QStringLiteral("%1     %2     %3").arg(n, 3).arg(x, y);
        const int row = n - 1, column = n < 10 ? 2 : n < 100 ? 1 : 0;
        cells.insert(number(row, column, n));
        cells.insert(number(row, column + 5, x.toDouble()));
        cells.insert(number(row, column + 10, y.toDouble()));
    }
    expectReadBack(lines, cells);
}

TEST_P(WorkbookReadBack, EmptyListGivesAnEmptySheet1) {
    expectReadBack({}, {});
}

// Every single space cuts; only plain decimals are numbers.
TEST_P(WorkbookReadBack, TextPiecesAndRunsOfSpaces) {
    expectReadBack({QStringLiteral("点号 X坐标  Y坐标"), QStringLiteral(" -1.5 1e3 +2 .5 3."),
                    QString(), QStringLiteral("007 -0 12,5")},
                   {text(0, 0, "点号"), text(0, 1, "X坐标"), text(0, 3, "Y坐标"),
                    number(1, 1, -1.5), text(1, 2, "1e3"), text(1, 3, "+2"), text(1, 4, ".5"),
                    text(1, 5, "3."), number(3, 0, 7), number(3, 1, 0), text(3, 2, "12,5")});
}

// Strings that overflow one 8224-byte record: a string cut across CONTINUE records, a
// surrogate pair exactly at a record end, a header that fits a record but its first
// character does not, and thousands of short strings.
TEST_P(WorkbookReadBack, SharedStringsAcrossContinueRecords) {
    // The SST body starts with 8 bytes of counts and the first string's 3-byte header,
    // leaving room for 4106 UTF-16 units: units 4105 and 4106 straddle the record end.
    const QString straddling = QString(4105, QChar(u'甲')) + QStringLiteral("😀尾");
    // 8 + 3 + 2 * 4105 = 8221 leaves 3 bytes: the next header fits, its text does not.
    const QString filling = QString(4105, QChar(u'乙'));
    QString long9000;
    for (int i = 0; i < 9000; ++i) {
        long9000 += QChar(i % 2 ? u'丙' : u'x');
    }
    for (const QString& first : {straddling, filling}) {
        QStringList lines = {first, QStringLiteral("abc"), long9000};
        test::Cells cells = {text(0, 0, first), text(1, 0, "abc"), text(2, 0, long9000)};
        for (int i = 0; i < 3000; ++i) {
            lines << QStringLiteral("名%1 %2").arg(i).arg(i);
            cells.insert(text(i + 3, 0, QStringLiteral("名%1").arg(i)));
            cells.insert(number(i + 3, 1, i));
        }
        SCOPED_TRACE(first.size());
        expectReadBack(lines, cells);
    }
}

INSTANTIATE_TEST_SUITE_P(Readers, WorkbookReadBack,
                         testing::Values(Variant{".xls", false, "xls_xlrd"},
                                         Variant{".xls", true, "xls_ParseExcel"},
                                         Variant{".XLSX", false, "xlsx_openpyxl"}),
                         [](const testing::TestParamInfo<Variant>& info) {
                             return std::string(info.param.name);
                         });

TEST(WorkbookKind, XlsxOnlyForThatEnding) {
    const std::pair<const char*, bool> cases[] = {{"/a/B.XlSx", true}, {"/a/b.xlsx.xls", false}};
    for (const auto& [path, xlsx] : cases) {
        EXPECT_EQ(wantsXlsx(QString::fromUtf8(path)), xlsx) << path;
    }
}

}  // namespace
}  // namespace korvel
