// korvel-calc run as a surveyor's script runs it: the rows of the worked examples, the files
// it writes compared with the window's own encoders or read back by outside readers, and
// each exit status with its message. Every case starts the built program.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "core/messages.h"
#include "core/run.h"
#include "files/results_text.h"
#include "readers.h"

namespace korvel {
namespace {

// What one run of the program gave.
struct Outcome {
    int status = -1;  // -1 when it crashed or hung
    QByteArray out;
    QByteArray err;
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
const QStringList kStep = {"12.5", "6", "60.3", "3000", "5000", "45.153", "2.5", "4.25"};
const QStringList kAngle = {"10", "6", "60", "1000", "500", "0", "15", "4"};
// X and Y of the seven points of the step example in 位置2, as checked by hand.
const char* const kStepRows[7][2] = {{"3003.069", "5008.352"}, {"3002.305", "5010.672"},
                                     {"3001.359", "5012.808"}, {"3000.188", "5014.718"},
                                     {"2998.664", "5016.271"}, {"2995.451", "5016.120"},
                                     {"2995.451", "5016.120"}};
const QString kLiti = QStringLiteral(KORVEL_LITI_DIR "/");

// The lines the window's list shows for the same texts, mode and position.
std::vector<std::string> windowLines(const QStringList& texts, bool step, int position) {
    std::array<std::string, 8> t;
    for (std::size_t i = 0; i < t.size(); ++i) {
        t[i] = texts.value(static_cast<qsizetype>(i)).toStdString();
    }
    Selection selection;
    selection.option5 = step;
    selection.position[static_cast<std::size_t>(position - 1)] = true;
    return runCalculation(t, selection).lines;
}

// Each line followed by `end`.
QByteArray joined(const std::vector<std::string>& lines, const char* end) {
    QByteArray bytes;
    for (const std::string& line : lines) {
        bytes += QByteArray::fromStdString(line) + end;
    }
    return bytes;
}

// The whole file, or a marker when it cannot be read.
QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// Creates `path` holding `bytes`.
void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(CalcRows, StandardOutputHoldsTheWindowsLines) {
    QTemporaryDir dir;
    const QString bom = dir.filePath(QStringLiteral("带标记.zdy"));  // "UTF-8 with BOM"
    writeFile(bom, "\xEF\xBB\xBF" + kAngle.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
    const QStringList negativeY = {"10", "6", "60", "1000", "-500", "0", "15", "4"};
    const struct {
        const char* name;
        QStringList args;
        QStringList texts;
        bool step;
        int position;
    } cases[] = {
        {"step example", QStringList{"--step", "--position", "2"} + kStep, kStep, true, 2},
        {"angle example as at start", kAngle, kAngle, false, 1},
        {"D left out", kStep.mid(0, 7) + QStringList{"--step"}, kStep.mid(0, 7), true, 1},
        {"negative Y, options last", negativeY + QStringList{"--position", "3"}, negativeY, false,
         3},
        {"step sample",
         {"--params", kLiti + "例1_按步长.zdy", "--step", "--position", "2"},
         kStep,
         true,
         2},
        {"angle sample", {"--angle", "--params", kLiti + "例2_按角值.zdy"}, kAngle, false, 1},
        {"UTF-8 with BOM", {"--params", bom, "--position", "2"}, kAngle, false, 2},
        {"-- ends the options", QStringList{"--step", "--"} + kStep, kStep, true, 1},
    };
    for (const auto& c : cases) {
        const Outcome o = calc(c.args);
        EXPECT_EQ(o.status, 0) << c.name;
        EXPECT_EQ(o.err, "") << c.name;
        EXPECT_EQ(o.out, joined(windowLines(c.texts, c.step, c.position), "\n")) << c.name;
    }
}

TEST(CalcExit, EachStatusWithItsMessage) {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("无此文件.zdy"));
    const QString noFolder = dir.filePath(QStringLiteral("no/such/成果.txt"));
    const QStringList emptyA = QStringList{""} + kStep.mid(1);
    const QStringList zeroStep = kStep.mid(0, 6) + QStringList{"0", "4.25"};
    const QStringList tooMany = QStringList{"32766"} + kStep.mid(1, 5) + QStringList{"1"};
    const QStringList flat = QStringList{"0"} + kStep.mid(1);
    const QByteArray help = "(korvel-calc --help)\n";
    const struct {
        QStringList args;
        int status;
        QByteArray err;  // the whole of standard error, or its start when `prefix`
        bool prefix = false;
    } cases[] = {
        {QStringList{"--step", "--position", "2"} + flat, 0, "有1个点无法计算，已略去\n"},
        {emptyA, 1, "输入的数据有空值，不能进行计算!\n"},
        {zeroStep, 1, "间隔数应大于0\n"},
        {QStringList{"--step"} + tooMany, 1, "计算点数超过32767，请增大间隔\n"},
        {kStep + QStringList{"--bogus"}, 2,
         "korvel-calc: 未知选项 unknown option: --bogus\n" + help},
        {kStep.mid(0, 6), 2, "korvel-calc: 应有7或8个数据 expected 7 or 8 texts, got 6\n" + help},
        {kStep + QStringList{"--position", "5"}, 2,
         "korvel-calc: 位置应为1到4 position must be 1 to 4: 5\n" + help},
        {kStep + QStringList{"--position"}, 2,
         "korvel-calc: 选项缺少值 missing value for option: --position\n" + help},
        {kStep + QStringList{"--elevation", "12,5"}, 2,
         "korvel-calc: 高程不是数 elevation is not a number: 12,5\n" + help},
        {kStep + QStringList{"--params", kLiti + "例1_按步长.zdy"}, 2,
         "korvel-calc: --params 与数据不能同时给出 --params and texts given together\n" + help},
        {{"--params", missing}, 2, "文件路径错误\n" + missing.toUtf8() + ": ", true},
        {{"--params", dir.path()}, 2, "文件路径错误\n" + dir.path().toUtf8() + ": ", true},
        {kStep + QStringList{"-o", noFolder}, 2, "文件保存失败\n" + noFolder.toUtf8() + ": ", true},
    };
    for (const auto& c : cases) {
        const Outcome o = calc(c.args);
        const std::string name = c.args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(o.status, c.status) << name;
        if (c.prefix) {
            EXPECT_TRUE(o.err.startsWith(c.err) && o.err.size() > c.err.size() + 1) << o.err.data();
        } else {
            EXPECT_EQ(o.err, c.err) << name;
        }
        EXPECT_EQ(o.out.isEmpty(), c.status != 0) << name;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    EXPECT_EQ(calc({"--version"}).out, "korvel-calc " KORVEL_VERSION "\n");
    EXPECT_TRUE(calc(kStep + QStringList{"--help"}).out.contains("用法 Usage:"));
}

TEST(CalcFiles, TextAndWorkbookAsTheWindowSavesThem) {
    QTemporaryDir dir;
    const QStringList run = QStringList{"--step", "--position", "2"} + kStep;
    const QString txt = dir.filePath(QStringLiteral("成果.txt"));
    EXPECT_EQ(calc(run + QStringList{"-o", txt}).status, 0);
    QStringList lines;
    for (const std::string& line : windowLines(kStep, true, 2)) {
        lines << QString::fromStdString(line);
    }
    EXPECT_EQ(readAll(txt), encodeResultsText(lines));

    // Points 1 to 9 put number, X and Y in columns C, H and M.
    test::Cells expected;
    for (int n = 0; n < 7; ++n) {
        expected.insert(test::number(n, 2, n + 1));
        expected.insert(test::number(n, 7, QString::fromLatin1(kStepRows[n][0]).toDouble()));
        expected.insert(test::number(n, 12, QString::fromLatin1(kStepRows[n][1]).toDouble()));
    }
    // xlrd, Spreadsheet::ParseExcel and openpyxl; the ending in any letter case.
    const std::pair<const char*, bool> books[] = {
        {"成果.XLS", false}, {"成果.xls", true}, {"成果.Xlsx", false}};
    for (const auto& [name, perl] : books) {
        const QString path = dir.filePath(QString::fromUtf8(name));
        const Outcome o = calc(run + QStringList{"-o", path});
        EXPECT_EQ(o.status, 0) << o.err.data();
        const test::WorkbookContents read = test::readWorkbook(path, perl);
        EXPECT_EQ(read.failure, QString()) << read.failure.toStdString();
        EXPECT_EQ(test::difference(expected, read.cells), "") << name;
    }
}

TEST(CalcFiles, PointFileForTheInstrument) {
    QTemporaryDir dir;
    const QString dat = dir.filePath(QStringLiteral("放样.dat"));
    // "N,,Y,X,H": easting before northing, CR LF, the elevation with three decimals.
    auto points = [](const char* h) {
        QByteArray bytes;
        for (int n = 0; n < 7; ++n) {
            bytes += QByteArray::number(n + 1) + ",," + kStepRows[n][1] + "," + kStepRows[n][0] +
                     "," + h + "\r\n";
        }
        return bytes;
    };
    const QStringList negativeX = {"10", "6", "60", "-1000", "500", "0", "15", "4"};
    const struct {
        const char* name;
        QStringList args;
        QByteArray bytes;
    } cases[] = {
        {"no elevation", QStringList{"--step", "--position", "2"} + kStep, points("0.000")},
        {"elevation", QStringList{"--step", "--position", "2", "--elevation", "-3.5"} + kStep,
         points("-3.500")},
        {"negative X", QStringList{"--position", "2"} + negativeX,
         "1,,512.124,-993.000,0.000\r\n2,,510.857,-990.607,0.000\r\n"
         "3,,507.920,-990.283,0.000\r\n4,,505.322,-991.067,0.000\r\n"
         "5,,503.464,-992.000,0.000\r\n6,,503.464,-992.000,0.000\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(calc(c.args + QStringList{"-o", dat}).status, 0) << c.name;
        EXPECT_EQ(readAll(dat), c.bytes) << c.name;
    }
    // 102 points (a = 10.1 by 0.1): from 100 on the number has no blanks to lose.
    const QStringList many = QStringList{"10.1"} + kStep.mid(1, 5) + QStringList{"0.1", "4.25"};
    ASSERT_EQ(calc(QStringList{"--step", "--position", "2", "-o", dat} + many).status, 0);
    const QList<QByteArray> rows = readAll(dat).split('\n');
    const std::vector<std::string> window = windowLines(many, true, 2);
    ASSERT_EQ(rows.size(), 103);  // 102 lines and the empty rest after the last LF
    for (const int n : {9, 10, 100, 102}) {
        const QList<QByteArray> f =
            QByteArray::fromStdString(window[n - 1]).simplified().split(' ');
        EXPECT_EQ(rows[n - 1], f[0] + ",," + f[2] + "," + f[1] + ",0.000\r") << n;
    }
}

TEST(CalcFiles, RefusedOrFailedRunLeavesTheOldFile) {
    QTemporaryDir dir;
    const QStringList emptyA = QStringList{""} + kStep.mid(1);
    const QStringList tooMany = QStringList{"--step", "32766"} + kStep.mid(1, 5) + QStringList{"1"};
    for (const char* name : {"成果.txt", "成果.xls", "成果.xlsx", "放样.dat"}) {
        const QString path = dir.filePath(QString::fromUtf8(name));
        writeFile(path, "earlier rows\r\n");
        for (const QStringList& args : {emptyA, tooMany}) {
            EXPECT_EQ(calc(args + QStringList{"-o", path}).status, 1) << name;
            EXPECT_EQ(readAll(path), "earlier rows\r\n") << name;
        }
    }
    // A folder where the file should go: the save fails and leaves nothing beside it.
    const QString folder = dir.filePath(QStringLiteral("成果2.txt"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const Outcome o = calc(kStep + QStringList{"-o", folder});
    EXPECT_EQ(o.status, 2);
    EXPECT_TRUE(o.err.startsWith("文件保存失败\n")) << o.err.data();
    QStringList left = QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    left.sort();
    EXPECT_EQ(left, QStringList({"成果.txt", "成果.xls", "成果.xlsx", "成果2.txt", "放样.dat"}));
}

}  // namespace
}  // namespace korvel
