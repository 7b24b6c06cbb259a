// CommonDialog1: the window's one file-dialog object. It keeps its settings from one
// file command to the next, so a starting folder set by the parameter commands carries
// over to the result exports.
#pragma once

#include <QObject>
#include <QString>

#include "ui/dialog_host.h"

class QWidget;

namespace korvel {

class CommonDialog : public QObject {
    Q_OBJECT

  public:
    // A dialog object that shows its dialogs through `host` over the window `owner`.
    CommonDialog(DialogHost& host, QWidget* owner);

    // The settings as they stand now.
    const DialogSettings& settings() const { return settings_; }
    // Sets the title of the next dialog.
    void setDialogTitle(const QString& title) { settings_.title = title; }
    // Sets the file name box; after a dialog it holds the chosen full path.
    void setFileName(const QString& name) { settings_.fileName = name; }
    // The chosen full path of the last dialog, or what was set since.
    const QString& fileName() const { return settings_.fileName; }
    // Sets the folder the next dialog starts in.
    void setInitDir(const QString& dir) { settings_.initDir = dir; }
    // Sets the filter as "description|pattern", e.g. "zdy文件(*.zdy)|*zdy".
    void setFilter(const QString& filter) { settings_.filter = filter; }
    // Sets the extension appended to a typed name without one, e.g. "zdy".
    void setDefaultExt(const QString& ext) { settings_.defaultExt = ext; }
    // Sets each filter's own extension, in the filter's order, e.g. {"dat", "gsi"}; none
    // keeps the default extension whichever filter is picked.
    void setFilterExtensions(const QStringList& extensions) {
        settings_.filterExtensions = extensions;
    }

    // Shows the open dialog; returns the chosen full path, empty when cancelled.
    QString showOpen();
    // Shows the save dialog; returns the chosen full path, empty when cancelled.
    QString showSave();

  private:
    DialogHost& host_;
    QWidget* owner_;
    DialogSettings settings_;
};

}  // namespace korvel
