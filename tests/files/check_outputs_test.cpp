// The outputs of the stake-out check: the aligned text line by line, the .csv read back by
// Python's csv module and the workbook by xlrd, Spreadsheet::ParseExcel and openpyxl.
#include "files/check_outputs.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "pegs.h"
#include "readers.h"

namespace korvel {
namespace {

using test::number;
using test::text;

// Three design points named 桥台1..3 at the worked example's first places: 桥台1 staked
// 0.4 mm off, 桥台2 117.7 mm off, 桥台3 not measured, and a peg K9 of no design point.
CheckReport abutmentCheck() {
    const std::vector<StakeRow> design = {
        {1, "3003.069", "5008.352"}, {2, "3002.305", "5010.672"}, {3, "3001.359", "5012.808"}};
    const FieldPoints pegs = test::pegsOf({{"桥台1", "3003.0694", "5008.352"},
                                           {"K9", "2990.5", "5001"},
                                           {"桥台2", "3002.405", "5010.61"}});
    CheckReport report{checkStakeOut(design, "桥台", pegs, Tolerance{}), {}, Tolerance{}};
    report.summary = checkSummary(report.check, 0, 0);
    return report;
}

// Gauss-Krüger coordinates within a 12.5 mm tolerance, and a peg too far out to compare.
CheckReport gaussKruegerCheck() {
    const std::vector<StakeRow> design = {{1, "3512345.678", "38512345.678"},
                                          {2, "3512346.000", "38512346.000"}};
    const FieldPoints pegs =
        test::pegsOf({{"L1", "3512345.69", "38512345.67"}, {"L2", "1234567890123.5", "38512346"}});
    CheckReport report{checkStakeOut(design, "L", pegs, Tolerance{12'500}), {}, Tolerance{12'500}};
    report.summary = checkSummary(report.check, 2, 1);
    return report;
}

struct TextCase {
    const char* name;
    CheckReport report;
    std::string lineEnd;
    std::vector<std::string> lines;
};

// Worked checks to their exact lines: CJK names two columns wide, numbers at the right.
TEST(CheckText, WorkedExamples) {
    const TextCase cases[] = {
        {"abutment",
         abutmentCheck(),
         "\n",
         {"点名      设计X     设计Y      实测X     实测Y  ΔX(mm)  ΔY(mm)  偏差(mm)  结果",
          "桥台1  3003.069  5008.352  3003.0694  5008.352     0.4     0.0       0.4  合格",
          "桥台2  3002.305  5010.672   3002.405  5010.610   100.0   -62.0     117.7  超限",
          "桥台3  3001.359  5012.808                                                 未测",
          "K9                          2990.500  5001.000                            无设计点",
          "共3点：合格1点，超限1点，未测1点；合格率50.0%；无设计点1个"}},
        {"Gauss-Krüger and beyond comparing",
         gaussKruegerCheck(),
         "\r\n",
         {"点名        设计X         设计Y              实测X         实测Y  ΔX(mm)  ΔY(mm)  "
          "偏差(mm)  结果",
          "L1    3512345.678  38512345.678        3512345.690  38512345.670    12.0    -8.0      "
          "14.4  超限",
          "L2    3512346.000  38512346.000  1234567890123.500  38512346.000       —       —      "
          "   —  超限",
          "共2点：合格0点，超限2点，未测0点；合格率0.0%；略过非点行2行；重复点名1个"}},
        {"no rows",
         CheckReport{StakeCheck{}, "共0点：合格0点，超限0点，未测0点；合格率—", Tolerance{}},
         "\n",
         {"点名  设计X  设计Y  实测X  实测Y  ΔX(mm)  ΔY(mm)  偏差(mm)  结果",
          "共0点：合格0点，超限0点，未测0点；合格率—"}},
    };
    for (const TextCase& c : cases) {
        std::string expected;
        for (const std::string& line : c.lines) {
            expected += line + c.lineEnd;
        }
        EXPECT_EQ(checkText(c.report, c.lineEnd), expected) << c.name;
    }
    EXPECT_EQ(encodeCheckTextFile(abutmentCheck()),
              "\xEF\xBB\xBF" + checkText(abutmentCheck(), "\r\n"));
}

// Widths by East Asian width, and the fields a .csv quotes.
TEST(CheckText, WidthsAndCsvFields) {
    const std::pair<std::string, std::size_t> widths[] = {
        {"P1", 2}, {"桥台1", 5}, {"ΔX(mm)", 6}, {"合格", 4},     {"，", 2}, {"—", 1},
        {"▲", 1},  {"", 0},      {"\xFF", 1},   {"\xE6\xA1", 2}, {"𠀀", 2},
    };
    for (const auto& [utf8, width] : widths) {
        EXPECT_EQ(displayWidth(utf8), width) << utf8;
    }
    const std::pair<std::string, std::string> fields[] = {
        {"P1", "P1"}, {"a,b", "\"a,b\""},   {"say \"x\"", "\"say \"\"x\"\"\""},
        {"", ""},     {"a\nb", "\"a\nb\""},
    };
    for (const auto& [field, written] : fields) {
        EXPECT_EQ(csvField(field), written) << field;
    }
}

// The .csv as Python's csv module reads it: the mark, CR LF, the captions, every row's
// fields, empty ones for 未测 and 无设计点, names with commas and quotes intact.
TEST(CheckCsv, ReadBackByPython) {
    const std::vector<StakeRow> design = {
        {1, "3003.069", "5008.352"}, {2, "3002.305", "5010.672"}, {3, "3001.359", "5012.808"}};
    const FieldPoints pegs = test::pegsOf({{"桥台1", "3003.0694", "5008.352"},
                                           {"K9", "2990.5", "5001"},
                                           {"A,1", "1", "2"},
                                           {"say \"x\"", "3", "4.0"},
                                           {"桥台2", "3002.405", "5010.61"}});
    const CheckReport report{checkStakeOut(design, "桥台", pegs, Tolerance{}), {}, Tolerance{}};
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("复核.csv"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(encodeCheckCsv(report)));
    file.close();

    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(KORVEL_READERS_DIR "/read_csv.py"), path});
    ASSERT_TRUE(python.waitForFinished(60000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    const QJsonObject read = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    EXPECT_TRUE(read["bom"].toBool());
    EXPECT_TRUE(read["crlf"].toBool());
    std::vector<std::vector<std::string>> expected = {{}};
    for (const std::string_view caption : checkCaptions()) {
        expected[0].emplace_back(caption);
    }
    for (const CheckRow& row : report.check.rows) {
        const CheckFields fields = checkFields(report.check, row);
        expected.emplace_back(fields.begin(), fields.end());
    }
    std::vector<std::vector<std::string>> rows;
    for (const QJsonValue& row : read["rows"].toArray()) {
        rows.emplace_back();
        for (const QJsonValue& field : row.toArray()) {
            rows.back().push_back(field.toString().toStdString());
        }
    }
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(rows.at(3), (std::vector<std::string>{"桥台3", "3001.359", "5012.808", "", "", "", "",
                                                    "", "未测"}));
    EXPECT_EQ(rows.at(5),
              (std::vector<std::string>{"A,1", "", "", "1.000", "2.000", "", "", "", "无设计点"}));
    EXPECT_EQ(rows.at(6), (std::vector<std::string>{"say \"x\"", "", "", "3.000", "4.000", "", "",
                                                    "", "无设计点"}));
}

struct BookVariant {
    const char* extension;
    bool perl;
};

// The workbook read back: the one sheet "复核", the captions, numbers as numbers, words and
// "—" as text, nothing where nothing applies, then an empty row, the tolerance and the summary.
TEST(CheckWorkbook, ReadBackByThreeReaders) {
    // The abutment's points, and two more at Gauss-Krüger coordinates: one within the
    // tolerance, one too far out to compare.
    const std::vector<StakeRow> design = {{1, "3003.069", "5008.352"},
                                          {2, "3002.305", "5010.672"},
                                          {3, "3001.359", "5012.808"},
                                          {4, "3512345.678", "38512345.678"},
                                          {5, "3512346.000", "38512346.000"}};
    const FieldPoints pegs = test::pegsOf({{"桥台1", "3003.0694", "5008.352"},
                                           {"K9", "2990.5", "5001"},
                                           {"桥台2", "3002.405", "5010.61"},
                                           {"桥台4", "3512345.69", "38512345.67"},
                                           {"桥台5", "1234567890123.5", "38512346"}});
    CheckReport abutment{checkStakeOut(design, "桥台", pegs, Tolerance{}), {}, Tolerance{}};
    abutment.summary = checkSummary(abutment.check, 2, 1);
    test::Cells expected;
    const auto captions = checkCaptions();
    for (int c = 0; c < 9; ++c) {
        expected.insert(text(0, c, QString::fromUtf8(captions[c].data(), captions[c].size())));
    }
    const std::vector<std::vector<const char*>> rows = {
        {"桥台1", "3003.069", "5008.352", "3003.0694", "5008.352", "0.4", "0.0", "0.4", "合格"},
        {"桥台2", "3002.305", "5010.672", "3002.405", "5010.610", "100.0", "-62.0", "117.7",
         "超限"},
        {"桥台3", "3001.359", "5012.808", "", "", "", "", "", "未测"},
        {"桥台4", "3512345.678", "38512345.678", "3512345.690", "38512345.670", "12.0", "-8.0",
         "14.4", "合格"},
        {"桥台5", "3512346.000", "38512346.000", "1234567890123.500", "38512346.000", "—", "—", "—",
         "超限"},
        {"K9", "", "", "2990.500", "5001.000", "", "", "", "无设计点"},
    };
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < 9; ++c) {
            const QString field = QString::fromUtf8(rows[r][c]);
            const bool isNumber = c > 0 && c < 8 && field != "—";
            if (!field.isEmpty()) {
                expected.insert(isNumber ? number(r + 1, c, field.toDouble())
                                         : text(r + 1, c, field));
            }
        }
    }
    expected.insert(text(8, 0, "允许偏差：50 mm"));
    expected.insert(text(9, 0, QString::fromStdString(abutment.summary)));

