// The results workbook read back by spreadsheet readers nobody here wrote: every cell of
// the saved file must be the expected one, and no other cell may exist.
#include "files/workbook.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "readers.h"

namespace korvel {
namespace {

using test::Grid;
using test::Reader;

struct Variant {
    const char* extension;
    Reader reader;
    const char* name;
};

// Names the variant in test output.
void PrintTo(const Variant& v, std::ostream* os) {
    *os << v.name;
}

class WorkbookReadBack : public testing::TestWithParam<Variant> {
  protected:
    // Saves `lines` and returns what the reader finds, checking the single "sheet1".
    Grid saveAndRead(const QStringList& lines) {
        const QString path = dir.filePath(QStringLiteral("成果") + GetParam().extension);
        const SaveOutcome saved = saveWorkbook(path, lines);
        EXPECT_TRUE(saved.ok) << saved.error.toStdString();
        const test::WorkbookContents contents = test::readWorkbook(GetParam().reader, path);
        EXPECT_EQ(contents.failure, QString()) << contents.failure.toStdString();
        EXPECT_EQ(contents.sheets, QStringList{QStringLiteral("sheet1")});
        return contents.cells;
    }

    QTemporaryDir dir;
};

// A list line as the calculation run writes it, and the cells it must give: the number
// in C, B or A for one, two or three digits, X five columns right of it, Y ten.
struct StakeRows {
    QStringList lines;
    Grid cells;

    void add(int n, double x, double y) {
        const QString xs = QString::number(x, 'f', 3), ys = QString::number(y, 'f', 3);
        lines << QStringLiteral("%1     %2     %3").arg(n, 3).arg(xs, ys);
        const int row = static_cast<int>(lines.size()) - 1;
        const int column = n < 10 ? 2 : n < 100 ? 1 : 0;
        cells[{row, column}] = test::number(n);
        cells[{row, column + 5}] = test::number(xs.toDouble());
        cells[{row, column + 10}] = test::number(ys.toDouble());
    }
};

TEST_P(WorkbookReadBack, PointNumberWidthMovesTheColumns) {
    StakeRows rows;
    for (int n = 1; n <= 120; ++n) {
        // Negative X on every third point: the minus sign must not move a value.
        rows.add(n, (n % 3 == 0 ? -1 : 1) * (3000.0 + n * 1.0625), 5008.352 - n * 7.5);
    }
    const Grid read = saveAndRead(rows.lines);
    EXPECT_EQ(test::gridDifference(rows.cells, read), std::string());
    // Spot checks in spreadsheet terms: row 9 has its X in H, row 10 in G, row 100 in F.
    EXPECT_TRUE(read.contains({8, 7}));
    EXPECT_TRUE(read.contains({9, 6}));
    EXPECT_TRUE(read.contains({99, 5}));
}

TEST_P(WorkbookReadBack, EmptyListGivesAnEmptySheet1) {
    EXPECT_TRUE(saveAndRead({}).empty());
}

TEST_P(WorkbookReadBack, LongestListOf32767Rows) {
    StakeRows rows;
    for (int n = 1; n <= 32767; ++n) {
        rows.add(n, (n % 7 == 0 ? -1.0 : 1.0) * n * 1.731, 500000.0 - n * 0.377);
    }
    EXPECT_EQ(test::gridDifference(rows.cells, saveAndRead(rows.lines)), std::string());
}

TEST_P(WorkbookReadBack, TextPiecesAndRunsOfSpaces) {
    const QStringList lines = {QStringLiteral("点号 X坐标  Y坐标"),
                               QStringLiteral(" -1.5 1e3 +2 .5 3."), QString(),
                               QStringLiteral("007 -0 12,5")};
    Grid expected;
    expected[{0, 0}] = test::text(QStringLiteral("点号"));
    expected[{0, 1}] = test::text(QStringLiteral("X坐标"));
    expected[{0, 3}] = test::text(QStringLiteral("Y坐标"));
    expected[{1, 1}] = test::number(-1.5);
    expected[{1, 2}] = test::text(QStringLiteral("1e3"));
    expected[{1, 3}] = test::text(QStringLiteral("+2"));
    expected[{1, 4}] = test::text(QStringLiteral(".5"));
    expected[{1, 5}] = test::text(QStringLiteral("3."));
    expected[{3, 0}] = test::number(7);
    expected[{3, 1}] = test::number(0);
    expected[{3, 2}] = test::text(QStringLiteral("12,5"));
    EXPECT_EQ(test::gridDifference(expected, saveAndRead(lines)), std::string());
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
        Grid expected;
        expected[{0, 0}] = test::text(first);
        expected[{1, 0}] = test::text(QStringLiteral("abc"));
        expected[{2, 0}] = test::text(long9000);
        for (int i = 0; i < 3000; ++i) {
            lines << QStringLiteral("名%1 %2").arg(i).arg(i);
            expected[{static_cast<int>(lines.size()) - 1, 0}] =
                test::text(QStringLiteral("名%1").arg(i));
            expected[{static_cast<int>(lines.size()) - 1, 1}] = test::number(i);
        }
        EXPECT_EQ(test::gridDifference(expected, saveAndRead(lines)), std::string())
            << "first string of " << first.size() << " units";
    }
}

INSTANTIATE_TEST_SUITE_P(Readers, WorkbookReadBack,
                         testing::Values(Variant{".xls", Reader::Xlrd, "xls_xlrd"},
                                         Variant{".xls", Reader::ParseExcel, "xls_ParseExcel"},
                                         Variant{".XLSX", Reader::Openpyxl, "xlsx_openpyxl"}),
                         [](const testing::TestParamInfo<Variant>& info) {
                             return std::string(info.param.name);
                         });

TEST(WorkbookKind, XlsxOnlyForThatEnding) {
    EXPECT_TRUE(wantsXlsx(QStringLiteral("/a/b.xlsx")));
    EXPECT_TRUE(wantsXlsx(QStringLiteral("C:\\a\\B.XlSx")));
    EXPECT_FALSE(wantsXlsx(QStringLiteral("/a/b.xls")));
    EXPECT_FALSE(wantsXlsx(QStringLiteral("/a/b.xlsx.xls")));
    EXPECT_FALSE(wantsXlsx(QStringLiteral("/a/xlsx")));
}

}  // namespace
}  // namespace korvel
