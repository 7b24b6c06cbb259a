// korvel-calc run as a surveyor's script runs it: its arguments, each exit status with its
// message, and -o writing every ending of the table of output formats through the files
// layer's own writers (whose bytes tests/files pins). Every case starts the built program.
#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "core/run.h"
#include "core/slope_quantities.h"
#include "files/output_formats.h"
#include "files/points/slope_heights.h"
#include "files/results_text.h"
#include "files/workbook/workbook.h"
#include "readers.h"
#include "worked_examples.h"

namespace korvel {
namespace {

using test::bytesOf;

struct Outcome {
    int status = -1;  // -1 when it crashed or hung
    QByteArray out, err;
};

// Runs korvel-calc with `args` and waits for it.
Outcome calc(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(KORVEL_CALC), args);
    Outcome o;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit) {
        o.status = process.exitCode();
    }
    o.out = process.readAllStandardOutput();
    o.err = process.readAllStandardError();
    return o;
}

// a, b, β, X, Y, azimuth, step, D of the two worked examples (tests/core/run_test.cpp).
const QStringList kStep = test::textsAsList<QStringList>(test::kStepTexts);
const QStringList kAngle = test::textsAsList<QStringList>(test::kAngleTexts);
const QStringList kStepRun = QStringList{"--step", "--position", "2"} + kStep;
// The lines the window's list shows for the same texts, mode and position.
QStringList windowLines(const QStringList& texts, bool step, int position) {
    std::array<std::string, 8> t;
    for (std::size_t i = 0; i < t.size(); ++i) {
        t[i] = texts.value(static_cast<qsizetype>(i)).toStdString();
    }
    Selection selection;
    selection.option5 = step;
    selection.position[static_cast<std::size_t>(position - 1)] = true;
    QStringList lines;
    for (const StakeRow& row : runCalculation(t, selection).rows) {
        lines << QString::fromStdString(stakeRowLine(row));
    }
    return lines;
}

TEST(CalcRows, StandardOutputHoldsTheWindowsLines) {
    const QStringList negativeY = {"10", "6", "60", "1000", "-500", "0", "15", "4"};
    const struct {
        QStringList args;
        QStringList texts;
        bool step;
        int position;
    } cases[] = {
        {kStepRun, kStep, true, 2},
        {kAngle, kAngle, false, 1},  // the window's start-up mode and position
        {kStep.mid(0, 7) + QStringList{"--step"}, kStep.mid(0, 7), true, 1},  // D left out
        {negativeY + QStringList{"--position", "4", "--step", "--angle"}, negativeY, false, 4},
        {{"--params", KORVEL_LITI_DIR "/例1_按步长.zdy", "--step", "--position", "3"},
         kStep,
         true,
         3},
        {QStringList{"--step", "--"} + kStep, kStep, true, 1},
    };
    for (const auto& c : cases) {
        const Outcome o = calc(c.args);
        const std::string name = c.args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(o.status, 0) << name;
        EXPECT_EQ(o.err, "") << name;
        EXPECT_EQ(o.out, windowLines(c.texts, c.step, c.position).join('\n').toUtf8() + '\n')
            << name;
    }
}

