// The face check's outputs and its reading of measured files: the shots of every file kind in
// both orders, each measurement its own; the aligned text to its exact lines; the .csv read back
// by Python's csv module and the workbook by xlrd, Spreadsheet::ParseExcel and openpyxl.
#include "files/face_outputs.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "readers.h"

namespace korvel {
namespace {

using test::number;
using test::text;

// The worked example raised from 100 to 104 with the slopes 1:2 and 1:1.
SlopeBody workedSlope() {
    const CalcInput input{12.5, 6, 60.3, 3000, 5000, 45.153, 2.5, 4.25};
    return slopeBody(input, SlopePosition::Position2, {100, 104, 2.0, 1.0}).body;
}

// Four shots on the worked example's slope: one 0.3 mm below its design, one 62 mm above it,
// one beyond the toe and one behind the road line; and a line without an H.
FaceReport workedReport() {
    const std::vector<SlopeShot> shots = {
        {"S1", "3001.585", "5009.946", "101.0003"},  // on the line at 101 (L2-1-2)
        {"桥台2", "2999.765", "5011.2", "102.062"},   // on the line at 102, 62 mm above
        {"S3", "2997.155", "5019.695", "99.5"},      // beyond the toe
        {"S4", "2994", "5016", "101"},               // behind the road line
        {"S5", "3001", "5010", ""},                  // no H
    };
    return makeFaceReport(workedSlope(), shots, 1, Tolerance{});
}

TEST(FaceText, WorkedLines) {
    const FaceReport report = workedReport();
    EXPECT_EQ(faceText(report, "\n"),
              "点名          X         Y     实测H     设计H  ΔH(mm)  结果\n"
              "S1     3001.585  5009.946  101.0003  101.0000     0.3  合格\n"
              "桥台2  2999.765  5011.200   102.062  101.9999    62.1  偏高\n"
              "S3     2997.155  5019.695    99.500                    坡脚外\n"
              "S4     2994.000  5016.000   101.000                    坡面外\n"
              "共2点：合格1点，偏高1点，偏低0点；合格率50.0%；坡脚外1点；坡面外1点；"
              "略过非点行2行\n");
    EXPECT_FALSE(report.check.passed);
    const std::string file = encodeFaceTextFile(report);
    EXPECT_TRUE(file.starts_with("\xEF\xBB\xBF点名"));
    EXPECT_NE(file.find("合格\r\n桥台2"), std::string::npos);
}

// The .csv as Python's csv module reads it: the captions, then each row's fields.
TEST(FaceCsv, ReadBack) {
    const FaceReport report = workedReport();
    const std::string csv = encodeFaceCsv(report);
    ASSERT_TRUE(csv.starts_with("\xEF\xBB\xBF"));
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import csv,sys; [print('|'.join(r)) for r in "
                                 "csv.reader(sys.stdin.read().splitlines())]")});
    python.write(QByteArray::fromStdString(csv.substr(3)));
    python.closeWriteChannel();
    ASSERT_TRUE(python.waitForFinished(60000));
    EXPECT_EQ(QString::fromUtf8(python.readAllStandardOutput()).toStdString(),
              "点名|X|Y|实测H|设计H|ΔH(mm)|结果\n"
              "S1|3001.585|5009.946|101.0003|101.0000|0.3|合格\n"
              "桥台2|2999.765|5011.200|102.062|101.9999|62.1|偏高\n"
              "S3|2997.155|5019.695|99.500|||坡脚外\n"
              "S4|2994.000|5016.000|101.000|||坡面外\n");
}

