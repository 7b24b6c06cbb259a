// The four file commands of Form1's menus: parameters saved to and read from zdy files,
// results saved as a text file and as a workbook; and a parameter file given at start or
// dropped on the window, read as "参数读取" reads it. Each sets up CommonDialog1 in full for
// what it asks; what it leaves unset (the results dialogs' starting folder, the open
// dialog's default extension) keeps the value of the previous dialog.
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QStandardPaths>
#include <QUrl>
#include <optional>

#include "files/messages.h"
#include "files/parameter_file.h"
#include "files/parameter_folder.h"
#include "files/results_text.h"
#include "files/save.h"
#include "files/workbook/workbook.h"
#include "ui/form1.h"

namespace korvel {
namespace {

// Where the parameter dialogs start: "liti" beside the program, or the user's own "liti".
QString parameterDialogFolder() {
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString userDir =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1String("/liti");
    // An installed program finds its samples under share/; a copy unpacked where it cannot
    // write (Windows' Program Files) brings them in its own liti folder.
    const QString installed = installedSamplesFolder(programDir);
    const QString samples = QFileInfo(installed).isDir() ? installed : litiFolder(programDir);
    return chooseParameterFolder(programDir, samples, userDir);
}

// The first local file a drag brings, if any.
std::optional<QString> firstLocalFile(const QMimeData* data) {
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            return url.toLocalFile();
        }
    }
    return std::nullopt;
}

}  // namespace

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    if (firstLocalFile(event->mimeData())) {
        event->acceptProposedAction();
    }
}

void Form1::dropEvent(QDropEvent* event) {
    if (const std::optional<QString> path = firstLocalFile(event->mimeData())) {
        event->acceptProposedAction();
        openParameterFile(*path);
    }
}

void Form1::reportSave(const Problem& problem) {
    if (problem) {
        showMessage(saveFailureMessage(problem));
    }
}

QString Form1::askSavePath(const QString& title, const QString& filter, const QString& defaultExt,
                           const QStringList& filterExtensions) {
    CommonDialog1->setDialogTitle(title);
    CommonDialog1->setFileName(QString());
    CommonDialog1->setFilter(filter);
    CommonDialog1->setDefaultExt(defaultExt);
    CommonDialog1->setFilterExtensions(filterExtensions);
    return CommonDialog1->showSave();
}

void Form1::baocun_Click() {
    CommonDialog1->setInitDir(parameterDialogFolder());
    const QString path = askSavePath(QStringLiteral("保存参数"),
                                     QStringLiteral("zdy文件(*.zdy)|*zdy"), QStringLiteral("zdy"));
    if (path.isEmpty()) {
        return;
    }
    reportSave(saveFileAtomically(path, encodeParameterFile(inputTexts())));
}

void Form1::setUpParameterRead() {
    CommonDialog1->setDialogTitle(QStringLiteral("读取参数"));
    CommonDialog1->setFileName(QString());
    CommonDialog1->setInitDir(parameterDialogFolder());
    CommonDialog1->setFilter(QStringLiteral("文本文件(*.zdy)|*.zdy"));
}

void Form1::readParameters(const QString& path) {
    // The boxes change only once the whole file has been read.
    const ParameterRead read = readParameterFile(path);
    if (read.problem) {
        showMessage(kMessageBadPath);
        return;
    }
    setInputTexts(read.texts);
}

void Form1::duqu_Click() {
    setUpParameterRead();
    const QString path = CommonDialog1->showOpen();
    if (path.isEmpty()) {
        return;
    }
    readParameters(path);
}

void Form1::openParameterFile(const QString& path) {
    setUpParameterRead();
    CommonDialog1->setFileName(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    readParameters(path);
}

void Form1::baocuncg_Click() {
    const QByteArray text = encodeResultsText(listLines());
    const QString path = askSavePath(QStringLiteral("保存计算成果"),
                                     QStringLiteral("TXT文件(*.txt)|*txt"), QStringLiteral("txt"));
    if (path.isEmpty()) {
        return;
    }
    reportSave(saveFileAtomically(path, text));
}

void Form1::save_Click() {
    const QStringList lines = listLines();
    const QString path = askSavePath(QStringLiteral("保存成果"),
                                     QStringLiteral("xls文件(*.xls)|*xls"), QStringLiteral("xls"));
    if (path.isEmpty()) {
        return;
    }
    reportSave(saveWorkbook(path, lines));
}

}  // namespace korvel
