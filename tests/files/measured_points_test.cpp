// The measured points read back: GSI files in every unit checked against Total Open
// Station's parser, Korvel's own GSI-16 read back to its digits, CASS and delimited files
// in both encodings and every line end, every measurement in file order and the pegs of the
// check by name made of them, and the refusals that read nothing.
#include "files/measured/measured_points.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <map>

#include "file_bytes.h"
#include "files/gbk.h"
#include "files/points/instrument_formats.h"

namespace korvel {
namespace {

// A GSI word: index, information, sign, the data zero-filled to 16 or 8, a blank.
std::string word(const char* indexAndInfo, char sign, std::string_view data, bool gsi16) {
    const std::size_t width = gsi16 ? 16 : 8;
    return indexAndInfo + std::string(1, sign) + std::string(width - data.size(), '0') +
           std::string(data) + ' ';
}

// A decimal text with five decimals, as the oracle prints it: "-12.5" -> "-12.50000".
std::string fiveDecimals(std::string_view view) {
    const std::string text(view);
    const std::size_t point = text.find('.');
    const std::size_t decimals = point == std::string::npos ? 0 : text.size() - point - 1;
    return (point == std::string::npos ? text + '.' : text) + std::string(5 - decimals, '0');
}

// GSI-16 and GSI-8 files in units 0, 6 and 8 with measurement words around the
// coordinates, negative values, code blocks between and a name measured twice: every point as
// Total Open Station reads it, to the last digit, in the order of the file.
TEST(MeasuredPoints, GsiAgreesWithTotalOpenStation) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Data digits of Y, X, H and their signs; the GSI-8 rows fit in 8 digits.
    const struct {
        const char* name;
        const char *y, *x, *h;
        char ySign, xSign, hSign;
    } points[] = {
        {"1", "50083521", "30030690", "1523401", '+', '+', '+'},
        {"L2-15", "501672", "299545", "0", '-', '+', '-'},
        {"A7", "7", "12345678", "99999999", '+', '-', '+'},
        {"0000123", "10000000", "1", "120", '-', '-', '+'},
        {"L2-15", "501673", "299544", "2", '-', '+', '-'},  // measured again
    };
    QStringList files;
    std::map<QString, std::vector<std::string>> expected;
    for (const bool gsi16 : {true, false}) {
        for (const char unit : {'0', '6', '8'}) {
            const std::string digit(1, unit);
            std::string bytes;
            int block = 0;
            for (const auto& p : points) {
                const std::string u = "..1" + digit;
                const std::string big = gsi16 ? "35" : "";  // Gauss-Krüger-sized in GSI-16
                bytes += gsi16 ? "*" : "";
                bytes += word(("11" + std::string("000") + std::to_string(++block)).c_str(), '+',
                              p.name, gsi16);
                bytes += word("21.324", '+', "12345670", gsi16) +
                         word("22.324", '+', "09012340", gsi16) +
                         word(("31..0" + digit).c_str(), '+', "00123456", gsi16) +
                         word(("81" + u).c_str(), p.ySign, big + p.y, gsi16) +
                         word(("82" + u).c_str(), p.xSign, big + p.x, gsi16) +
                         word(("83" + u).c_str(), p.hSign, p.h, gsi16) +
                         word(("87..1" + digit).c_str(), '+', "1500", gsi16) + "\r\n";
                bytes += gsi16 ? "*" : "";
                bytes += word("410001", '+', "STAKE", gsi16) + "\n";
            }
            const QString path =
                dir.filePath(QStringLiteral("gsi%1_unit%2.GSI").arg(gsi16 ? 16 : 8).arg(unit));
            ASSERT_TRUE(test::put(path, QByteArray::fromStdString(bytes)));
            files << path;
            const MeasuredShots read = readMeasuredShots(path, CoordinateOrder::NorthEast);
            ASSERT_FALSE(read.problem) << problemText(read.problem);
            EXPECT_EQ(read.shots.size(), 5u);
            EXPECT_EQ(read.linesPassedOver, 5);  // the code blocks
            const MeasuredPoints pegs = readMeasuredFile(path, CoordinateOrder::NorthEast);
            EXPECT_EQ(pegs.points.pegs.size(), 4u);
            EXPECT_EQ(pegs.points.repeats, 1);
            EXPECT_EQ(pegs.points.pegs[1].x, read.shots[4].x);  // L2-15 as last measured
            for (const SlopeShot& p : read.shots) {
                expected[path].push_back(std::string(p.name) + '\t' + fiveDecimals(p.x) + '\t' +
                                         fiveDecimals(p.y) + '\t' + fiveDecimals(p.h));
            }
        }
    }
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 QStringList{QStringLiteral(KORVEL_READERS_DIR "/read_gsi.py")} + files);
    ASSERT_TRUE(python.waitForFinished(120000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    std::map<QString, std::vector<std::string>> oracle;
    QString file;
    for (const QString& line :
         QString::fromUtf8(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1String("file\t"))) {
            file = line.mid(5);
        } else {
            oracle[file].push_back(line.toStdString());
        }
    }
    for (const QString& path : files) {
        EXPECT_EQ(expected[path], oracle[path]) << path.toStdString();
    }
    // One block by hand: unit 8, a negative northing, H left out.
    const MeasuredPoints one = decodeMeasuredPoints(
        "*110001+0000000000000007 81..18+0000000500835212 82..18-0000000300306901 ",
        MeasuredFormat::Gsi, CoordinateOrder::NorthEast);
    EXPECT_EQ(one.points.pegs, (std::vector<FieldPoint>{{"7", "-3003.06901", "5008.35212", ""}}));
}

// Korvel's own GSI-16 comes back to the names and digits written, "-0.000" included.
TEST(MeasuredPoints, OwnGsi16ReadsBack) {
    const std::vector<StakeRow> written = {{1, "3003.069", "5008.352"},
                                           {2, "-12.050", "-0.000"},
                                           {7, "0.063", "3512345678.901"},
                                           {9, "2995.451", "5016.120"}};
    for (const char* prefix : {"", "L2-", "ABUTMENT-NORTH-"}) {
        const NamedPoints lines[] = {{prefix, "-152.340", written}};
        const EncodedFile file = encodeGsi16(lines);
        ASSERT_FALSE(file.problem);
        const MeasuredPoints read = decodeMeasuredPoints(
            QByteArray::fromStdString(file.bytes), MeasuredFormat::Gsi, CoordinateOrder::NorthEast);
        ASSERT_FALSE(read.problem);
        ASSERT_EQ(read.points.pegs.size(), written.size());
        for (std::size_t k = 0; k < written.size(); ++k) {
            const std::string name = pointName(prefix, written[k]);
            EXPECT_EQ(read.points.pegs[k],
                      (FieldPoint{name, written[k].x, written[k].y, "-152.340"}));
        }
    }
}

// CASS, delimited and GSI files: headers, notes and blank lines passed over and counted, GBK and
// UTF-8 names, each line end, repeated names counted with their last coordinates.
TEST(MeasuredPoints, DelimitedAndCass) {
    const QByteArray gbkName = encodeGbk(QStringLiteral("放样桩1"));
    const auto NE = CoordinateOrder::NorthEast, EN = CoordinateOrder::EastNorth;
    const auto csv = MeasuredFormat::Delimited, dat = MeasuredFormat::CassDat;
    const struct {
        MeasuredFormat format;
        CoordinateOrder order;
        QByteArray bytes;
        std::vector<FieldPoint> points;
        int passedOver, repeats;
    } cases[] = {
        // clang-format off
        {csv, NE, "点号,X,Y,H\r\nP1,5000.0004,3000.1,12.5,\r\n\r\nP2,+1,-.5\r\n",
         {{"P1", "5000.0004", "3000.1", "12.5"}, {"P2", "1", "-0.5", ""}}, 2, 0},
        {csv, EN, "\xEF\xBB\xBF点号\tE\tN\n桩1\t30.5\t50.25\t1\n",
         {{"桩1", "50.25", "30.5", "1"}}, 1, 0},
        {csv, NE, gbkName + " 1 2 3\r" + gbkName + "  4   5\r",  // GBK, CR ends, blanks
         {{"放样桩1", "4", "5", ""}}, 0, 1},
        {csv, NE, "\"P1\",1,2,3,\"stake\"\nnote: 2 pegs lost\nP2,1e3,2\n",
         {{"P1", "1", "2", "3"}}, 2, 0},
        {csv, NE, "007,1,2\n7,3,4\n8,5,6,abc\n",
         {{"007", "3", "4", ""}}, 1, 1},
        {dat, NE, "1,,5016.120,2995.451,0.000\r\n2,TREE,-1,-2\r\n",
         {{"1", "2995.451", "5016.120", "0.000"}, {"2", "-2", "-1", ""}}, 0, 0},
        {dat, NE, gbkName + ",,1,2,3\n点名,编码,Y,X,H\n",
         {{"放样桩1", "2", "1", "3"}}, 1, 0},
        {dat, EN, "A,,1,2\rB,,3\r,,4,5\r",  // the order is CSV's only
         {{"A", "2", "1", ""}}, 2, 0},
        // A byte-order mark, CR ends, a name of zeros measured twice.
        {MeasuredFormat::Gsi, NE,
         "\xEF\xBB\xBF*110001+0000000000000000 81..10+0000000000001000 82..10-0000000000002000\r"
         "\r110002+00000000 81..10+00000003 82..10+00000004 83..10+00000005\r",
         {{"0", "0.004", "0.003", "0.005"}}, 1, 1},
        // clang-format on
    };
    for (const auto& c : cases) {
        const MeasuredPoints read = decodeMeasuredPoints(c.bytes, c.format, c.order);
        EXPECT_FALSE(read.problem) << c.bytes.toStdString();
        EXPECT_EQ(read.points.pegs, c.points) << c.bytes.toStdString();
        EXPECT_EQ(read.linesPassedOver, c.passedOver) << c.bytes.toStdString();
        EXPECT_EQ(read.points.repeats, c.repeats) << c.bytes.toStdString();
    }
}

// What is refused reads nothing: no points, no counts, the code and what it is about.
TEST(MeasuredPoints, Refusals) {
    const auto gsi = MeasuredFormat::Gsi, csv = MeasuredFormat::Delimited;
    const std::string good =
        "*110001+0000000000000001 81..10+0000000000001000 "
        "82..10+0000000000002000 \r\n";
    const struct {
        MeasuredFormat format;
        QByteArray bytes;
        ProblemCode code;
        const char *subject, *reason;
    } cases[] = {
        {csv, QByteArray("P1,1,2\nP2\0,3,4\n", 15), ProblemCode::MeasuredBinary, "", ""},
        {csv, "", ProblemCode::MeasuredNoPoints, "", ""},
        {csv, "点号,X,Y\r\n\r\n", ProblemCode::MeasuredNoPoints, "", ""},
        {gsi, "*410001+000000000000CODE \n", ProblemCode::MeasuredNoPoints, "", ""},
        {gsi, QByteArray::fromStdString(good + "*110002+00000000000002 81..10+0000\r\n"),
         ProblemCode::GsiBadWord, "2", "110002+00000000000002 8"},
        {gsi, "110001+00000001 81..10+1000 ", ProblemCode::GsiBadWord, "1", "81..10+1000 "},
        {gsi, "*110001*0000000000000001 ", ProblemCode::GsiBadWord, "1", "110001*0000000000000001"},
        {gsi, "*110001+0000000000000001 81..10+00000000000010A0 ", ProblemCode::GsiBadWord, "1",
         "81..10+00000000000010A0"},
        {gsi, QByteArray::fromStdString(good + "\n110001+00000001 81..11+00001000 "),
         ProblemCode::GsiFeet, "3", "81..11+00001000"},
        {gsi, "*110001+0000000000000001 82..17+0000000000001000 ", ProblemCode::GsiFeet, "1",
         "82..17+0000000000001000"},
        {gsi, "*110001+0000000000000001 83..12+0000000000001000 ", ProblemCode::GsiBadUnit, "1",
         "83..12+0000000000001000"},
    };
    for (const auto& c : cases) {
        const MeasuredPoints read = decodeMeasuredPoints(c.bytes, c.format, {});
        EXPECT_EQ(read.problem.code, c.code) << c.bytes.toStdString();
        EXPECT_EQ(read.problem.subject + "|" + read.problem.reason,
                  std::string(c.subject) + "|" + c.reason)
            << c.bytes.toStdString();
        EXPECT_TRUE(read.points.pegs.empty() && read.linesPassedOver == 0 &&
                    read.points.repeats == 0);
        const MeasuredShots shots = decodeMeasuredShots(c.bytes, c.format, {});
        EXPECT_EQ(shots.problem.code, c.code) << c.bytes.toStdString();
        EXPECT_TRUE(shots.shots.empty() && shots.linesPassedOver == 0);
    }
}

// Reading by file ending, and what only a file can get wrong.
TEST(MeasuredPoints, Files) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString native = QDir::toNativeSeparators(dir.path());
    ASSERT_TRUE(test::put(dir.filePath("a.Csv"), "P1,1,2\n"));
    ASSERT_TRUE(test::put(dir.filePath("b.TXT"), "P1 2 1\n"));
    ASSERT_TRUE(test::put(dir.filePath("c.xml"), "P1,1,2\n"));
    ASSERT_TRUE(test::put(dir.filePath("d.dat"), "no points\n"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("e.gsi"));
    {
        QFile sparse(dir.filePath("f.gsi"));  // a hole, no bytes written
        ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.resize(kMaxMeasuredFileBytes + 1));
    }
    EXPECT_EQ(readMeasuredFile(dir.filePath("a.Csv"), CoordinateOrder::NorthEast).points.pegs,
              (std::vector<FieldPoint>{{"P1", "1", "2", ""}}));
    EXPECT_EQ(readMeasuredFile(dir.filePath("b.TXT"), CoordinateOrder::EastNorth).points.pegs,
              (std::vector<FieldPoint>{{"P1", "1", "2", ""}}));
    const std::pair<const char*, ProblemCode> refusals[] = {
        {"c.xml", ProblemCode::UnknownMeasuredEnding}, {"d.dat", ProblemCode::MeasuredNoPoints},
        {"e.gsi", ProblemCode::NotRegularFile},        {"f.gsi", ProblemCode::MeasuredTooLarge},
        {"missing.gsi", ProblemCode::CannotRead},
    };
    for (const auto& [name, code] : refusals) {
        const MeasuredPoints read = readMeasuredFile(dir.filePath(name), {});
        EXPECT_EQ(read.problem.code, code) << name;
        EXPECT_EQ(read.problem.file, (native + QDir::separator() + name).toStdString());
        const MeasuredShots shots = readMeasuredShots(dir.filePath(name), {});
        EXPECT_EQ(shots.problem.code, code) << name;
        EXPECT_EQ(shots.problem.file, read.problem.file);
        EXPECT_TRUE(shots.shots.empty() && shots.linesPassedOver == 0);
    }
    EXPECT_FALSE(measuredFileTooLarge(kMaxMeasuredFileBytes));
    EXPECT_TRUE(measuredFileTooLarge(kMaxMeasuredFileBytes + 1));
    EXPECT_FALSE(measuredFormatOf("g.gsi.bak"));
    EXPECT_FALSE(measuredFormatOf("gsi"));
}

