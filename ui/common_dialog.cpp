#include "ui/common_dialog.h"

#include <QWidget>

namespace korvel {

CommonDialog::CommonDialog(DialogHost& host, QWidget* owner)
    : QObject(owner), host_(host), owner_(owner) {
    setObjectName(QStringLiteral("CommonDialog1"));
}

QString CommonDialog::showOpen() {
    settings_.fileName = host_.openFile(owner_, settings_);
    return settings_.fileName;
}

QString CommonDialog::showSave() {
    settings_.fileName = host_.saveFile(owner_, settings_);
    return settings_.fileName;
}

}  // namespace korvel
