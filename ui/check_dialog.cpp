#include "ui/check_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "files/points/point_options.h"
#include "ui/check_dialog_parts.h"

namespace korvel {
namespace {

// The texts of one row of the check, in the captions' order, the verdict of a row beyond
// the tolerance marked.
std::vector<QString> rowTexts(const StakeCheck& check, const CheckRow& row) {
    std::vector<QString> texts;
    for (const std::string& field : checkFields(check, row)) {
        texts.push_back(QString::fromStdString(field));
    }
    if (row.verdict == Verdict::Beyond) {
        texts.back().prepend(QStringLiteral("▲"));
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

// A row beyond the tolerance marked, a point not measured greyed.
void fillCheckTable(QTableWidget* table, const CheckReport& report) {
    const StakeCheck& check = report.check;
    fillShownRows(
        table, check.rows.size(),
        [&check](std::size_t r) {
            const CheckRow& row = check.rows[r];
            return TableRow{rowTexts(check, row), row.verdict == Verdict::Beyond ? RowLook::Marked
                                                  : row.verdict == Verdict::NotMeasured
                                                      ? RowLook::Faint
                                                      : RowLook::Plain};
        },
        checkColumnIsNumber);
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
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("点名前缀"), prefix);
    form->addRow(QStringLiteral("允许偏差(mm)"), tolerance);
    form->addRow(QStringLiteral("坐标顺序"), order);
    QStringList captions;
    for (const std::string& caption : checkCaptions()) {
        captions << QString::fromStdString(caption);
    }
    const CheckDialogParts parts =
        layOutCheckDialog(dialog, form, captions, QStringLiteral("check"));

    // Recomputed whenever either input changes; a refused input says why and offers no export.
    CheckOfInputs current;
    const auto inputs = [&] {
        return CheckInputs{prefix->text(), tolerance->text(), chosenOrder(order)};
    };
    const auto recompute = [&] {
        current = checkOfInputs(session, inputs());
        fillCheckTable(parts.table, current.report);
        parts.summary->setText(QString::fromStdString(current.problem ? problemText(current.problem)
                                                                      : current.report.summary));
        parts.exporting->setEnabled(!current.problem);
    };
    QObject::connect(prefix, &QLineEdit::textChanged, &dialog, recompute);
    QObject::connect(tolerance, &QLineEdit::textChanged, &dialog, recompute);
    QObject::connect(order, &QComboBox::currentIndexChanged, &dialog, recompute);
    QObject::connect(parts.exporting, &QPushButton::clicked, &dialog,
                     [&] { session.exportCheck(inputs(), current.report); });
    recompute();
    dialog.exec();
    return inputs();
}

}  // namespace korvel
