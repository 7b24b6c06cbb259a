// The sheet module: starts Qt's GUI side for painting, makes the sheet as the window makes it
// and saves it.
#include "sheet_module.h"

#include <QDate>
#include <QGuiApplication>
#include <QString>

#include "outcome.h"
#include "platform.h"
#include "report/check_sheet.h"
#include "report/face_sheet.h"
#include "report/sheet_request.h"

namespace korvel::cli {
namespace {

// Qt's own notes (a missing runtime folder, a font it looked for) are not the command's:
// only what stops Qt reaches standard error.
void keepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        reportError("korvel-calc: " + message.toStdString());
    }
}

// The sheet of the job's run, written to its -o file.
int writeSheet(const SheetJob& job) {
    const Request& request = *job.request;
    TypedSheet typed{request.header, request.points, request.station, request.backsight,
                     request.heights};
    if (typed.header.date.empty()) {
        typed.header.date = QDate::currentDate().toString(Qt::ISODate).toStdString();
    }
    choosePaintingPlatform();
    qInstallMessageHandler(keepQtQuiet);
    int argc = 1;
    char name[] = "korvel-calc";
    char* argv[] = {name, nullptr};
    const QGuiApplication painting(argc, argv);
    if (job.check != nullptr || job.face != nullptr) {  // the checks' sheets print no station
        typed.station.reset();
        typed.backsight.reset();
    }
    SheetRequest sheet = makeStakeSheet(
        typed, {*job.texts, request.selection, std::move(job.result->rows), job.result->outline});
    if (sheet.problem) {
        return usageError(sheet.problem);
    }
    const QString path = QString::fromStdString(request.outputPath);
    if (job.check != nullptr) {
        return reportSave(saveCheckSheet(path, {std::move(sheet.sheet), *job.check}));
    }
    if (job.face != nullptr) {
        FaceSheet face{std::move(sheet.sheet), *job.face};
        plotShots(face.sheet.drawing, face.report);
        return reportSave(saveFaceSheet(path, face));
    }
    const int saved = reportSave(saveStakeSheet(path, sheet.sheet));
    if (saved != kExitRows || !request.quantities || !sheet.sheet.heights) {
        return saved;
    }
    return printQuantities(sheet.sheet.heights->quantities);
}

}  // namespace
}  // namespace korvel::cli

// The module's one entry, found by its unmangled name.
extern "C" Q_DECL_EXPORT int korvelCalcWriteSheet(const korvel::cli::SheetJob* job) {
    return korvel::cli::writeSheet(*job);
}
