#include "ui/check_dialog_parts.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korvel {
namespace {

// The ground of a marked row, and the text of a faint one.
const QColor kMarkedGround(255, 220, 220);
const QColor kFaintText(128, 128, 128);

}  // namespace

QComboBox* coordinateOrderChoice(QWidget* parent, CoordinateOrder current) {
    auto* choice = new QComboBox(parent);
    choice->setObjectName(QStringLiteral("order"));
    choice->addItem(QStringLiteral("点名,X,Y（N,E）"));
    choice->addItem(QStringLiteral("点名,Y,X（E,N）"));
    choice->setCurrentIndex(current == CoordinateOrder::EastNorth ? 1 : 0);
    return choice;
}

CoordinateOrder chosenOrder(const QComboBox* choice) {
    return choice->currentIndex() == 1 ? CoordinateOrder::EastNorth : CoordinateOrder::NorthEast;
}

CheckDialogParts layOutCheckDialog(QDialog& dialog, QFormLayout* form, const QStringList& captions,
                                   const QString& name) {
    QString capitalized = name;
    capitalized[0] = capitalized[0].toUpper();
    auto* table = new QTableWidget(0, static_cast<int>(captions.size()), &dialog);
    table->setObjectName(name + QStringLiteral("Table"));
    table->setHorizontalHeaderLabels(captions);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto* summary = new QLabel(&dialog);
    summary->setObjectName(QStringLiteral("summary"));
    summary->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* exporting =
        buttons->addButton(QStringLiteral("导出(&E)…"), QDialogButtonBox::ActionRole);
    exporting->setObjectName(QStringLiteral("export") + capitalized);
    QPushButton* close = buttons->addButton(QStringLiteral("关闭"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("close") + capitalized);
    QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::reject);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(table, 1);
    layout->addWidget(summary);
    layout->addWidget(buttons);
    dialog.resize(760, 520);
    return {table, summary, exporting};
}

void fillShownRows(QTableWidget* table, std::size_t rows,
                   const std::function<TableRow(std::size_t)>& shown,
                   const std::function<bool(std::size_t)>& isNumber) {
    table->clearContents();
    table->setRowCount(static_cast<int>(rows));
    for (std::size_t r = 0; r < rows; ++r) {
        const TableRow row = shown(r);
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            auto* item = new QTableWidgetItem(row.cells[c]);
            item->setTextAlignment(isNumber(c) ? Qt::AlignRight | Qt::AlignVCenter
                                               : Qt::AlignLeft | Qt::AlignVCenter);
            if (row.look == RowLook::Marked) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
                item->setBackground(kMarkedGround);
            } else if (row.look == RowLook::Faint) {
                item->setForeground(kFaintText);
            }
            table->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
}

}  // namespace korvel
