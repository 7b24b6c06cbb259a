#include "ui/dialog_host.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

#include "ui/check_dialog.h"
#include "ui/face_dialog.h"
#include "ui/height_dialog.h"
#include "ui/platform.h"
#include "ui/point_settings_dialog.h"
#include "ui/sheet_settings_dialog.h"

namespace korvel {

namespace {

// Runs one modal file dialog set up from `settings`; empty when the user cancels.
QString runFileDialog(QWidget* parent, const DialogSettings& settings,
                      QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, settings.title, settings.initDir);
    dialog.setObjectName(QStringLiteral("CommonDialog1Window"));
    dialog.setAcceptMode(mode);
    // Neither dialog insists that a typed name exists nor asks before replacing a file:
    // the commands behind them report a missing file themselves.
    dialog.setFileMode(QFileDialog::AnyFile);
    QFileDialog::Options options =
        QFileDialog::DontConfirmOverwrite | QFileDialog::HideNameFilterDetails;
    if (!nativeFileDialogs()) {
        options |= QFileDialog::DontUseNativeDialog;
    }
    dialog.setOptions(options);
    const QStringList filters = toQtNameFilters(settings.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
    }
    dialog.setDefaultSuffix(settings.defaultExt);
    if (settings.filterExtensions.size() == filters.size()) {
        // The picked type's own extension. The dialog names the type as its combo box shows
        // it, without the patterns that follow the description.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog, &settings, filters](const QString& picked) {
                             for (qsizetype k = 0; k < filters.size(); ++k) {
                                 if (filters[k] == picked ||
                                     filters[k].startsWith(picked + QLatin1String(" ("))) {
                                     dialog.setDefaultSuffix(settings.filterExtensions.at(k));
                                 }
                             }
                         });
    }
    if (!settings.fileName.isEmpty()) {
        dialog.selectFile(settings.fileName);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : QDir::toNativeSeparators(chosen.first());
}

}  // namespace

QString QtDialogHost::openFile(QWidget* parent, const DialogSettings& settings) {
    return runFileDialog(parent, settings, QFileDialog::AcceptOpen);
}

QString QtDialogHost::saveFile(QWidget* parent, const DialogSettings& settings) {
    return runFileDialog(parent, settings, QFileDialog::AcceptSave);
}

void QtDialogHost::showMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kAppTitle), text, QMessageBox::Ok,
                    parent);
    box.setObjectName(QStringLiteral("KorvelMessage"));
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

std::optional<PointSettings> QtDialogHost::askPointSettings(QWidget* parent,
                                                            const PointSettings& current) {
    return runPointSettingsDialog(parent, current);
}

std::optional<SheetAsk> QtDialogHost::askSheetSettings(QWidget* parent, const SheetAsk& current) {
    return runSheetSettingsDialog(parent, current);
}

std::optional<HeightAsk> QtDialogHost::askHeights(QWidget* parent, const HeightAsk& current,
                                                  const ListedRun& run) {
    return runHeightDialog(parent, current, run);
}

TypedHeights typedHeights(const HeightSettings& settings) {
    return {settings.top.toStdString(), settings.longSlope.toStdString(),
            settings.shortSlope.toStdString(), settings.thickness.toStdString()};
}

// The desktop's viewer, through xdg-open or the shell's association for .pdf.
void QtDialogHost::openDocument(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

CheckInputs QtDialogHost::showCheck(QWidget* parent, const CheckSession& session) {
    return runCheckDialog(parent, session);
}

FaceInputs QtDialogHost::showFace(QWidget* parent, const FaceSession& session) {
    return runFaceDialog(parent, session);
}

QStringList toQtNameFilters(const QString& filter) {
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        result << parts[i] + QStringLiteral(" (") + patterns.simplified() + QLatin1Char(')');
    }
    return result;
}

}  // namespace korvel