TEST(CalcExit, EachStatusWithItsMessage) {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("无此文件.zdy"));
    const QString noFolder = dir.filePath(QStringLiteral("no/such/成果.txt"));
    const QStringList tooMany = QStringList{"32766"} + kStep.mid(1, 5) + QStringList{"1"};
    // A problem's sentence, without the brackets of the system's reason that follow it.
    const auto text = [](const Problem& p) { return QByteArray::fromStdString(problemText(p)); };
    const struct {
        QStringList args;
        int status;
        QByteArray err;  // the whole of standard error, or its start when `prefix`
        bool prefix = false;
    } cases[] = {
        {QStringList{"--step", "--position", "2", "0"} + kStep.mid(1), 0,
         "有1个点无法计算，已略去\n"},
        {QStringList{""} + kStep.mid(1), 1, "输入的数据有空值，不能进行计算!\n"},
        {kStep.mid(0, 6) + QStringList{"0", "4.25"}, 1, "间隔数应大于0\n"},
        {QStringList{"--step"} + tooMany, 1, "计算点数超过32767，请增大间隔\n"},
        {QStringList{"--params", missing}, 2,
         "文件路径错误\n" + text(fileProblem(ProblemCode::CannotRead, missing.toStdString())),
         true},
        {kStep + QStringList{"-o", noFolder}, 2,
         "文件保存失败\n" + text(fileProblem(ProblemCode::CannotOpen, noFolder.toStdString())),
         true},
        {kStep + QStringList{"-o", dir.path()}, 2,
         "文件保存失败\n" +
             text(fileProblem(ProblemCode::NotRegularFile, dir.path().toStdString())) + "\n"},
    };
    for (const auto& c : cases) {
        const Outcome o = calc(c.args);
        const std::string name = c.args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(o.status, c.status) << name;
        EXPECT_EQ(c.prefix ? o.err.left(c.err.size()) : o.err, c.err) << name;
        EXPECT_GT(o.err.size(), c.err.size() + (c.prefix ? 1 : -1)) << name;
        EXPECT_EQ(o.out.isEmpty(), c.status != 0) << name;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());

    // Usage errors: the problem's sentence and the hint, exit 2, nothing written.
    using P = ProblemCode;
    const std::tuple<QStringList, P, std::string> usage[] = {
        {kStep + QStringList{"--bogus"}, P::UnknownOption, "--bogus"},
        {kStep.mid(0, 6), P::WrongTextCount, "6"},
        {kStep + QStringList{"--position", "5"}, P::BadPosition, "5"},
        {kStep + QStringList{"--position", "0"}, P::BadPosition, "0"},
        {kStep + QStringList{"--position"}, P::MissingValue, "--position"},
        {kStep + QStringList{"-o", ""}, P::MissingValue, "-o"},
        {kStep + QStringList{"--elevation", "12,5"}, P::ElevationNotNumber, "12,5"},
        {kStep + QStringList{"--params", missing}, P::ParamsWithTexts, ""},
        {kStep + QStringList{"-o", "成果.ods"}, P::UnknownEnding, "成果.ods"},
        {kStep + QStringList{"--prefix", "桥台"}, P::IllegalPrefix, "桥台"},
        {kStep + QStringList{"--prefix", "A B"}, P::IllegalPrefix, "A B"},
        {QStringList{"--step", "--prefix", "ABUTMENT-NORTH-", "-o", dir.filePath("a.gsi"), "10.1"} +
             kStep.mid(1, 5) + QStringList{"1"},
         P::NameTooLong, "ABUTMENT-NORTH-12"},
    };
    for (const auto& [args, code, subject] : usage) {
        const Outcome o = calc(args);
        const std::string name = args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(o.status, 2) << name;
        EXPECT_EQ(o.err,
                  "korvel-calc: " + text(problemAbout(code, subject)) + "\n(korvel-calc --help)\n")
            << name;
        EXPECT_TRUE(o.out.isEmpty()) << name;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    EXPECT_EQ(calc({"--version"}).out, "korvel-calc " KORVEL_VERSION "\n");
    EXPECT_TRUE(calc(kStep + QStringList{"--help"}).out.startsWith("Usage: korvel-calc"));
}

