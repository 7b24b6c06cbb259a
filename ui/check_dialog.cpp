#include "ui/check_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "files/points/point_options.h"
#include "ui/face_dialog.h"

namespace korvel {
namespace {

// A light red ground under a row beyond the tolerance, and grey text for a point not measured.
const QColor kBeyondGround(255, 220, 220);
const QColor kNotMeasuredText(128, 128, 128);

// The texts of one row of the check, in the captions' order, the verdict of a row beyond
// the tolerance marked.
QStringList rowTexts(const StakeCheck& check, const CheckRow& row) {
    QStringList texts;
    for (const std::string& field : checkFields(check, row)) {
        texts << QString::fromStdString(field);
    }
    if (row.verdict == Verdict::Beyond) {
        texts.last().prepend(QStringLiteral("▲"));
    }
    return texts;
}

}  // namespace

// The points are the session's as read, or the file read again in another order.
CheckOfInputs checkOfInputs(const CheckSession& session, const CheckInputs& inputs) {
    const std::optional<Tolerance> tolerance = toleranceFromText(inputs.tolerance.toStdString());
    if (!tolerance) {
        return {{}, problemAbout(ProblemCode::BadTolerance, inputs.tolerance.toStdString())};
    }
    const std::string prefix = inputs.prefix.toStdString();
    if (Problem problem = prefixProblem(prefix)) {
        return {{}, std::move(problem)};
    }
    if (session.path.isEmpty() || inputs.order == session.inputs.order) {
        return {makeCheckReport(session.rows, prefix, session.measured, *tolerance), {}};
    }
    MeasuredPoints measured = readMeasuredFile(session.path, inputs.order);
    if (measured.problem) {
        return {{}, std::move(measured.problem)};
    }
    return {makeCheckReport(session.rows, prefix, std::move(measured), *tolerance), {}};
}

void fillCheckTable(QTableWidget* table, const CheckReport& report) {
    table->clearContents();
    table->setRowCount(static_cast<int>(report.check.rows.size()));
    for (int r = 0; r < table->rowCount(); ++r) {
        const CheckRow& row = report.check.rows[static_cast<std::size_t>(r)];
        const QStringList texts = rowTexts(report.check, row);
        for (int c = 0; c < texts.size(); ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            item->setTextAlignment(checkColumnIsNumber(static_cast<std::size_t>(c))
                                       ? Qt::AlignRight | Qt::AlignVCenter
                                       : Qt::AlignLeft | Qt::AlignVCenter);
            if (row.verdict == Verdict::Beyond) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
                item->setBackground(kBeyondGround);
            } else if (row.verdict == Verdict::NotMeasured) {
                item->setForeground(kNotMeasuredText);
            }
            table->setItem(r, c, item);
        }
    }
}

CheckInputs runCheckDialog(QWidget* parent, const CheckSession& session) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("CheckDialog"));
    dialog.setWindowTitle(QStringLiteral("放样复核"));
    auto* prefix = new QLineEdit(session.inputs.prefix, &dialog);
    prefix->setObjectName(QStringLiteral("prefix"));
    auto* tolerance = new QLineEdit(session.inputs.tolerance, &dialog);
    tolerance->setObjectName(QStringLiteral("tolerance"));
    QComboBox* order = coordinateOrderChoice(&dialog, session.inputs.order);
    // The order means something to a delimited file only.
    order->setEnabled(measuredFormatOf(session.path) == MeasuredFormat::Delimited);
    auto* table = new QTableWidget(0, static_cast<int>(kCheckColumns), &dialog);
    table->setObjectName(QStringLiteral("checkTable"));
    QStringList captions;
    for (const std::string& caption : checkCaptions()) {
        captions << QString::fromStdString(caption);
    }
    table->setHorizontalHeaderLabels(captions);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setVisible(false);
    auto* summary = new QLabel(&dialog);
    summary->setObjectName(QStringLiteral("summary"));
    summary->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* exporting =
        buttons->addButton(QStringLiteral("导出(&E)…"), QDialogButtonBox::ActionRole);
    exporting->setObjectName(QStringLiteral("exportCheck"));
    QPushButton* close = buttons->addButton(QStringLiteral("关闭"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("closeCheck"));
    QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("点名前缀"), prefix);
    form->addRow(QStringLiteral("允许偏差(mm)"), tolerance);
    form->addRow(QStringLiteral("坐标顺序"), order);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(table, 1);
    layout->addWidget(summary);
    layout->addWidget(buttons);
    dialog.resize(760, 520);

    // Recomputed whenever either input changes; a refused input says why and offers no export.
    CheckOfInputs current;
    const auto inputs = [&] {
        return CheckInputs{prefix->text(), tolerance->text(), chosenOrder(order)};
    };
    const auto recompute = [&] {
        current = checkOfInputs(session, inputs());
        fillCheckTable(table, current.report);
        summary->setText(QString::fromStdString(current.problem ? problemText(current.problem)
                                                                : current.report.summary));
        exporting->setEnabled(!current.problem);
    };
    QObject::connect(prefix, &QLineEdit::textChanged, &dialog, recompute);
    QObject::connect(tolerance, &QLineEdit::textChanged, &dialog, recompute);
    QObject::connect(order, &QComboBox::currentIndexChanged, &dialog, recompute);
    QObject::connect(exporting, &QPushButton::clicked, &dialog,
                     [&] { session.exportCheck(inputs(), current.report); });
    recompute();
    table->resizeColumnsToContents();
    dialog.exec();
    return inputs();
}

}  // namespace korvel
