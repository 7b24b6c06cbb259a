// The records the list's menu prints: "放样记录表", the stake-out sheet, through the same
// code as korvel-calc -o NAME.pdf; "放样复核", the staked points measured in the instrument's
// file checked against the list, and "坡面检测", the points shot on the slope checked against
// its surface, each shown as a table and exported as korvel-calc --measured and --face write
// them. And "锥坡高程", the heights the sheet, the point export and the face check take.
#include <QDate>
#include <QDir>

#include "files/check_outputs.h"
#include "files/measured/measured_points.h"
#include "files/output_formats.h"
#include "report/check_sheet.h"
#include "report/face_sheet.h"
#include "report/sheet_request.h"
#include "ui/face_dialog.h"
#include "ui/form1.h"

namespace korvel {
namespace {

// A station typed in the form: given when any of its name, X and Y is.
std::optional<SheetStation> typedPlace(const QString& name, const QString& x, const QString& y) {
    if (name.trimmed().isEmpty() && x.trimmed().isEmpty() && y.trimmed().isEmpty()) {
        return std::nullopt;
    }
    return SheetStation{name.toStdString(), x.toStdString(), y.toStdString()};
}

// What the form gave, as the sheet takes it with `heights`, dated today.
TypedSheet typedSheet(const SheetAsk& asked, const HeightSettings& heights) {
    const SheetSettings& s = asked.sheet;
    return {{s.project.toStdString(), s.part.toStdString(), s.instrument.toStdString(),
             QDate::currentDate().toString(Qt::ISODate).toStdString()},
            {asked.points.elevation.toStdString(), asked.points.prefix.toStdString()},
            typedPlace(s.stationName, s.stationX, s.stationY),
            typedPlace(s.backsightName, s.backsightX, s.backsightY),
            typedHeights(heights)};
}

// The sheet's header as "放样记录表" last had it, without its station: the checks' sheets
// print none.
SheetAsk checkSheetAsk(const SheetSettings& settings, const PointSettings& points) {
    SheetAsk asked{settings, points};
    asked.sheet.stationName = asked.sheet.stationX = asked.sheet.stationY = QString();
    asked.sheet.backsightName = asked.sheet.backsightX = asked.sheet.backsightY = QString();
    return asked;
}

// The open dialog's filter for a file of measured points.
constexpr char kMeasuredFilter[] =
    "实测点文件(*.gsi *.dat *.csv *.txt)|*.gsi;*.dat;*.csv;*.txt|所有文件(*.*)|*.*";

// The save dialog of the checks' exports: each ending they write, the sheet first.
constexpr std::pair<const char*, const char*> kCheckExports[] = {
    {"PDF文件(*.pdf)", "pdf"},
    {"Excel工作簿(*.xlsx)", "xlsx"},
    {"CSV文件(*.csv)", "csv"},
    {"文本文件(*.txt)", "txt"},
};

}  // namespace

void Form1::jilubiao_Click() {
    const std::optional<SheetAsk> asked =
        host_.askSheetSettings(this, {sheetSettings_, pointSettings_});
    if (!asked) {
        return;
    }
    sheetSettings_ = asked->sheet;
    pointSettings_ = asked->points;
    const QString path = askSavePath(QStringLiteral("保存放样记录表"),
                                     QStringLiteral("PDF文件(*.pdf)|*.pdf"), QStringLiteral("pdf"));
    if (path.isEmpty()) {
        return;
    }
    const SheetRequest request = makeStakeSheet(typedSheet(*asked, heightSettings_), listRun_);
    if (request.problem) {
        showMessage(QString::fromStdString(problemText(request.problem)));
        return;
    }
    const Problem saved = saveStakeSheet(path, request.sheet);
    reportSave(saved);
    if (!saved) {
        host_.openDocument(path);
    }
}

QString Form1::askMeasuredFile() {
    CommonDialog1->setDialogTitle(QStringLiteral("选择实测点文件"));
    CommonDialog1->setFileName(QString());
    CommonDialog1->setFilter(QString::fromUtf8(kMeasuredFilter));
    CommonDialog1->setFilterExtensions({});
    return CommonDialog1->showOpen();
}

void Form1::fuhe_Click() {
    const QString path = askMeasuredFile();
    if (path.isEmpty()) {
        return;
    }
    CheckSession session;
    session.path = path;
    session.measured = readMeasuredFile(path, checkOrder_);
    if (session.measured.problem) {
        showMessage(QString::fromStdString(problemText(session.measured.problem)));
        return;
    }
    session.rows = listRun_.rows;
    session.inputs = {pointSettings_.prefix, checkTolerance_, checkOrder_};
    session.exportCheck = [this](const CheckInputs& inputs, const CheckReport& report) {
        exportCheck(inputs, report);
    };
    const CheckInputs last = host_.showCheck(this, session);
    pointSettings_.prefix = last.prefix;
    checkTolerance_ = last.tolerance;
    checkOrder_ = last.order;
}

void Form1::gaocheng_Click() {
    const std::optional<HeightAsk> asked =
        host_.askHeights(this, {heightSettings_, pointSettings_}, listRun_);
    if (!asked) {
        return;
    }
    heightSettings_ = asked->heights;
    pointSettings_.elevation = asked->points.elevation;
    followListRows();  // "坡面检测" needs the top
}

std::optional<std::pair<QString, OutputFormat>> Form1::askCheckExport(const QString& title) {
    QStringList filter;
    QStringList extensions;
    for (const auto& [description, extension] : kCheckExports) {
        filter << QString::fromUtf8(description) << QStringLiteral("*.") + extension;
        extensions << QString::fromLatin1(extension);
    }
    const QString path =
        askSavePath(title, filter.join(QLatin1Char('|')), QStringLiteral("pdf"), extensions);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    const std::optional<OutputFormat> format = outputFormatFor(path);
    if (!format || !writesCheck(*format)) {
        showMessage(QString::fromStdString(problemText(problemAbout(
            ProblemCode::UnknownEnding, QDir::toNativeSeparators(path).toStdString()))));
        return std::nullopt;
    }
    return std::pair{path, *format};
}

void Form1::exportCheck(const CheckInputs& inputs, const CheckReport& report) {
    const auto chosen = askCheckExport(QStringLiteral("保存复核结果"));
    if (!chosen) {
        return;
    }
    const auto& [path, format] = *chosen;
    if (format != OutputFormat::StakeSheet) {
        reportSave(saveCheckOutput(path, format, report));
        return;
    }
    // The check is of the toe's pegs: its sheet shows no heights.
    SheetRequest sheet = makeStakeSheet(
        typedSheet(checkSheetAsk(sheetSettings_, {pointSettings_.elevation, inputs.prefix}), {}),
        listRun_);
    if (sheet.problem) {
        showMessage(QString::fromStdString(problemText(sheet.problem)));
        return;
    }
    reportSave(saveCheckSheet(path, {std::move(sheet.sheet), report}));
}

void Form1::jiance_Click() {
    const QString path = askMeasuredFile();
    if (path.isEmpty()) {
        return;
    }
    FaceSession session{listRun_,
                        pointSettings_,
                        heightSettings_,
                        path,
                        faceInputs_,
                        {},
                        readMeasuredShots(path, faceInputs_.order)};
    // A file that cannot be read, or a slope that cannot be raised, is said before the table.
    const FaceRequest first = faceOfInputs(session, faceInputs_);
    if (first.problem && first.problem.code != ProblemCode::BadTolerance) {
        showMessage(QString::fromStdString(problemText(first.problem)));
        return;
    }
    session.exportFace = [this](const FaceInputs& inputs, const FaceReport& report) {
        exportFace(inputs, report);
    };
    faceInputs_ = host_.showFace(this, session);
}

void Form1::exportFace(const FaceInputs&, const FaceReport& report) {
    const auto chosen = askCheckExport(QStringLiteral("保存检测结果"));
    if (!chosen) {
        return;
    }
    const auto& [path, format] = *chosen;
    if (format != OutputFormat::StakeSheet) {
        reportSave(saveFaceOutput(path, format, report));
        return;
    }
    // The sheet of the slope as raised, with the shots on its drawing; no station on a check.
    SheetRequest sheet = makeStakeSheet(
        typedSheet(checkSheetAsk(sheetSettings_, pointSettings_), heightSettings_), listRun_);
    if (sheet.problem) {
        showMessage(QString::fromStdString(problemText(sheet.problem)));
        return;
    }
    FaceSheet face{std::move(sheet.sheet), report};
    plotShots(face.sheet.drawing, face.report);
    reportSave(saveFaceSheet(path, face));
}

}  // namespace korvel
