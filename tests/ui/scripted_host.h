// A DialogHost for tests: file dialogs answer from a queue prepared in advance, and every
// dialog and message the window asks for is recorded.
#pragma once

#include <QList>
#include <QStringList>

#include "ui/dialog_host.h"

struct ScriptedDialogHost final : korvel::DialogHost {
    // One file dialog the window showed: "open" or "save", and its settings at that moment.
    struct Call {
        QString kind;
        korvel::DialogSettings settings;
    };

    QStringList answers;  // paths the next dialogs return; an empty queue means "cancelled"
    QList<Call> calls;
    QStringList messages;

    // Records an open dialog and gives the next queued answer.
    QString openFile(QWidget*, const korvel::DialogSettings& settings) override {
        calls.append({QStringLiteral("open"), settings});
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    // Records a save dialog and gives the next queued answer.
    QString saveFile(QWidget*, const korvel::DialogSettings& settings) override {
        calls.append({QStringLiteral("save"), settings});
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    // Records a message box.
    void showMessage(QWidget*, const QString& text) override { messages.append(text); }
};
