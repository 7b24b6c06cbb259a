// The window's only ways out to modal system UI: the file dialog and the message box.
// Form1 reaches both through DialogHost so that tests can answer them from a script.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace korvel {

// Everything a file dialog is set up with, kept by CommonDialog1 between commands.
struct DialogSettings {
    QString title;     // window title, e.g. "保存参数"
    QString fileName;  // name shown in the file name box; the chosen full path afterwards
    QString initDir;   // folder the dialog starts in
    QString filter;  // "description|pattern[|description|pattern...]", e.g. "zdy文件(*.zdy)|*zdy"
    QString defaultExt;  // appended to a typed name without extension, e.g. "zdy"
};

// The modal dialogs the window can show.
class DialogHost {
  public:
    virtual ~DialogHost() = default;
    // Shows an open dialog; returns the chosen full path, or an empty string when cancelled.
    virtual QString openFile(QWidget* parent, const DialogSettings& settings) = 0;
    // Shows a save dialog; returns the chosen full path, or an empty string when cancelled.
    virtual QString saveFile(QWidget* parent, const DialogSettings& settings) = 0;
    // Shows `text` in a modal box captioned "Korvel" with one OK button and no icon.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
};

// The real dialogs: Qt's own file dialog (the native one on Windows) and QMessageBox.
class QtDialogHost final : public DialogHost {
  public:
    QString openFile(QWidget* parent, const DialogSettings& settings) override;
    QString saveFile(QWidget* parent, const DialogSettings& settings) override;
    void showMessage(QWidget* parent, const QString& text) override;
};

// Turns "desc|pattern|desc|pattern" into Qt name filters "desc (pattern)". Qt reads the
// pattern from the last parentheses, so "zdy文件(*.zdy)|*zdy" matches "*zdy", and with
// QFileDialog::HideNameFilterDetails the combo box shows just "zdy文件(*.zdy)".
// Patterns joined by ";" become Qt's blank-separated list.
QStringList toQtNameFilters(const QString& filter);

// The caption of every message box and the title of the window.
inline constexpr char kAppTitle[] = "Korvel";

}  // namespace korvel
