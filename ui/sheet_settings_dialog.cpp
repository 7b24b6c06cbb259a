#include "ui/sheet_settings_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace korvel {
namespace {

// A field named `name` holding `text`, up to 60 characters as the sheet prints them.
QLineEdit* field(QDialog* dialog, const char* name, const QString& text) {
    auto* edit = new QLineEdit(text, dialog);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(60);
    return edit;
}

// A place's name, X and Y side by side on one row of the form.
QHBoxLayout* placeRow(QLineEdit* name, QLineEdit* x, QLineEdit* y) {
    auto* row = new QHBoxLayout;
    name->setPlaceholderText(QStringLiteral("点名"));
    x->setPlaceholderText(QStringLiteral("X"));
    y->setPlaceholderText(QStringLiteral("Y"));
    row->addWidget(name, 2);
    row->addWidget(x, 3);
    row->addWidget(y, 3);
    return row;
}

}  // namespace

std::optional<SheetAsk> runSheetSettingsDialog(QWidget* parent, const SheetAsk& current) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("SheetSettingsDialog"));
    dialog.setWindowTitle(QStringLiteral("放样记录表"));
    const SheetSettings& s = current.sheet;
    QLineEdit* const fields[] = {
        field(&dialog, "project", s.project),
        field(&dialog, "part", s.part),
        field(&dialog, "instrument", s.instrument),
        field(&dialog, "elevation", current.points.elevation),
        field(&dialog, "prefix", current.points.prefix),
        field(&dialog, "stationName", s.stationName),
        field(&dialog, "stationX", s.stationX),
        field(&dialog, "stationY", s.stationY),
        field(&dialog, "backsightName", s.backsightName),
        field(&dialog, "backsightX", s.backsightX),
        field(&dialog, "backsightY", s.backsightY),
    };
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    form->addRow(QStringLiteral("工程名称"), fields[0]);
    form->addRow(QStringLiteral("桩号及部位"), fields[1]);
    form->addRow(QStringLiteral("仪器型号及编号"), fields[2]);
    form->addRow(QStringLiteral("坡脚高程"), fields[3]);
    form->addRow(QStringLiteral("点名前缀"), fields[4]);
    form->addRow(QStringLiteral("测站"), placeRow(fields[5], fields[6], fields[7]));
    form->addRow(QStringLiteral("后视"), placeRow(fields[8], fields[9], fields[10]));
    form->addRow(buttons);
    for (std::size_t k = 0; k + 1 < std::size(fields); ++k) {
        QWidget::setTabOrder(fields[k], fields[k + 1]);
    }
    QWidget::setTabOrder(fields[std::size(fields) - 1], buttons);
    fields[0]->setFocus();
    dialog.setMinimumWidth(420);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return SheetAsk{{fields[0]->text(), fields[1]->text(), fields[2]->text(), fields[5]->text(),
                     fields[6]->text(), fields[7]->text(), fields[8]->text(), fields[9]->text(),
                     fields[10]->text()},
                    {fields[3]->text(), fields[4]->text()}};
}

}  // namespace korvel
