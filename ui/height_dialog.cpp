#include "ui/height_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "core/slope_quantities.h"
#include "files/points/point_options.h"
#include "files/points/slope_heights.h"

namespace korvel {

QString heightSummary(const HeightAsk& ask, const ListedRun& run) {
    const HeightSettings& h = ask.heights;
    if (h.top.trimmed().isEmpty()) {
        return QStringLiteral("未设坡顶高程：放样点文件与记录表只含坡脚放样点");
    }
    const CheckedPointOptions points =
        checkPointOptions({ask.points.elevation.toStdString(), ask.points.prefix.toStdString()});
    if (points.problem) {
        return QString::fromStdString(problemText(points.problem));
    }
    const HeightRequest request = makeHeights(typedHeights(h), points.options, run, false);
    if (request.problem) {
        return QString::fromStdString(problemText(request.problem));
    }
    if (!request.heights) {
        return {};
    }
    QString summary = QString::fromStdString(quantityLines(request.heights->quantities, "\n"));
    summary.chop(1);
    if (request.heights->layered) {
        std::size_t points = 0;
        for (const PointLine& line : request.heights->lines) {
            points += line.rows.size();
        }
        summary += QStringLiteral("\n分层放样线%1条，共%2点")
                       .arg(request.heights->lines.size())
                       .arg(points);
    }
    return summary;
}

std::optional<HeightAsk> runHeightDialog(QWidget* parent, const HeightAsk& current,
                                         const ListedRun& run) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("HeightDialog"));
    dialog.setWindowTitle(QStringLiteral("锥坡高程"));
    const auto field = [&dialog](const char* name, const QString& text, const char* hint) {
        auto* edit = new QLineEdit(text, &dialog);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setPlaceholderText(QString::fromUtf8(hint));
        return edit;
    };
    QLineEdit* const fields[] = {
        field("elevation", current.points.elevation, ""),
        field("top", current.heights.top, ""),
        field("longSlope", current.heights.longSlope, "空：正圆锥"),
        field("shortSlope", current.heights.shortSlope, "空：正圆锥"),
        field("thickness", current.heights.thickness, "空：不分层"),
    };
    auto* summary = new QLabel(&dialog);
    summary->setObjectName(QStringLiteral("quantities"));
    summary->setWordWrap(true);
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The values line up in a font whose digits are all one width.
    summary->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    summary->setMinimumHeight(5 * summary->fontMetrics().lineSpacing());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    form->addRow(QStringLiteral("坡脚高程"), fields[0]);
    form->addRow(QStringLiteral("坡顶高程"), fields[1]);
    form->addRow(QStringLiteral("长轴坡率 1:m"), fields[2]);
    form->addRow(QStringLiteral("短轴坡率 1:n"), fields[3]);
    form->addRow(QStringLiteral("分层厚度"), fields[4]);
    form->addRow(summary);
    form->addRow(buttons);
    for (std::size_t k = 0; k + 1 < std::size(fields); ++k) {
        QWidget::setTabOrder(fields[k], fields[k + 1]);
    }
    QWidget::setTabOrder(fields[std::size(fields) - 1], buttons);
    dialog.setMinimumWidth(380);

    const auto asked = [&] {
        return HeightAsk{
            {fields[1]->text(), fields[2]->text(), fields[3]->text(), fields[4]->text()},
            {fields[0]->text(), current.points.prefix}};
    };
    const auto recompute = [&] { summary->setText(heightSummary(asked(), run)); };
    for (QLineEdit* edit : fields) {
        QObject::connect(edit, &QLineEdit::textChanged, &dialog, recompute);
    }
    recompute();
    fields[1]->setFocus();
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return asked();
}

}  // namespace korvel