// The workbook as three readers see it: the sheet "坡面检测", numbers as numbers, the
// tolerance and the summary under an empty row.
TEST(FaceWorkbook, ReadBack) {
    const FaceReport report = workedReport();
    test::Cells want;
    const char* const captions[] = {"点名", "X", "Y", "实测H", "设计H", "ΔH(mm)", "结果"};
    for (int c = 0; c < 7; ++c) {
        want.insert(text(0, c, QString::fromUtf8(captions[c])));
    }
    const struct {
        const char* name;
        double x, y, h;
        double design, delta;
        const char* verdict;
    } rows[] = {{"S1", 3001.585, 5009.946, 101.0003, 101.0, 0.3, "合格"},
                {"桥台2", 2999.765, 5011.2, 102.062, 101.9999, 62.1, "偏高"},
                {"S3", 2997.155, 5019.695, 99.5, 0, 0, "坡脚外"},
                {"S4", 2994, 5016, 101, 0, 0, "坡面外"}};
    for (int r = 0; r < 4; ++r) {
        want.insert(text(r + 1, 0, QString::fromUtf8(rows[r].name)));
        want.insert(number(r + 1, 1, rows[r].x));
        want.insert(number(r + 1, 2, rows[r].y));
        want.insert(number(r + 1, 3, rows[r].h));
        if (r < 2) {
            want.insert(number(r + 1, 4, rows[r].design));
            want.insert(number(r + 1, 5, rows[r].delta));
        }
        want.insert(text(r + 1, 6, QString::fromUtf8(rows[r].verdict)));
    }
    want.insert(text(6, 0, QStringLiteral("允许偏差：50 mm")));
    want.insert(text(7, 0, QString::fromStdString(report.summary)));
    QTemporaryDir dir;
    for (const char* name : {"检测.xls", "检测.xlsx"}) {
        const QString path = dir.filePath(QString::fromUtf8(name));
        ASSERT_FALSE(saveFaceOutput(path, *outputFormatFor(path), report)) << name;
        for (const bool perl : {false, true}) {
            if (perl && QString::fromUtf8(name).endsWith(QLatin1String("x"))) {
                continue;  // Spreadsheet::ParseExcel reads .xls only
            }
            const test::WorkbookContents read = test::readWorkbook(path, perl);
            ASSERT_TRUE(read.failure.isEmpty()) << read.failure.toStdString();
            EXPECT_EQ(read.sheets, QStringList{QStringLiteral("坡面检测")});
            EXPECT_EQ(test::difference(want, read.cells), "") << name << (perl ? " perl" : "");
        }
    }
}

// Every point of a file in its order, a name measured again a shot again, in every kind of
// file and both orders of a delimited one; the lines that hold none counted.
TEST(MeasuredShots, EveryShotInFileOrder) {
    const std::vector<SlopeShot> want = {{"P1", "3001.585", "5009.946", "101.0003"},
                                         {"P2", "2999.765", "5011.2", "102.062"},
                                         {"P1", "3001.586", "5009.946", "101.01"}};
    const struct {
        MeasuredFormat format;
        CoordinateOrder order;
        const char* bytes;
        int passedOver;
    } files[] = {
        {MeasuredFormat::Delimited, CoordinateOrder::NorthEast,
         "点名,X,Y,H\r\nP1,3001.585,5009.946,101.0003\r\nP2,2999.765,5011.2,102.062\r\n"
         "P1,3001.586,5009.946,101.01\r\n",
         1},
        {MeasuredFormat::Delimited, CoordinateOrder::EastNorth,
         "P1 5009.946 3001.585 101.0003\nP2 5011.2 2999.765 102.062\n\n"
         "P1\t5009.946\t3001.586\t+101.01\n",
         1},
        {MeasuredFormat::CassDat, CoordinateOrder::NorthEast,
         "P1,,5009.946,3001.585,101.0003\nP2,,5011.2,2999.765,102.062\nP1,,5009.946,3001.586,"
         "101.010\n",
         0},
        {MeasuredFormat::Gsi, CoordinateOrder::NorthEast,
         "*110001+00000000000000P1 81..10+0000000005009946 82..10+0000000003001585 "
         "83..06+0000000001010003 \r\n"
         "*110002+00000000000000P2 81..10+0000000005011200 82..10+0000000002999765 "
         "83..10+0000000000102062 \r\n"
         "*110003+00000000000000P1 81..10+0000000005009946 82..10+0000000003001586 "
         "83..10+0000000000101010 \r\n",
         0},
    };
    for (const auto& f : files) {
        const MeasuredShots read = decodeMeasuredShots(QByteArray(f.bytes), f.format, f.order);
        ASSERT_FALSE(read.problem) << problemText(read.problem);
        ASSERT_EQ(read.shots.size(), want.size()) << f.bytes;
        for (std::size_t k = 0; k < want.size(); ++k) {
            EXPECT_EQ(read.shots[k].name, want[k].name);
            EXPECT_EQ(decimalMicrometres(read.shots[k].x), decimalMicrometres(want[k].x));
            EXPECT_EQ(decimalMicrometres(read.shots[k].y), decimalMicrometres(want[k].y));
            EXPECT_EQ(decimalMicrometres(read.shots[k].h), decimalMicrometres(want[k].h));
        }
        EXPECT_EQ(read.linesPassedOver, f.passedOver) << f.bytes;
    }
    EXPECT_EQ(decodeMeasuredShots(QByteArray("no points\n"), MeasuredFormat::Delimited,
                                  CoordinateOrder::NorthEast)
                  .problem.code,
              ProblemCode::MeasuredNoPoints);
}

}  // namespace
}  // namespace korvel