    const QTemporaryDir dir;
    for (const BookVariant& variant :
         {BookVariant{".xls", false}, BookVariant{".xls", true}, BookVariant{".xlsx", false}}) {
        SCOPED_TRACE(std::string(variant.extension) + (variant.perl ? " perl" : ""));
        const QString path = dir.filePath(QStringLiteral("复核") + variant.extension);
        const Problem saved = saveCheckWorkbook(path, abutment);
        ASSERT_FALSE(saved) << problemText(saved);
        const test::WorkbookContents read = test::readWorkbook(path, variant.perl);
        ASSERT_EQ(read.failure, QString()) << read.failure.toStdString();
        EXPECT_EQ(read.sheets, QStringList{QStringLiteral("复核")});
        EXPECT_EQ(test::difference(expected, read.cells), std::string());
    }
}

// A check longer than a worksheet is refused before anything is written.
TEST(CheckWorkbook, RefusesMoreRowsThanASheetHolds) {
    CheckReport report;
    report.check.rows.resize(kMaxCheckWorkbookRows + 1);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("复核.xls"));
    const Problem refused = saveCheckWorkbook(path, report);
    EXPECT_EQ(refused.code, ProblemCode::CheckTooLongForWorkbook);
    EXPECT_EQ(refused.subject, "65533");
    EXPECT_FALSE(refused.file.empty());
    EXPECT_FALSE(QFile::exists(path));
}

}  // namespace
}  // namespace korvel
