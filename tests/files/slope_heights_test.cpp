// The slope in height through the files: the typed values refused as codes, the layer lines
// named and raised, and every point file, the LandXML surface and the drawing read back by
// readers nobody here wrote (Python's xml.etree and csv, Total Open Station, ezdxf, GDAL),
// the surface's vertices and centroids checked against the model as read.
#include "files/points/slope_heights.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <charconv>
#include <cmath>
#include <map>

#include "core/run.h"
#include "files/output_formats.h"
#include "readers.h"
#include "worked_examples.h"

namespace korvel {
namespace {

// The worked example of the step mode in 位置2, as the list holds it.
ListedRun workedRun(std::array<const char*, 8> texts = test::kStepTexts) {
    ListedRun run;
    run.texts = test::textsAs<std::string>(texts);
    run.selection.option5 = true;
    run.selection.position[1] = true;
    RunResult result = runCalculation(run.texts, run.selection);
    run.rows = std::move(result.rows);
    run.outline = result.outline;
    return run;
}

TEST(SlopeHeights, RefusalsAsCodes) {
    const PointOptions toe{"100.000", "L2-"};
    const ListedRun run = workedRun();
    const ListedRun flat =
        workedRun({"12.5", "0", "60.3", "3000", "5000", "45.153", "2.5", "4.25"});
    const struct {
        TypedHeights typed;
        PointOptions points;
        const ListedRun* run;
        ProblemCode code;
        const char* subject;
    } cases[] = {
        {{"104", "", "", ""}, toe, &run, ProblemCode::None, ""},
        {{" 104 ", "2", "1", "1.5"}, toe, &run, ProblemCode::None, ""},
        {{"104m", "", "", ""}, toe, &run, ProblemCode::TopNotNumber, "104m"},
        {{"10,4", "", "", ""}, toe, &run, ProblemCode::TopNotNumber, "10,4"},
        {{"104", "0", "", ""}, toe, &run, ProblemCode::SlopeNotPositive, "0"},
        {{"104", "", "-1", ""}, toe, &run, ProblemCode::SlopeNotPositive, "-1"},
        {{"104", "1:2", "", ""}, toe, &run, ProblemCode::SlopeNotPositive, "1:2"},
        {{"104", "", "", "0"}, toe, &run, ProblemCode::LayerNotPositive, "0"},
        {{"104", "", "", "x"}, toe, &run, ProblemCode::LayerNotPositive, "x"},
        {{"100", "", "", ""}, toe, &run, ProblemCode::TopNotAboveToe, "100"},
        {{"99.9995", "", "", ""}, toe, &run, ProblemCode::TopNotAboveToe, "99.9995"},
        {{"104", "4", "1", ""}, toe, &run, ProblemCode::SlopesDoNotFit, "长半轴 a−m·H = -3.500"},
        {{"104", "2", "1.6", ""}, toe, &run, ProblemCode::SlopesDoNotFit, "短半轴 b−n·H = -0.400"},
        {{"104", "", "", ""}, toe, &flat, ProblemCode::NoSlopeQuarter, ""},
        {{"104", "", "", "1"}, {"100.000", "ABUTMENT-NORT"}, &run, ProblemCode::None, ""},
        {{"104", "", "", "1"},
         {"100.000", "ABUTMENT-NORTH"},
         &run,
         ProblemCode::NameTooLong,
         "ABUTMENT-NORTH1-5"},
        {{"104", "", "", "0.0001"}, toe, &run, ProblemCode::TooManyPoints, ""},
        {{"104", "", "", "0.0002"}, toe, &run, ProblemCode::TooManyPoints, ""},
    };
    for (const auto& c : cases) {
        const HeightRequest r = makeHeights(c.typed, c.points, *c.run, false);
        EXPECT_EQ(r.problem.code, c.code) << c.typed.top << "|" << c.typed.thickness;
        EXPECT_EQ(r.problem.subject, c.subject) << c.typed.top << "|" << c.typed.thickness;
        EXPECT_EQ(r.heights.has_value(), c.code == ProblemCode::None);
    }
    // No top: no heights, whatever else is typed.
    const HeightRequest none = makeHeights({" ", "x", "y", "z"}, toe, run, true);
    EXPECT_FALSE(none.problem);
    EXPECT_FALSE(none.heights);
}

// The worked example raised 4 m as a true cone in layers of 1.5 m: the lines at 101.5 and 103
// named L2-1-n and L2-2-n by the step generator, then the apex, one point L2-3-1.
TEST(SlopeHeights, LinesNamedAndRaised) {
    const HeightRequest r =
        makeHeights({"104", "", "", "1.5"}, {"100.000", "L2-"}, workedRun(), false);
    ASSERT_FALSE(r.problem) << problemText(r.problem);
    const SlopeInHeight& h = *r.heights;
    EXPECT_TRUE(h.layered);
    ASSERT_EQ(h.lines.size(), 3U);
    const char* const elevations[] = {"101.500", "103.000", "104.000"};
    // a(z) = 12.5 − 3.125·z: 7.8125 and 3.125, stepped by 2.5, then the vertex.
    const std::size_t counts[] = {5, 3, 1};
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(h.lines[k].prefix, "L2-" + std::to_string(k + 1) + "-");
        EXPECT_EQ(h.lines[k].elevation, elevations[k]);
        EXPECT_EQ(h.lines[k].rows.size(), counts[k]);
    }
    // The apex lies over E, D = 4.25 from O along the long axis at 105°45′30″.
    EXPECT_EQ(h.lines[2].rows[0], (StakeRow{1, "2998.846", "5004.090"}));
    EXPECT_TRUE(h.surface.faces.empty());
    // Without a thickness the top line is kept for the drawing, but not staked.
    const HeightRequest top =
        makeHeights({"104", "2", "1", ""}, {"100.000", "L2-"}, workedRun(), true);
    ASSERT_TRUE(top.heights);
    EXPECT_FALSE(top.heights->layered);
    ASSERT_EQ(top.heights->lines.size(), 1U);
    EXPECT_EQ(top.heights->lines[0].elevation, "104.000");
    EXPECT_FALSE(top.heights->surface.faces.empty());
}

// A number from a reader's text, whatever the locale.
double number(const QString& text) {
    const std::string digits = text.toStdString();
    double value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

// Every file of a layered slope in every point format, read back: each reader finds the
// toe's points then each line's, named and at their elevations; LandXML's surface and the
// drawing's 3DFACEs hold the same triangles, every vertex on the slope and every centroid
// within 5 mm of it; the drawing's lines lie at their elevations on their layers, and its
// layers include those of the heights.
TEST(SlopeHeights, FilesReadBack) {
    QTemporaryDir dir;
    const TypedPointOptions typed{"100", "K-"};
    const TypedHeights heights{"103.5", "2.1", "1.2", "1"};
    std::map<QString, OutputRequest> requests;
    QStringList files;
    for (const char* ending : {".gsi", ".dat", ".csv", ".xml", ".dxf"}) {
        const QString path = dir.filePath(QStringLiteral("放样") + QLatin1String(ending));
        ExportRequest r = makeExportRequest(*outputFormatFor(path), typed, heights, workedRun());
        ASSERT_FALSE(r.problem) << problemText(r.problem);
        ASSERT_FALSE(saveOutput(path, *outputFormatFor(path), r.request)) << ending;
        files << path;
        requests[path] = std::move(r.request);
    }
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 QStringList{QStringLiteral(KORVEL_READERS_DIR "/read_points.py")} + files);
    ASSERT_TRUE(python.waitForFinished(300000));
    const QString output = QString::fromUtf8(python.readAllStandardOutput());
    ASSERT_EQ(python.exitCode(), 0) << output.toStdString();
    std::map<QString, QStringList> read;
    QString file;
    for (const QString& line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1String("file\t"))) {
            file = line.mid(5);
        } else {
            read[file] << line;
        }
    }
    for (const QString& path : files) {
        SCOPED_TRACE(path.toStdString());
        const OutputRequest& request = requests[path];
        const QString reader = path.section(QLatin1Char('.'), -1);
        QStringList want;
        for (const NamedPoints& line : pointLines(request)) {
            for (const StakeRow& row : line.rows) {
                want << QStringLiteral("%1\t%2\t%3\t%4\t%5")
                            .arg(
                                reader, QString::fromStdString(pointName(line.prefix, row)),
                                QString::fromStdString(row.x), QString::fromStdString(row.y),
                                QString::fromLatin1(line.elevation.data(),
                                                    static_cast<qsizetype>(line.elevation.size())));
            }
        }
        // The toe's 7, then a(z) = 12.5 − 2.1·z stepped by 2.5 and closed at its vertex: 10.4
        // at 101 m, 8.3, 6.2, and 5.15 at the top.
        EXPECT_EQ(want.size(), 7 + 6 + 5 + 4 + 4);
        QStringList got = read[path].filter(QRegularExpression("^" + reader + "\t"));
        EXPECT_EQ(got, want);
        if (reader == QLatin1String("gsi") || reader == QLatin1String("dat") ||
            reader == QLatin1String("csv")) {
            continue;
        }
        // The surface, as each file holds it.
        const SlopeInHeight& h = *request.heights;
        const QStringList faces = read[path].filter(QRegularExpression("^face\t"));
        EXPECT_EQ(static_cast<std::size_t>(faces.size()), h.surface.faces.size());
        EXPECT_GT(faces.size(), 8);
        for (const QString& face : faces) {
            const QStringList corners = face.split('\t').mid(1);
            ASSERT_EQ(corners.size(), 3);
            double north = 0, east = 0, z = 0;
            for (const QString& corner : corners) {
                const QStringList v = corner.split(' ');
                const DesignHeight d = designHeight(h.body, {number(v[0]), number(v[1])});
                ASSERT_NE(d.place, SlopePlace::Outside) << corner.toStdString();
                ASSERT_NE(d.place, SlopePlace::BeyondToe) << corner.toStdString();
                EXPECT_NEAR(number(v[2]), d.elevation, 5e-5 + 1e-9) << corner.toStdString();
                north += number(v[0]) / 3;
                east += number(v[1]) / 3;
                z += number(v[2]) / 3;
            }
            EXPECT_NEAR(z, designHeight(h.body, {north, east}).elevation, 0.005);
        }
        if (reader == QLatin1String("xml")) {
            EXPECT_TRUE(read[path].contains(QStringLiteral("surface\t锥坡坡面\tTIN\t%1\t%2")
                                                .arg(h.surface.points.size())
                                                .arg(h.surface.faces.size())));
            continue;
        }
        // The drawing: each line above the toe through its points at its elevation, the top
        // line on TOP_LINE, and the layers of the heights listed by both readers.
        QStringList lines;
        for (std::size_t k = 0; k < h.lines.size(); ++k) {
            for (const StakeRow& row : h.lines[k].rows) {
                lines << QStringLiteral("line\t%1\t%2\t%3\t%4")
                             .arg(k + 1 == h.lines.size() ? "TOP_LINE" : "LAYER_LINE",
                                  QString::fromStdString(row.x), QString::fromStdString(row.y),
                                  QString::fromStdString(h.lines[k].elevation));
            }
        }
        EXPECT_EQ(read[path].filter(QRegularExpression("^line\t")), lines);
        for (const char* layers : {"layers\tdxf\t", "layers\togr\t"}) {
            const QStringList listed = read[path].filter(QRegularExpression(QString("^") + layers));
            ASSERT_EQ(listed.size(), 1);
            for (const char* layer : {"LAYER_LINE", "SLOPE_SURFACE", "TOP_LINE", "TOE_LINE"}) {
                EXPECT_TRUE(listed[0].contains(layer)) << listed[0].toStdString();
            }
        }
    }
}

// Without a top nothing changes: the drawing lists none of the heights' layers.
TEST(SlopeHeights, NoTopNoHeightLayers) {
    ExportRequest r = makeExportRequest(OutputFormat::Dxf, {"100", "K-"}, {}, workedRun());
    ASSERT_FALSE(r.problem);
    EXPECT_FALSE(r.request.heights);
    const std::string dxf = encodePointFile(OutputFormat::Dxf, r.request).bytes;
    for (const char* layer : {"LAYER_LINE", "TOP_LINE", "SLOPE_SURFACE", "3DFACE"}) {
        EXPECT_EQ(dxf.find(layer), std::string::npos) << layer;
    }
    // The list's rows hold no lines: a layered request for them is refused.
    const ExportRequest rows = makeExportRequest(OutputFormat::ResultsText, {"100", "K-"},
                                                 {"104", "", "", "1"}, workedRun());
    EXPECT_EQ(rows.problem.code, ProblemCode::LayersInListRows);
}

}  // namespace
}  // namespace korvel