// Every measurement of each kind of file in the order of the file, a name met again a point
// again, with the lines passed over; the pegs of the check by name are the same measurements
// one to a name, the last one counting.
TEST(MeasuredShots, EveryMeasurementInFileOrder) {
    const auto NE = CoordinateOrder::NorthEast, EN = CoordinateOrder::EastNorth;
    const struct {
        const char* file;
        CoordinateOrder order;
        QByteArray bytes;
        std::vector<SlopeShot> shots;
        int passedOver;
        std::vector<FieldPoint> pegs;
    } cases[] = {
        // clang-format off
        {"shots.csv", NE,
         "点号,X,Y,H\r\nP1,5000.000,3000.000,12.5\r\n\r\nP2,5001.25,-3000.5\r\n"
         "P1,5000.004,2999.998,12.48\r\n",
         {{"P1", "5000.000", "3000.000", "12.5"}, {"P2", "5001.25", "-3000.5", ""},
          {"P1", "5000.004", "2999.998", "12.48"}}, 2,
         {{"P1", "5000.004", "2999.998", "12.48"}, {"P2", "5001.25", "-3000.5", ""}}},
        {"shots.txt", EN, "P1 3000.000 5000.000\nnote\n007 -1 +2\n7 -1.5 2.5",
         {{"P1", "5000.000", "3000.000", ""}, {"007", "2", "-1", ""}, {"7", "2.5", "-1.5", ""}}, 1,
         {{"P1", "5000.000", "3000.000", ""}, {"007", "2.5", "-1.5", ""}}},
        {"shots.dat", EN, "P1,,3000.000,5000.000,12.5\r\nP1,STAKE,3000.010,5000.020\r\n点名,编码,Y,X,H\r\n",
         {{"P1", "5000.000", "3000.000", "12.5"}, {"P1", "5000.020", "3000.010", ""}}, 1,
         {{"P1", "5000.020", "3000.010", ""}}},
        {"shots16.gsi", NE,
         "*110001+0000000000000007 81..10+0000000005008352 82..10-0000000003003069 \r\n"
         "*410002+000000000000CODE \r\n"
         "*110003+0000000000000007 81..10+0000000005008360 82..10-0000000003003061 "
         "83..10+0000000000152340 \r\n",
         {{"7", "-3003.069", "5008.352", ""}, {"7", "-3003.061", "5008.360", "152.340"}}, 1,
         {{"7", "-3003.061", "5008.360", "152.340"}}},
        {"shots8.gsi", EN,
         "110001+000000P1 81..06+50083520 82..06+30030690 \n"
         "110002+000000P1 81..06+50083524 82..06+30030694 \n\n",
         {{"P1", "3003.0690", "5008.3520", ""}, {"P1", "3003.0694", "5008.3524", ""}}, 1,
         {{"P1", "3003.0694", "5008.3524", ""}}},
        // clang-format on
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const QString path = dir.filePath(QString::fromUtf8(c.file));
        ASSERT_TRUE(test::put(path, c.bytes));
        const MeasuredShots read = readMeasuredShots(path, c.order);
        EXPECT_FALSE(read.problem) << problemText(read.problem);
        EXPECT_EQ(read.shots, c.shots);
        EXPECT_EQ(read.linesPassedOver, c.passedOver);
        const MeasuredShots decoded =
            decodeMeasuredShots(c.bytes, *measuredFormatOf(path), c.order);
        EXPECT_EQ(decoded.shots, c.shots);
        EXPECT_EQ(decoded.linesPassedOver, c.passedOver);
        const MeasuredPoints pegs = readMeasuredFile(path, c.order);
        EXPECT_EQ(pegs.points.pegs, c.pegs);
        EXPECT_EQ(pegs.points.repeats, static_cast<int>(c.shots.size() - c.pegs.size()));
        EXPECT_EQ(pegs.linesPassedOver, c.passedOver);
    }
}

}  // namespace
}  // namespace korvel
