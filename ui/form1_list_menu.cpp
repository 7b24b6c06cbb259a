// The result list's own menu: "复制" puts rows on the clipboard as the list shows them;
// "导出放样点" writes them to a point file for an instrument or a drawing through the same
// table of output formats as korvel-calc -o, so both write the same bytes, with the slope's
// heights as "锥坡高程" has them. Its two records, "放样记录表" and "放样复核", and the heights
// are in form1_records.cpp.
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QShortcut>
#include <QStringListModel>
#include <algorithm>

#include "files/messages.h"
#include "files/output_formats.h"
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
    gaocheng = List1Menu->addAction(QStringLiteral("锥坡高程(&H)…"));
    gaocheng->setObjectName(QStringLiteral("gaocheng"));
    connect(gaocheng, &QAction::triggered, this, &Form1::gaocheng_Click);
    jiance = List1Menu->addAction(QStringLiteral("坡面检测(&M)…"));
    jiance->setObjectName(QStringLiteral("jiance"));
    connect(jiance, &QAction::triggered, this, &Form1::jiance_Click);
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

// The face check needs the slope's top as well.
void Form1::followListRows() {
    const bool rows = !listRun_.rows.empty();
    for (QAction* item : List1Menu->actions()) {
        item->setEnabled(rows);
    }
    jiance->setEnabled(rows && !heightSettings_.top.trimmed().isEmpty());
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
    // The sheet's ending has a writer, but not here: the sheet has its own item, which asks
    // for the header texts it needs.
    if (*format == OutputFormat::StakeSheet) {
        showMessage(QString::fromStdString(problemText(fileProblem(
            ProblemCode::SheetEndingForPoints, QDir::toNativeSeparators(path).toStdString()))));
        return;
    }
    const TypedPointOptions typed{settings->elevation.toStdString(),
                                  settings->prefix.toStdString()};
    const ExportRequest request =
        makeExportRequest(*format, typed, typedHeights(heightSettings_), listRun_);
    if (request.problem) {
        showMessage(QString::fromStdString(problemText(request.problem)));
        return;
    }
    reportSave(saveOutput(path, *format, request.request));
}

}  // namespace korvel