// -o picks the writer by the name's ending in any letter case, with the elevation and
// prefix given; a refused run leaves an existing file as it was.
TEST(CalcFiles, EveryEndingThroughTheTable) {
    QTemporaryDir dir;
    const RunResult run = runCalculation(test::textsAs<std::string>(test::kStepTexts),
                                         Selection{true, {false, true, false, false}});
    OutputRequest request{run.rows, {"-3.500", "L2-"}, run.outline, {}, {}};
    const QStringList lines = windowLines(kStep, true, 2);
    const QString xls = dir.filePath(QStringLiteral("window.xls"));
    ASSERT_FALSE(saveWorkbook(xls, lines));
    const auto points = [&](OutputFormat format) {
        return QByteArray::fromStdString(encodePointFile(format, request).bytes);
    };
    const std::pair<const char*, QByteArray> cases[] = {
        {"成果.TXT", encodeResultsText(lines)},
        {"成果", encodeResultsText(lines)},
        {"成果.Xls", bytesOf(xls)},
        {"成果.xLSX", "PK\x03\x04"},
        {"放样.dAT", points(OutputFormat::CassDat)},
        {"放样.Gsi", points(OutputFormat::LeicaGsi)},
        {"放样.CSV", points(OutputFormat::PointCsv)},
        {"放样.xml", points(OutputFormat::LandXml)},
        {"放样.dxf", points(OutputFormat::Dxf)},
    };
    // LandXML states when it was written.
    const QRegularExpression stamp(QStringLiteral("date=\"[^\"]*\" time=\"[^\"]*\""));
    for (const auto& [name, bytes] : cases) {
        const QString path = dir.filePath(QString::fromUtf8(name));
        // Blanks around the elevation count for nothing, as in the window.
        const QStringList options = {"--elevation", " -3.5\t", "--prefix", "L2-", "-o", path};
        EXPECT_EQ(calc(kStepRun + options).status, 0) << name;
        const QString want = QString::fromLatin1(bytes).replace(stamp, "stamp");
        const QString got = QString::fromLatin1(bytesOf(path)).replace(stamp, "stamp");
        EXPECT_EQ(got.left(want.size()).toStdString(), want.toStdString()) << name;
        ASSERT_TRUE(test::put(path, "earlier rows\r\n"));
        EXPECT_EQ(calc(QStringList{"-o", path, ""} + kStep.mid(1)).status, 1) << name;
        EXPECT_EQ(bytesOf(path), "earlier rows\r\n") << name;
    }
}

// The text of a PDF as poppler's pdftotext lays it out.
QString pdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {"-layout", path, "-"});
    pdftotext.waitForFinished(60000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// -o NAME.pdf writes the stake-out sheet with the header and station given; what the sheet
// cannot print is a usage error that writes nothing.
TEST(CalcSheet, HeaderStationAndRefusals) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("放样.pdf"));
    const QStringList sheet = {
        "--elevation",  " 152.34",       "--prefix",   "L2-",       "--part",
        "K12+345 左幅", "--date",        "2026-12-07", "--station", "S1,3010,5000",
        "--backsight",  "B,1,3100,5100", "-o",         pdf};
    ASSERT_EQ(calc(kStepRun + sheet).status, 0);
    const QString text = pdfText(pdf);
    for (const char* expected : {"K12+345 左幅", "2026-12-07", "B,1", "第 1 页 共 1 页"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }
    // The last row with H, the azimuth, the angle from the backsight and the distance.
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral(
        "L2-7 +2995\\.451 +5016\\.120 +152\\.340 +132°04′03″ +84°03′17″ +21\\.715"))))
        << text.toStdString();
    // Without --date the sheet is dated today.
    ASSERT_EQ(calc(kStepRun + QStringList{"-o", pdf}).status, 0);
    EXPECT_TRUE(pdfText(pdf).contains(QDate::currentDate().toString(Qt::ISODate)));

    using P = ProblemCode;
    const QString sixtyOne(61, QLatin1Char('x'));
    const std::tuple<QStringList, P, std::string> refused[] = {
        {{"--date", "2026-13-01"}, P::BadDate, "2026-13-01"},
        {{"--date", "2026-1-1"}, P::BadDate, "2026-1-1"},
        {{"--station", "S1,3000"}, P::BadPlace, "S1,3000"},
        {{"--project", sixtyOne}, P::HeaderTextTooLong, "工程名称"},
        {{"--station", "S1,3000,5000"}, P::StationWithoutBacksight, ""},
        {{"--backsight", "B,3000,5000"}, P::BacksightWithoutStation, ""},
        {{"--station", "S,3000,5000", "--backsight", "B,3000.000,5000"},
         P::StationSameAsBacksight,
         ""},
        {{"--prefix", "A B"}, P::IllegalPrefix, "A B"},
    };
    for (const auto& [options, code, subject] : refused) {
        const QString name = dir.filePath(QStringLiteral("refused.pdf"));
        const Outcome o = calc(kStepRun + options + QStringList{"-o", name});
        EXPECT_EQ(o.status, 2) << options.join(' ').toStdString();
        EXPECT_TRUE(o.err.startsWith(
            "korvel-calc: " + QByteArray::fromStdString(problemText(problemAbout(code, subject)))))
            << o.err.toStdString();
        EXPECT_FALSE(QFile::exists(name)) << options.join(' ').toStdString();
    }
}

