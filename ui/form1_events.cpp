// What Form1 does when used: the calculation, Clear, Exit, the mode and position switches,
// the option groups' keyboard behaviour, and the accessors the file commands use.
#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QStringListModel>

#include "core/run.h"
#include "ui/form1.h"

namespace korvel {

void Form1::wireOptions() {
    // Two independent groups: the mode on the window, the position inside Frame1. Each is
    // one tab stop at its selected button; the arrow keys move through a group in the order
    // of the buttons' tab indexes (位置4, 位置3, 位置2, 位置1 and 按步长计算, 按角值计算).
    modeGroup_ = new QButtonGroup(this);
    modeGroup_->setObjectName(QStringLiteral("modeGroup"));
    positionGroup_ = new QButtonGroup(this);
    positionGroup_->setObjectName(QStringLiteral("positionGroup"));
    for (QRadioButton* b : {Option4, Option3, Option2, Option1}) {
        positionGroup_->addButton(b);
    }
    for (QRadioButton* b : {Option5, Option6}) {
        modeGroup_->addButton(b);
    }
    // Only the selected button of a group takes Tab; the others are reached by the arrows.
    for (QButtonGroup* group : {modeGroup_, positionGroup_}) {
        connect(group, &QButtonGroup::buttonToggled, this, [group] {
            for (QAbstractButton* b : group->buttons()) {
                b->setFocusPolicy(b->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
            }
        });
    }
    Option6->setChecked(true);
    Option1->setChecked(true);
    for (QRadioButton* b : {Option1, Option2, Option3, Option4, Option5, Option6}) {
        b->installEventFilter(this);
    }
    // Each handler runs once when its button becomes selected.
    const auto onSelect = [this](QRadioButton* b, void (Form1::*handler)()) {
        connect(b, &QRadioButton::toggled, this, [this, handler](bool on) {
            if (on) {
                (this->*handler)();
            }
        });
    };
    onSelect(Option1, &Form1::Option1_Click);
    onSelect(Option2, &Form1::Option2_Click);
    onSelect(Option3, &Form1::Option3_Click);
    onSelect(Option4, &Form1::Option4_Click);
    onSelect(Option5, &Form1::Option5_Click);
    onSelect(Option6, &Form1::Option6_Click);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (listMenuEvent(watched, event)) {
        return true;
    }
    if (event->type() != QEvent::KeyPress) {
        return QMainWindow::eventFilter(watched, event);
    }
    auto* button = qobject_cast<QRadioButton*>(watched);
    QButtonGroup* group = button != nullptr ? button->group() : nullptr;
    const int key = static_cast<QKeyEvent*>(event)->key();
    int step = 0;
    if (key == Qt::Key_Right || key == Qt::Key_Down) {
        step = 1;
    } else if (key == Qt::Key_Left || key == Qt::Key_Up) {
        step = -1;
    }
    if (group == nullptr || step == 0) {
        return QMainWindow::eventFilter(watched, event);
    }
    const QList<QAbstractButton*> order = group->buttons();
    const qsizetype here = order.indexOf(button);
    QAbstractButton* next = order[(here + step + order.size()) % order.size()];
    next->setFocus(Qt::TabFocusReason);
    next->click();
    return true;
}

std::array<QString, 8> Form1::inputTexts() const {
    return {Text1->text(), Text2->text(), Text3->text(), Text4->text(),
            Text5->text(), Text6->text(), Text7->text(), Text8->text()};
}

void Form1::setInputTexts(const std::array<QString, 8>& texts) {
    QLineEdit* const boxes[] = {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        boxes[i]->setText(texts[i]);
    }
}

QStringList Form1::listLines() const {
    return listModel_->stringList();
}

void Form1::showMessage(const QString& text) {
    host_.showMessage(this, text);
}

void Form1::clearList() {
    showRun({});
}

// The list is replaced in one step: up to 32767 rows appear together.
void Form1::showRun(ListedRun run) {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(run.rows.size()));
    for (const StakeRow& row : run.rows) {
        lines.append(QString::fromStdString(stakeRowLine(row)));
    }
    listRun_ = std::move(run);
    listModel_->setStringList(lines);
}

void Form1::Command1_Click() {
    std::array<std::string, 8> texts;
    const std::array<QString, 8> typed = inputTexts();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = typed[i].toStdString();
    }
    Selection selection;
    selection.option5 = Option5->isChecked();
    selection.position = {Option1->isChecked(), Option2->isChecked(), Option3->isChecked(),
                          Option4->isChecked()};
    RunResult result = runCalculation(texts, selection);
    showRun({texts, selection, std::move(result.rows), result.outline});
    if (!result.message.empty()) {
        showMessage(QString::fromStdString(result.message));
    }
}

void Form1::Command2_Click() {
    clearList();
    setInputTexts({});
}

void Form1::Command3_Click() {
    close();
}

void Form1::Option1_Click() {
    clearList();
}

void Form1::Option2_Click() {
    clearList();
}

void Form1::Option3_Click() {
    clearList();
}

void Form1::Option4_Click() {
    clearList();
}

void Form1::Option5_Click() {
    Label7->setText(QStringLiteral("固定长度"));
}

void Form1::Option6_Click() {
    Label7->setText(QStringLiteral("固定角度"));
}

}  // namespace korvel
