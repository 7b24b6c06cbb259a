// The point files for instruments and drawings: the worked example's bytes in every format,
// the refusals that write nothing, the table of endings, and every point read back by
// readers nobody here wrote (Total Open Station, ezdxf, GDAL, Python's csv and xml).
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <map>

#include "core/run.h"
#include "core/stake_row.h"
#include "files/output_formats.h"
#include "readers.h"
#include "worked_examples.h"

namespace korvel {
namespace {

using Texts = std::array<std::string, 8>;

const Texts kStep = test::textsAs<std::string>(test::kStepTexts);

// A run of `texts` in the step or angle mode and `position`, ready to be written.
OutputRequest runOf(const Texts& texts, bool step, int position, const char* prefix,
                    const char* elevation) {
    Selection selection;
    selection.option5 = step;
    selection.position[static_cast<std::size_t>(position - 1)] = true;
    RunResult run = runCalculation(texts, selection);
    OutputRequest request;
    request.rows = std::move(run.rows);
    request.outline = run.outline;
    request.points = {elevation, prefix};
    request.written = QDateTime(QDate(2026, 12, 6), QTime(8, 30));
    return request;
}

// Seven lines of a point format for the worked example in 位置2, from `pattern` with %1 the
// point number, %2 X, %3 Y (or, for GSI-16, the millimetres zero-filled to 16).
QByteArray sevenPoints(const char* pattern, bool gsi = false) {
    const char* const rows[7][2] = {{"3003.069", "5008.352"}, {"3002.305", "5010.672"},
                                    {"3001.359", "5012.808"}, {"3000.188", "5014.718"},
                                    {"2998.664", "5016.271"}, {"2995.451", "5016.120"},
                                    {"2995.451", "5016.120"}};
    QString bytes;
    for (int n = 1; n <= 7; ++n) {
        QString x = QString::fromLatin1(rows[n - 1][0]);
        QString y = QString::fromLatin1(rows[n - 1][1]);
        if (gsi) {
            x = x.remove(QLatin1Char('.')).rightJustified(16, QLatin1Char('0'));
            y = y.remove(QLatin1Char('.')).rightJustified(16, QLatin1Char('0'));
        }
        bytes += QString::fromLatin1(pattern).arg(n).arg(x, y);
    }
    return bytes.toLatin1();
}

// Each format's bytes for the worked example named L2-1 to L2-7 at H = 152.340; LandXML and
// the drawing against the files kept beside this test, read by xml.etree, ezdxf and GDAL below.
TEST(PointFormats, WorkedExampleBytes) {
    const OutputRequest example = runOf(kStep, true, 2, "L2-", "152.340");
    const std::pair<OutputFormat, QByteArray> cases[] = {
        {OutputFormat::CassDat, sevenPoints("L2-%1,,%3,%2,152.340\r\n")},
        {OutputFormat::PointCsv, sevenPoints("L2-%1,%2,%3,152.340,\r\n")},
        {OutputFormat::LeicaGsi, sevenPoints("*11000%1+000000000000L2-%1 81..10+%3 82..10+%2 "
                                             "83..10+0000000000152340 \r\n",
                                             true)},
        {OutputFormat::LandXml,
         test::bytesOf(QStringLiteral(KORVEL_READERS_DIR "/step_example.xml"))
             .replace("@VERSION@", KORVEL_VERSION)},
        {OutputFormat::Dxf, test::bytesOf(QStringLiteral(KORVEL_READERS_DIR "/step_example.dxf"))},
    };
    for (const auto& [format, bytes] : cases) {
        const EncodedFile file = encodePointFile(format, example);
        EXPECT_EQ(file.problem.code, ProblemCode::None) << static_cast<int>(format);
        EXPECT_EQ(file.bytes, bytes.toStdString()) << static_cast<int>(format);
    }
}

// The typed elevation and prefix are checked in one place for the window and korvel-calc:
// blanks around H do not matter, a blank in the prefix would end a GSI word and split the
// name, and the names must fit 16 characters only where there are names.
TEST(PointFormats, ExportRequestFromWhatWasTyped) {
    const std::vector<StakeRow> seven = runOf(kStep, true, 2, "", "0.000").rows;
    std::vector<StakeRow> ten = seven;
    for (int n = 8; n <= 10; ++n) {
        ten.push_back({n, "1.000", "2.000"});
    }
    using F = OutputFormat;
    using P = ProblemCode;
    const struct {
        F format;
        const char* elevation;
        const char* prefix;
        const std::vector<StakeRow>& rows;
        P code;
        const char* subjectOrH;
    } cases[] = {
        {F::LeicaGsi, " 12.5\t", "L2-", seven, P::None, "12.500"},
        {F::Dxf, "+1e2", "", seven, P::None, "100.000"},
        {F::CassDat, "12,5", "", seven, P::ElevationNotNumber, "12,5"},
        {F::CassDat, "", "", seven, P::ElevationNotNumber, ""},
        {F::CassDat, "1.5m", "", seven, P::ElevationNotNumber, "1.5m"},
        {F::PointCsv, "0", "A B", seven, P::IllegalPrefix, "A B"},
        {F::PointCsv, "0", "桥台", seven, P::IllegalPrefix, "桥台"},
        {F::ResultsText, "0", "A B", seven, P::IllegalPrefix, "A B"},
        {F::LandXml, "0", "ABUTMENT-NORTH-", seven, P::None, "0.000"},
        {F::LandXml, "0", "ABUTMENT-NORTH-", ten, P::NameTooLong, "ABUTMENT-NORTH-10"},
        {F::Workbook, "0", "ABUTMENT-NORTH-", ten, P::None, "0.000"},
    };
    for (const auto& c : cases) {
        const ExportRequest r =
            makeExportRequest(c.format, {c.elevation, c.prefix}, {}, {{}, {}, c.rows, {}});
        EXPECT_EQ(r.problem.code, c.code) << c.elevation << "|" << c.prefix;
        EXPECT_EQ(r.problem ? r.problem.subject : r.request.points.elevation, c.subjectOrH)
            << c.elevation << "|" << c.prefix;
    }
}

// What a format cannot hold is refused with the point's name, and an existing file stays as
// it was.
TEST(PointFormats, RefusalsWriteNothing) {
    QTemporaryDir dir;
    OutputRequest gsi = runOf(kStep, true, 2, "K", "0.000");
    gsi.rows[2].x = "12345678901234.567";  // 17 digits: no GSI-16 word
    OutputRequest dxf = gsi;
    dxf.rows[3].y = "2" + std::string(300, '0') + ".000";  // beyond what is drawn
    const std::tuple<const OutputRequest&, OutputFormat, ProblemCode, const char*> cases[] = {
        {gsi, OutputFormat::LeicaGsi, ProblemCode::CoordinateTooLongForGsi, "K3"},
        {dxf, OutputFormat::Dxf, ProblemCode::CoordinateBeyondDrawing, "K4"},
    };
    for (const auto& [request, format, code, name] : cases) {
        const QString path = dir.filePath(QStringLiteral("放样.pts"));
        ASSERT_TRUE(test::put(path, "earlier\r\n"));
        const Problem problem = saveOutput(path, format, request);
        EXPECT_EQ(problem.code, code);
        EXPECT_EQ(problem.subject, name);
        EXPECT_EQ(problem.file, QDir::toNativeSeparators(path).toStdString());
        EXPECT_EQ(test::bytesOf(path), "earlier\r\n") << name;
    }
    EXPECT_FALSE(encodePointFile(OutputFormat::CassDat, gsi).problem);
}

TEST(OutputFormats, EndingsPickTheWriter) {
    using F = OutputFormat;
    const std::pair<const char*, std::optional<F>> cases[] = {
        {"成果.TXT", F::ResultsText}, {"成果", F::ResultsText},      {"a.b/成果", F::ResultsText},
        {".profile", F::ResultsText}, {"成果.Xls", F::Workbook},     {"成果.xlsx", F::Workbook},
        {"放样.dAt", F::CassDat},     {"放样.GSI", F::LeicaGsi},     {"放样.csv", F::PointCsv},
        {"放样.xml", F::LandXml},     {"/tmp/x.y/放样.dxf", F::Dxf}, {"放样.PDF", F::StakeSheet},
        {"成果.", std::nullopt},      {"成果.ods", std::nullopt},    {"成果.txt.bak", std::nullopt},
    };
    for (const auto& [name, format] : cases) {
        EXPECT_EQ(outputFormatFor(QString::fromUtf8(name)), format) << name;
    }
    EXPECT_EQ(knownEndings(), ".txt .xls .xlsx .dat .gsi .csv .xml .dxf .pdf");
}

// Every point of four positions in three places (the worked example, negative coordinates
// with "-0.000", Gauss-Krüger-sized coordinates) as each reader finds it in each format:
// the list's own digits and names, the drawing's points, names, toe line and layers.
TEST(PointFormats, ReadersAgreeWithTheList) {
    QTemporaryDir dir;
    const Texts places[] = {
        kStep,
        {"10", "6", "90", "0", "-500", "0", "15", "0"},
        {"35.5", "21", "75.2012", "4512345.678", "38512345.678", "312.4530", "2.5", "-7.25"}};
    const char* const endings[] = {".gsi", ".dat", ".csv", ".xml", ".dxf"};
    std::map<QString, QStringList> expected;  // per file: reader<TAB>name<TAB>N<TAB>E<TAB>H
    QStringList files;
    for (int place = 0; place < 3; ++place) {
        for (int position = 1; position <= 4; ++position) {
            const std::string prefix = "P" + std::to_string(position) + "-";
            const OutputRequest request =
                runOf(places[place], place != 1, position, prefix.c_str(), "-12.500");
            ASSERT_FALSE(request.rows.empty());
            for (const char* ending : endings) {
                const QString path = dir.filePath(
                    QStringLiteral("%1-%2%3").arg(place).arg(position).arg(QLatin1String(ending)));
                ASSERT_FALSE(saveOutput(path, *outputFormatFor(path), request)) << ending;
                files << path;
                const QString reader = QString::fromLatin1(ending + 1);
                for (const StakeRow& row : request.rows) {
                    const QString name = QString::fromStdString(pointName(prefix, row));
                    const QString at = QString::fromStdString(row.x) + '\t' +
                                       QString::fromStdString(row.y) + "\t-12.500";
                    if (reader == QLatin1String("dxf")) {
                        // ogrinfo prints its points as WKT, where -0 loses its sign.
                        QString unsigned0 = at;
                        unsigned0.replace(QRegularExpression(QStringLiteral("(^|\t)-(0\\.000)")),
                                          QStringLiteral("\\1\\2"));
                        expected[path] << "dxf\t" + name + '\t' + at << "toe\t\t" + at
                                       << "ogr\t\t" + unsigned0;
                    } else {
                        expected[path] << reader + '\t' + name + '\t' + at;
                    }
                }
            }
        }
    }
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 QStringList{QStringLiteral(KORVEL_READERS_DIR "/read_points.py")} + files);
    ASSERT_TRUE(python.waitForFinished(300000));
    const QString output = QString::fromUtf8(python.readAllStandardOutput());
    EXPECT_EQ(python.exitCode(), 0)
        << output.toStdString() << python.readAllStandardError().toStdString();
    std::map<QString, QStringList> read;
    QString file;
    const QString layers =
        "LONG_AXIS,ROAD_CENTRE_LINE,ROAD_CENTRE_POINT,SHORT_AXIS,STAKE_NAME,STAKE_POINT,TOE_LINE";
    for (const QString& line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1String("file\t"))) {
            file = line.mid(5);
        } else if (line.startsWith(QLatin1String("layers\t"))) {
            EXPECT_TRUE(line.endsWith(layers) || line.contains(layers + ",")) << line.toStdString();
        } else {
            read[file] << line;
        }
    }
    for (const QString& path : files) {
        QStringList want = expected[path];
        QStringList got = read[path];
        want.sort();
        got.sort();
        EXPECT_EQ(got.join('\n').toStdString(), want.join('\n').toStdString())
            << path.toStdString();
    }
}

}  // namespace
}  // namespace korvel
