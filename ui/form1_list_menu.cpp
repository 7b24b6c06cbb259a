// The result list's own menu: "复制" puts rows on the clipboard as the list shows them;
// "导出放样点" writes them to a point file for an instrument or a drawing through the same
// table of output formats as korvel-calc -o, so both write the same bytes; "放样记录表" prints
// the stake-out sheet through the same code as korvel-calc -o NAME.pdf.
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDate>
#include <QDir>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QShortcut>
#include <QStringListModel>
#include <algorithm>

#include "files/check_outputs.h"
#include "files/measured/measured_points.h"
#include "files/messages.h"
#include "files/output_formats.h"
#include "report/check_sheet.h"
#include "report/sheet_request.h"
#include "ui/form1.h"

namespace korvel {
namespace {

// The export dialog's filter: the point formats of the table, in its order.
QString pointFileFilter() {
    QStringList parts;
    for (const OutputFormatEntry& entry : kOutputFormats) {
        if (isPointFormat(entry.format)) {
            parts << QString::fromUtf8(entry.exportFilter.data(), entry.exportFilter.size())
                  << QLatin1Char('*') + QLatin1String(entry.ending.data(), entry.ending.size());
        }
    }
    return parts.join(QLatin1Char('|'));
}

// The extension of each of the export dialog's filters, in the same order, without the dot.
QStringList pointFileExtensions() {
    QStringList extensions;
    for (const OutputFormatEntry& entry : kOutputFormats) {
        if (isPointFormat(entry.format)) {
            extensions << QLatin1String(entry.ending.substr(1).data(), entry.ending.size() - 1);
        }
    }
    return extensions;
}

// A station typed in the form: given when any of its name, X and Y is.
std::optional<SheetStation> typedPlace(const QString& name, const QString& x, const QString& y) {
    if (name.trimmed().isEmpty() && x.trimmed().isEmpty() && y.trimmed().isEmpty()) {
        return std::nullopt;
    }
    return SheetStation{name.toStdString(), x.toStdString(), y.toStdString()};
}

// What the form gave, as the sheet takes it, dated today.
TypedSheet typedSheet(const SheetAsk& asked) {
    const SheetSettings& s = asked.sheet;
    return {{s.project.toStdString(), s.part.toStdString(), s.instrument.toStdString(),
             QDate::currentDate().toString(Qt::ISODate).toStdString()},
            {asked.points.elevation.toStdString(), asked.points.prefix.toStdString()},
            typedPlace(s.stationName, s.stationX, s.stationY),
            typedPlace(s.backsightName, s.backsightX, s.backsightY)};
}

// The save dialog of the check's export: each ending the check writes, the sheet first.
constexpr std::pair<const char*, const char*> kCheckExports[] = {
    {"PDF文件(*.pdf)", "pdf"},
    {"Excel工作簿(*.xlsx)", "xlsx"},
    {"CSV文件(*.csv)", "csv"},
    {"文本文件(*.txt)", "txt"},
};

}  // namespace

void Form1::buildListMenu() {
    List1Menu = new QMenu(List1);
    List1Menu->setObjectName(QStringLiteral("List1Menu"));
    fuzhi = List1Menu->addAction(QStringLiteral("复制(&C)"));
    fuzhi->setObjectName(QStringLiteral("fuzhi"));
    fuzhi->setShortcut(QKeySequence::Copy);
    fuzhi->setShortcutContext(Qt::WidgetShortcut);
    List1->addAction(fuzhi);  // Ctrl+C while the list has the focus
    daochu = List1Menu->addAction(QStringLiteral("导出放样点(&E)…"));
    daochu->setObjectName(QStringLiteral("daochu"));
    connect(fuzhi, &QAction::triggered, this, &Form1::fuzhi_Click);
    jilubiao = List1Menu->addAction(QStringLiteral("放样记录表(&P)…"));
    jilubiao->setObjectName(QStringLiteral("jilubiao"));
    connect(daochu, &QAction::triggered, this, &Form1::daochu_Click);
    connect(jilubiao, &QAction::triggered, this, &Form1::jilubiao_Click);
    fuhe = List1Menu->addAction(QStringLiteral("放样复核(&K)…"));
    fuhe->setObjectName(QStringLiteral("fuhe"));
    connect(fuhe, &QAction::triggered, this, &Form1::fuhe_Click);
    // The items, and so Ctrl+C, work while the list has rows.
    connect(listModel_, &QAbstractItemModel::modelReset, this, &Form1::followListRows);
    followListRows();

    // A right-click comes as a context menu event, to the list or to its viewport; the Menu
    // key as a key press, and on some platforms as a request too (eventFilter). Shift+F10 is
    // the other key people press for the menu.
    List1->installEventFilter(this);
    List1->viewport()->installEventFilter(this);
    auto* shiftF10 = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), List1);
    shiftF10->setContext(Qt::WidgetShortcut);
    connect(shiftF10, &QShortcut::activated, this, [this] { showListMenu(keyboardMenuPlace()); });
}

void Form1::followListRows() {
    const bool rows = !listRun_.rows.empty();
    for (QAction* item : List1Menu->actions()) {
        item->setEnabled(rows);
    }
}

QPoint Form1::keyboardMenuPlace() const {
    const QRect current = List1->visualRect(List1->currentIndex());
    return current.isValid() ? current.bottomLeft() : QPoint(0, 0);
}

