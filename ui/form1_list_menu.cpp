// The result list's own menu: "复制" puts rows on the clipboard as the list shows them, and
// "导出放样点" writes them to a point file for an instrument or a drawing through the same
// table of output formats as korvel-calc -o, so both write the same bytes.
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QShortcut>
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

// The list lines as the writers take them.
std::vector<std::string> rowsOf(const QStringList& lines) {
    std::vector<std::string> rows;
    rows.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines) {
        rows.push_back(line.toStdString());
    }
    return rows;
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
    connect(daochu, &QAction::triggered, this, &Form1::daochu_Click);

    // A right-click comes as a context menu event, to the list or to its viewport; the Menu
    // key as a key press, and on some platforms as a request too (eventFilter). Shift+F10 is
    // the other key people press for the menu.
    List1->installEventFilter(this);
    List1->viewport()->installEventFilter(this);
    auto* shiftF10 = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), List1);
    shiftF10->setContext(Qt::WidgetShortcut);
    connect(shiftF10, &QShortcut::activated, this, [this] { showListMenu(keyboardMenuPlace()); });
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
    const bool rows = !listLines().isEmpty();
    fuzhi->setEnabled(rows);
    daochu->setEnabled(rows);
    List1Menu->exec(List1->viewport()->mapToGlobal(where));
    fuzhi->setEnabled(true);  // so that Ctrl+C reaches the slot, which checks for itself
}

void Form1::fuzhi_Click() {
    const QStringList lines = listLines();
    if (lines.isEmpty()) {
        return;
    }
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
    const QStringList lines = listLines();
    if (lines.isEmpty()) {
        return;
    }
    const QString path =
        askSavePath(QStringLiteral("导出放样点"), pointFileFilter(), QStringLiteral("dat"));
    if (path.isEmpty()) {
        return;
    }
    const std::optional<PointSettings> settings = host_.askPointSettings(this, pointSettings_);
    if (!settings) {
        return;
    }
    pointSettings_ = *settings;
    const std::optional<OutputFormat> format = outputFormatFor(path);
    const std::optional<std::string> elevation =
        elevationText(settings->elevation.trimmed().toStdString());
    const std::string prefix = settings->prefix.toStdString();
    const NameProblem names = nameProblem(prefix, static_cast<std::size_t>(lines.size()));
    if (!format) {
        showMessage(QStringLiteral("文件类型应为 ") + QString::fromStdString(knownEndings()));
    } else if (!elevation) {
        showMessage(QStringLiteral("坡脚高程应为数"));
    } else if (names != NameProblem::None) {
        showMessage(QString::fromStdString(nameProblemText(names)));
    } else {
        OutputRequest request;
        request.rows = rowsOf(lines);
        request.points = {*elevation, prefix};
        request.outline = listOutline_;
        request.written = QDateTime::currentDateTime();
        reportSave(saveOutput(path, *format, request));
    }
}

}  // namespace korvel
