#include "ui/point_settings_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

namespace korvel {

std::optional<PointSettings> runPointSettingsDialog(QWidget* parent, const PointSettings& current) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("PointSettingsDialog"));
    dialog.setWindowTitle(QStringLiteral("放样点设置"));
    auto* elevation = new QLineEdit(current.elevation, &dialog);
    elevation->setObjectName(QStringLiteral("elevation"));
    elevation->selectAll();
    auto* prefix = new QLineEdit(current.prefix, &dialog);
    prefix->setObjectName(QStringLiteral("prefix"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    form->addRow(QStringLiteral("坡脚高程"), elevation);
    form->addRow(QStringLiteral("点名前缀"), prefix);
    form->addRow(buttons);
    QWidget::setTabOrder(elevation, prefix);
    QWidget::setTabOrder(prefix, buttons);
    elevation->setFocus();
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return PointSettings{elevation->text(), prefix->text()};
}

}  // namespace korvel