// The check of staked points against the run: the pegs as korvel-calc's own .csv writes
// them, one moved by 60 mm, one left out, one extra; every exit status and output.
TEST(CalcCheck, VerdictsExitStatusesAndOutputs) {
    QTemporaryDir dir;
    const QString pegs = dir.filePath(QStringLiteral("实测.csv"));
    ASSERT_EQ(calc(kStepRun + QStringList{"--prefix", "L2-", "-o", pegs}).status, 0);
    const QStringList check = kStepRun + QStringList{"--prefix", "L2-", "--measured", pegs};
    const Outcome all = calc(check);
    EXPECT_EQ(all.status, 0) << all.err.toStdString();
    EXPECT_TRUE(all.out.endsWith("共7点：合格7点，超限0点，未测0点；合格率100.0%\n"))
        << all.out.toStdString();

    // L2-3 moved 60 mm north, L2-5 not measured, a peg of no design point, in EN order.
    QByteArray moved = bytesOf(pegs)
                           .replace("L2-3,3001.359", "L2-3,3001.419")
                           .replace("L2-5,2998.664,5016.271,0.000,\r\n", "")
                           .append("X9,1.000,2.000,0.000,\r\n");
    QByteArray swapped;
    for (const QByteArray& line : moved.split('\n')) {
        const QList<QByteArray> f = line.split(',');
        if (f.size() > 3) {
            swapped += f[0] + ',' + f[2] + ',' + f[1] + ',' + f[3] + ",\r\n";
        }
    }
    ASSERT_TRUE(test::put(pegs, swapped));
    const Outcome some = calc(check + QStringList{"--order", "EN"});
    EXPECT_EQ(some.status, 3);
    EXPECT_TRUE(some.out.contains("L2-3")) << some.out.toStdString();
    EXPECT_TRUE(some.out.contains("60.0")) << some.out.toStdString();
    EXPECT_TRUE(some.out.endsWith("共7点：合格5点，超限1点，未测1点；合格率83.3%；无设计点1个\n"))
        << some.out.toStdString();
    // Within a 60 mm tolerance only the missing point keeps it from passing.
    EXPECT_EQ(calc(check + QStringList{"--order", "EN", "--tolerance", "60"}).status, 3);
    // Read as N,E the swapped file matches nothing within 50 mm.
    EXPECT_EQ(calc(check).status, 3);

    // Each ending the check writes, and the endings it does not.
    const std::pair<const char*, QByteArray> outputs[] = {
        {"复核.csv", "\xEF\xBB\xBF点名,设计X"},
        {"复核.txt", "\xEF\xBB\xBF"},
        {"复核.xlsx", "PK\x03\x04"},
        {"复核.xls", "\xD0\xCF\x11\xE0"},
        {"复核.pdf", "%PDF-"},
    };
    for (const auto& [name, start] : outputs) {
        const QString path = dir.filePath(QString::fromUtf8(name));
        const Outcome o = calc(check + QStringList{"--order", "EN", "-o", path});
        EXPECT_EQ(o.status, 3) << name << o.err.toStdString();
        EXPECT_TRUE(bytesOf(path).startsWith(start)) << name;
    }
    EXPECT_TRUE(pdfText(dir.filePath("复核.pdf")).contains(QStringLiteral("锥坡放样复核记录表")));

    using P = ProblemCode;
    const std::tuple<QStringList, P, std::string> usage[] = {
        {{"--tolerance", "0"}, P::BadTolerance, "0"},
        {{"--tolerance", "10000.5"}, P::BadTolerance, "10000.5"},
        {{"--order", "XY"}, P::BadOrder, "XY"},
        {{"-o", "复核.dxf"}, P::UnknownEnding, "复核.dxf"},
    };
    for (const auto& [options, code, subject] : usage) {
        const Outcome o = calc(check + options);
        EXPECT_EQ(o.status, 2) << options.join(' ').toStdString();
        EXPECT_TRUE(o.err.startsWith(
            "korvel-calc: " + QByteArray::fromStdString(problemText(problemAbout(code, subject)))))
            << o.err.toStdString();
    }
    // An unreadable measured file is 2; a refused run is 1 before any file is read.
    EXPECT_EQ(calc(kStepRun + QStringList{"--measured", dir.filePath("无.gsi")}).status, 2);
    EXPECT_EQ(calc(QStringList{"--measured", pegs, ""} + kStep.mid(1)).status, 1);
}

