// What every window test shares: a dialog host answering from a script, the worked
// examples, a fresh window and scratch folder per test, and small file helpers.
#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QList>
#include <QRadioButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "file_bytes.h"
#include "ui/dialog_host.h"
#include "ui/form1.h"
#include "worked_examples.h"

using korvel::Form1;
using Texts = std::array<QString, 8>;  // Text1..Text8

// The worked examples, step mode (位置2: 7 rows) and angle mode.
inline const Texts kStepExample = korvel::test::textsAs<QString>(korvel::test::kStepTexts);
inline const Texts kAngleExample = korvel::test::textsAs<QString>(korvel::test::kAngleTexts);

// A DialogHost whose file dialogs answer from a queue (empty queue: cancelled) and which
// records every dialog and message the window asks for.
struct ScriptedDialogHost final : korvel::DialogHost {
    using Settings = korvel::DialogSettings;
    // One file dialog the window showed: "open" or "save", and its settings at that moment.
    struct Call {
        QString kind;
        Settings settings;
    };
    QStringList answers;
    QList<Call> calls;
    QStringList messages;
    QList<std::optional<korvel::PointSettings>> pointAnswers;  // empty queue: cancelled
    QList<korvel::PointSettings> pointAsks;  // what "放样点设置" was filled with each time
    QList<std::optional<korvel::SheetAsk>> sheetAnswers;  // empty queue: cancelled
    QList<korvel::SheetAsk> sheetAsks;  // what "放样记录表" was filled with each time
    QStringList opened;                 // the documents opened in the desktop's viewer
    bool removeBeforeOpen = false;      // deletes the answered file between dialog and read

    // Records a dialog and gives the next queued answer.
    QString answer(const char* kind, const Settings& settings) {
        calls.append({QString::fromLatin1(kind), settings});
        const QString path = answers.isEmpty() ? QString() : answers.takeFirst();
        if (removeBeforeOpen && kind[0] == 'o') {
            QFile::remove(path);
        }
        return path;
    }
    QString openFile(QWidget*, const Settings& s) override { return answer("open", s); }
    QString saveFile(QWidget*, const Settings& s) override { return answer("save", s); }
    void showMessage(QWidget*, const QString& text) override { messages.append(text); }
    std::optional<korvel::SheetAsk> askSheetSettings(QWidget*,
                                                     const korvel::SheetAsk& current) override {
        sheetAsks.append(current);
        return sheetAnswers.isEmpty() ? std::nullopt : sheetAnswers.takeFirst();
    }
    void openDocument(const QString& path) override { opened.append(path); }
    // "锥坡高程": what it was filled with each time and the run it was shown for, and the
    // queued answers (empty queue: cancelled).
    QList<std::optional<korvel::HeightAsk>> heightAnswers;
    QList<korvel::HeightAsk> heightAsks;
    QList<korvel::ListedRun> heightRuns;
    std::optional<korvel::HeightAsk> askHeights(QWidget*, const korvel::HeightAsk& current,
                                                const korvel::ListedRun& run) override {
        heightAsks.append(current);
        heightRuns.append(run);
        return heightAnswers.isEmpty() ? std::nullopt : heightAnswers.takeFirst();
    }
    // "放样复核": each session shown, and what the scripted dialog does with it (by default
    // closes it at once with its inputs).
    QList<korvel::CheckSession> checkSessions;
    std::function<korvel::CheckInputs(const korvel::CheckSession&)> onCheck;
    korvel::CheckInputs showCheck(QWidget*, const korvel::CheckSession& session) override {
        checkSessions.append(session);
        return onCheck ? onCheck(session) : session.inputs;
    }
    // "坡面检测": each session shown, and what the scripted dialog does with it (by default
    // closes it at once with its inputs).
    QList<korvel::FaceSession> faceSessions;
    std::function<korvel::FaceInputs(const korvel::FaceSession&)> onFace;
    korvel::FaceInputs showFace(QWidget*, const korvel::FaceSession& session) override {
        faceSessions.append(session);
        return onFace ? onFace(session) : session.inputs;
    }
    std::optional<korvel::PointSettings> askPointSettings(
        QWidget*, const korvel::PointSettings& current) override {
        pointAsks.append(current);
        return pointAnswers.isEmpty() ? std::nullopt : pointAnswers.takeFirst();
    }
};

using korvel::test::bytesOf;
using korvel::test::put;

// Runs `check` on the widget of type T as soon as it is the active popup or modal window.
template <typename T>
void whenOpen(std::function<void(T*)> check) {
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, check] {
        QWidget* open = QApplication::activePopupWidget() != nullptr
                            ? QApplication::activePopupWidget()
                            : QApplication::activeModalWidget();
        if (auto* widget = qobject_cast<T*>(open)) {
            timer->stop();
            timer->deleteLater();
            check(widget);
        }
    });
    timer->start();
}

// Everything in a folder, hidden files included, by name.
inline QStringList entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// A shown, active Form1 over a ScriptedDialogHost, and a scratch folder, for each test;
// the test class calls openWindow() from init() and closeWindow() from cleanup().
struct WindowFixture {
    ScriptedDialogHost host_;
    std::unique_ptr<Form1> w_;
    std::unique_ptr<QTemporaryDir> dir_;

    // A fresh host, window and folder.
    void openWindow() {
        host_ = ScriptedDialogHost{};
        w_ = std::make_unique<Form1>(&host_);
        dir_ = std::make_unique<QTemporaryDir>();
        w_->show();
        QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
        QApplication::setActiveWindow(w_.get());
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
    }
    // Closes the window and removes the folder.
    void closeWindow() {
        w_.reset();
        dir_.reset();
    }
    // A path in the scratch folder.
    QString path(const char* name) const { return dir_->filePath(QString::fromUtf8(name)); }
    // The position button 位置n, n from 1 to 4.
    QRadioButton* position(int n) const {
        QRadioButton* const buttons[] = {w_->Option1, w_->Option2, w_->Option3, w_->Option4};
        return buttons[n - 1];
    }
    // Fills the boxes, selects the mode and the position, and presses 计算 (no events).
    void compute(const Texts& inputs, bool stepMode, int positionNumber) {
        w_->setInputTexts(inputs);
        (stepMode ? w_->Option5 : w_->Option6)->setChecked(true);
        position(positionNumber)->setChecked(true);
        w_->Command1_Click();
    }
    // Types the eight texts into Text1..Text8 with real key events.
    void type(const Texts& inputs) {
        QLineEdit* boxes[] = {w_->Text1, w_->Text2, w_->Text3, w_->Text4,
                              w_->Text5, w_->Text6, w_->Text7, w_->Text8};
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            boxes[i]->clear();
            QTest::keyClicks(boxes[i], inputs[i]);
        }
    }
    // Clicks a widget near its left edge, half-way down.
    static void click(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
    }
    // The name of the widget holding the keyboard focus.
    static QString focusName() {
        QWidget* f = QApplication::focusWidget();
        return f != nullptr ? f->objectName() : QStringLiteral("<none>");
    }
};