bool Form1::listMenuEvent(QObject* watched, QEvent* event) {
    if (watched != List1 && watched != List1->viewport()) {
        return false;
    }
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Menu) {
        showListMenu(keyboardMenuPlace());
        sinceMenuKey_.start();
        return true;
    }
    if (event->type() != QEvent::ContextMenu) {
        return false;
    }
    const auto* request = static_cast<QContextMenuEvent*>(event);
    constexpr qint64 kSameKeyPressMs = 500;
    if (request->reason() == QContextMenuEvent::Mouse) {
        showListMenu(List1->viewport()->mapFrom(static_cast<QWidget*>(watched), request->pos()));
    } else if (!sinceMenuKey_.isValid() || sinceMenuKey_.elapsed() > kSameKeyPressMs) {
        showListMenu(keyboardMenuPlace());
    }
    return true;
}

void Form1::showListMenu(const QPoint& where) {
    List1Menu->exec(List1->viewport()->mapToGlobal(where));
}

void Form1::fuzhi_Click() {
    const QStringList lines = listLines();
    QModelIndexList selected = List1->selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end());
    QStringList copied;
    for (const QModelIndex& index : selected) {
        copied << lines.value(index.row());
    }
    QGuiApplication::clipboard()->setText(
        (copied.isEmpty() ? lines : copied).join(QStringLiteral("\r\n")));
}

void Form1::daochu_Click() {
    const QString path = askSavePath(QStringLiteral("导出放样点"), pointFileFilter(),
                                     QStringLiteral("dat"), pointFileExtensions());
    if (path.isEmpty()) {
        return;
    }
    const std::optional<PointSettings> settings = host_.askPointSettings(this, pointSettings_);
    if (!settings) {
        return;
    }
    pointSettings_ = *settings;
    const std::optional<OutputFormat> format = outputFormatFor(path);
    if (!format) {
        showMessage(QString::fromStdString(problemText(problemAbout(
            ProblemCode::UnknownEnding, QDir::toNativeSeparators(path).toStdString()))));
        return;
    }
    const TypedPointOptions typed{settings->elevation.toStdString(),
                                  settings->prefix.toStdString()};
    const ExportRequest request =
        makeExportRequest(*format, typed, listRun_.rows, listRun_.outline);
    if (request.problem) {
        showMessage(QString::fromStdString(problemText(request.problem)));
        return;
    }
    reportSave(saveOutput(path, *format, request.request));
}

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
    const SheetRequest request = makeStakeSheet(
        typedSheet(*asked), listRun_.texts, listRun_.selection, listRun_.rows, listRun_.outline);
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

void Form1::fuhe_Click() {
    CommonDialog1->setDialogTitle(QStringLiteral("选择实测点文件"));
    CommonDialog1->setFileName(QString());
    CommonDialog1->setFilter(
        QStringLiteral("实测点文件(*.gsi *.dat *.csv *.txt)|*.gsi;*.dat;*.csv;*.txt|"
                       "所有文件(*.*)|*.*"));
    CommonDialog1->setFilterExtensions({});
    const QString path = CommonDialog1->showOpen();
    if (path.isEmpty()) {
        return;
    }
    CheckSession session;
    session.measured = readMeasuredFile(path, CoordinateOrder::NorthEast);
    if (session.measured.problem) {
        showMessage(QString::fromStdString(problemText(session.measured.problem)));
        return;
    }
    session.rows = listRun_.rows;
    session.inputs = {pointSettings_.prefix, checkTolerance_};
    session.exportCheck = [this](const CheckInputs& inputs, const CheckReport& report) {
        exportCheck(inputs, report);
    };
    const CheckInputs last = host_.showCheck(this, session);
    pointSettings_.prefix = last.prefix;
    checkTolerance_ = last.tolerance;
}

void Form1::exportCheck(const CheckInputs& inputs, const CheckReport& report) {
    QStringList filter;
    QStringList extensions;
    for (const auto& [description, extension] : kCheckExports) {
        filter << QString::fromUtf8(description) << QStringLiteral("*.") + extension;
        extensions << QString::fromLatin1(extension);
    }
    const QString path = askSavePath(QStringLiteral("保存复核结果"), filter.join(QLatin1Char('|')),
                                     QStringLiteral("pdf"), extensions);
    if (path.isEmpty()) {
        return;
    }
    const std::optional<OutputFormat> format = outputFormatFor(path);
    if (!format || !writesCheck(*format)) {
        showMessage(QString::fromStdString(problemText(problemAbout(
            ProblemCode::UnknownEnding, QDir::toNativeSeparators(path).toStdString()))));
        return;
    }
    if (*format != OutputFormat::StakeSheet) {
        reportSave(saveCheckOutput(path, *format, report));
        return;
    }
    // The sheet's header as "放样记录表" last had it, dated today; no station on a check.
    SheetAsk asked{sheetSettings_, {pointSettings_.elevation, inputs.prefix}};
    asked.sheet.stationName = asked.sheet.stationX = asked.sheet.stationY = QString();
    asked.sheet.backsightName = asked.sheet.backsightX = asked.sheet.backsightY = QString();
    SheetRequest sheet = makeStakeSheet(typedSheet(asked), listRun_.texts, listRun_.selection,
                                        listRun_.rows, listRun_.outline);
    if (sheet.problem) {
        showMessage(QString::fromStdString(problemText(sheet.problem)));
        return;
    }
    reportSave(saveCheckSheet(path, {std::move(sheet.sheet), report}));
}

}  // namespace korvel