// The slope in height: --quantities against the core's own lines, every point file with its
// layers as the window's export makes them, the sheet with its heights, and every refusal
// exit 2 with its reason and nothing written.
TEST(CalcHeights, QuantitiesFilesAndRefusals) {
    QTemporaryDir dir;
    const QStringList heights = {"--elevation", "100",     "--prefix", "L2-",      "--top",
                                 "104",         "--slope", "2,1",      "--layers", "1.5"};
    ListedRun run;
    run.texts = test::textsAs<std::string>(test::kStepTexts);
    run.selection = Selection{true, {false, true, false, false}};
    run.rows = runCalculation(run.texts, run.selection).rows;
    run.outline = runCalculation(run.texts, run.selection).outline;
    const TypedHeights typed{"104", "2", "1", "1.5"};
    const HeightRequest raised = makeHeights(typed, {"100.000", "L2-"}, run, false);
    ASSERT_TRUE(raised.heights);
    const QByteArray quantities =
        QByteArray::fromStdString(quantityLines(raised.heights->quantities, "\n"));

    // Without -o the quantities stand in place of the rows; with -o they follow the file.
    const QStringList noLayers = kStepRun + heights.mid(0, 8) + QStringList{"--quantities"};
    const Outcome printed = calc(noLayers);
    EXPECT_EQ(printed.status, 0) << printed.err.toStdString();
    EXPECT_EQ(printed.out, quantities);
    EXPECT_TRUE(printed.out.startsWith("锥坡填方  100.258 m³\n坡面面积   57.444 m²\n"));
    const QRegularExpression stamp(QStringLiteral("date=\"[^\"]*\" time=\"[^\"]*\""));
    for (const char* name : {"放样.dat", "放样.gsi", "放样.csv", "放样.xml", "放样.dxf"}) {
        const QString path = dir.filePath(QString::fromUtf8(name));
        const Outcome o = calc(kStepRun + heights + QStringList{"-o", path, "--quantities"});
        EXPECT_EQ(o.status, 0) << name << o.err.toStdString();
        EXPECT_EQ(o.out, quantities) << name;
        const OutputFormat format = *outputFormatFor(path);
        const ExportRequest same = makeExportRequest(format, {"100", "L2-"}, typed, run);
        ASSERT_FALSE(same.problem);
        const QString want = QString::fromUtf8(encodePointFile(format, same.request).bytes);
        EXPECT_EQ(QString::fromUtf8(bytesOf(path)).replace(stamp, "stamp").toStdString(),
                  QString(want).replace(stamp, "stamp").toStdString())
            << name;
    }
    // The sheet: its heights block, its quantities and the lines' points under the toe's.
    const QString pdf = dir.filePath(QStringLiteral("放样.pdf"));
    ASSERT_EQ(calc(kStepRun + heights + QStringList{"-o", pdf, "--date", "2026-12-07"}).status, 0);
    const QString text = pdfText(pdf);
    for (const char* expected : {"锥坡高程", "坡顶高程", "104.000", "1:2.000 / 1:1.000", "工程量",
                                 "100.258 m³", "L2-1-1", "L2-2-4", "L2-3-3"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }

    using P = ProblemCode;
    const QString txt = dir.filePath(QStringLiteral("成果.txt"));
    const std::tuple<QStringList, P, std::string> refused[] = {
        {{"--slope", "2,1"}, P::HeightOptionWithoutTop, "--slope"},
        {{"--layers", "1"}, P::HeightOptionWithoutTop, "--layers"},
        {{"--quantities"}, P::HeightOptionWithoutTop, "--quantities"},
        {{"--top", "104", "--slope", "2"}, P::SlopeNotPositive, "2"},
        {{"--top", "104", "--slope", "2,1,1"}, P::SlopeNotPositive, "2,1,1"},
        {{"--top", " "}, P::TopNotNumber, " "},
        {{"--top", "104", "--layers", "1", "-o", txt}, P::LayersInListRows, txt.toStdString()},
        {{"--top", "104", "--layers", "1"}, P::LayersInListRows, "stdout"},
        {{"--top", "104", "--measured", txt}, P::HeightsWithMeasured, ""},
        {{"--top", "104m", "--quantities"}, P::TopNotNumber, "104m"},
        {{"--elevation", "100", "--top", "99", "-o", dir.filePath("a.xml")},
         P::TopNotAboveToe,
         "99"},
        {{"--top", "4", "--slope", "4,1", "-o", dir.filePath("a.dxf")},
         P::SlopesDoNotFit,
         "长半轴 a−m·H = -3.500"},
        {{"--top", "4", "--layers", "0", "-o", dir.filePath("a.csv")}, P::LayerNotPositive, "0"},
        {{"--top", "4", "--layers", "0.0001", "-o", dir.filePath("a.csv")}, P::TooManyPoints, ""},
        {{"--top", "4", "--layers", "1", "--prefix", "ABUTMENT-NORTH", "-o", dir.filePath("a.gsi")},
         P::NameTooLong,
         "ABUTMENT-NORTH1-5"},
    };
    for (const auto& [options, code, subject] : refused) {
        const Outcome o = calc(kStepRun + options);
        const std::string name = options.join(' ').toStdString();
        EXPECT_EQ(o.status, 2) << name;
        EXPECT_EQ(o.err, "korvel-calc: " +
                             QByteArray::fromStdString(problemText(problemAbout(code, subject))) +
                             "\n(korvel-calc --help)\n")
            << name;
        EXPECT_TRUE(o.out.isEmpty()) << name;
    }
    for (const char* name : {"a.xml", "a.dxf", "a.csv", "a.gsi", "成果.txt"}) {
        EXPECT_FALSE(QFile::exists(dir.filePath(QString::fromUtf8(name)))) << name;
    }
    // Every option in the help, as the manual page is made from it.
    const QByteArray help = calc({"--help"}).out;
    for (const char* option : {"--top H", "--slope M,N", "--layers T", "--quantities"}) {
        EXPECT_TRUE(help.contains(option)) << option;
    }
}

// The face check: the layered slope's own points as the shots, two moved off their design by
// known heights, the file in both orders; every exit status, output and usage error.
TEST(CalcFace, ShotsOnTheSlope) {
    QTemporaryDir dir;
    const QStringList slope = {"--elevation", "100", "--prefix", "L2-",
                               "--top",       "104", "--slope",  "2,1"};
    const QString shots = dir.filePath(QStringLiteral("实测.csv"));
    ASSERT_EQ(calc(kStepRun + slope + QStringList{"--layers", "1", "-o", shots}).status, 0);
    const QStringList face = kStepRun + slope + QStringList{"--face", shots};
    const Outcome all = calc(face);
    EXPECT_EQ(all.status, 0) << all.err.toStdString();
    EXPECT_TRUE(all.out.startsWith("点名"));
    EXPECT_TRUE(
        all.out.endsWith("共16点：合格16点，偏高0点，偏低0点；合格率100.0%；坡脚外3点；"
                         "坡面外6点\n"))
        << all.out.toStdString();

    // L2-2-2 shot 80 mm high, L2-3-3 62.05 mm low: ΔH from the digits, 62.1 by halves away.
    QByteArray moved =
        bytesOf(shots)
            .replace("L2-2-2,3000.858,5009.212,102.000", "L2-2-2,3000.858,5009.212,102.080")
            .replace("L2-3-3,2998.837,5010.264,103.000", "L2-3-3,2998.837,5010.264,102.93795");
    ASSERT_TRUE(test::put(shots, moved));
    const Outcome some = calc(face);
    EXPECT_EQ(some.status, 3);
    EXPECT_TRUE(some.out.contains("101.9999    80.1  偏高")) << some.out.toStdString();
    EXPECT_TRUE(some.out.contains("103.0000   -62.1  偏低")) << some.out.toStdString();
    EXPECT_EQ(calc(face + QStringList{"--tolerance", "80.1"}).status, 0);
    // The same file in E,N order reads the same with --order EN, and not without.
    QByteArray swapped;
    for (const QByteArray& line : moved.split('\n')) {
        const QList<QByteArray> f = line.split(',');
        if (f.size() > 3) {
            swapped += f[0] + ',' + f[2] + ',' + f[1] + ',' + f[3] + "\r\n";
        }
    }
    ASSERT_TRUE(test::put(shots, swapped));
    EXPECT_EQ(calc(face + QStringList{"--order", "EN"}).out, some.out);
    EXPECT_NE(calc(face).out, some.out);

    const std::pair<const char*, QByteArray> outputs[] = {
        {"检测.csv", "\xEF\xBB\xBF点名,X,Y,实测H,设计H,ΔH(mm),结果\r\n"},
        {"检测.txt", "\xEF\xBB\xBF点名"},
        {"检测.xlsx", "PK\x03\x04"},
        {"检测.xls", "\xD0\xCF\x11\xE0"},
        {"检测.pdf", "%PDF-"},
    };
    for (const auto& [name, start] : outputs) {
        const QString path = dir.filePath(QString::fromUtf8(name));
        const Outcome o = calc(face + QStringList{"--order", "EN", "-o", path});
        EXPECT_EQ(o.status, 3) << name << o.err.toStdString();
        EXPECT_TRUE(bytesOf(path).startsWith(start)) << name;
    }
    const QString sheet = pdfText(dir.filePath("检测.pdf"));
    for (const char* expected : {"锥坡坡面高程检测表", "坡顶高程", "▲", "偏高", "▼", "偏低",
                                 "允许偏差：50 mm", "监理意见："}) {
        EXPECT_TRUE(sheet.contains(QString::fromUtf8(expected))) << expected;
    }

    using P = ProblemCode;
    const std::tuple<QStringList, P, std::string> usage[] = {
        {kStepRun + QStringList{"--face", shots}, P::HeightOptionWithoutTop, "--face"},
        {face + QStringList{"--measured", shots}, P::FaceWithMeasured, ""},
        {face + QStringList{"-o", "检测.dxf"}, P::UnknownEnding, "检测.dxf"},
        {face + QStringList{"--tolerance", "0"}, P::BadTolerance, "0"},
        {kStepRun + QStringList{"--top", "99", "--elevation", "100", "--face", shots},
         P::TopNotAboveToe, "99"},
    };
    for (const auto& [args, code, subject] : usage) {
        const Outcome o = calc(args);
        EXPECT_EQ(o.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(o.err.startsWith(
            "korvel-calc: " + QByteArray::fromStdString(problemText(problemAbout(code, subject)))))
            << o.err.toStdString();
    }
    EXPECT_EQ(calc(face + QStringList{"--face", dir.filePath("无.gsi")}).status, 2);
}

}  // namespace
}  // namespace korvel
