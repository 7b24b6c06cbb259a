// Form1 driven as a user would: typed keys, mouse clicks and the keyboard, with the file
// dialogs and message boxes answered by ScriptedDialogHost.
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSysInfo>

#include "window_fixture.h"

class Form1Test : public QObject, WindowFixture {
    Q_OBJECT

  private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    // Start-up: empty boxes, 按角值计算 and 位置1 selected, 固定角度, empty list, focus in
    // Text1, the column header on white, Enter not bound to 计算; a fixed 544 x 489 client.
    void initialState() {
        QCOMPARE(w_->windowTitle(), QStringLiteral("Korvel"));
        QCOMPARE(w_->inputTexts(), Texts{});
        QVERIFY(w_->Option6->isChecked() && !w_->Option5->isChecked());
        QVERIFY(w_->Option1->isChecked());
        QCOMPARE(w_->Label7->text(), QStringLiteral("固定角度"));
        QVERIFY(w_->listLines().isEmpty());
        QCOMPARE(focusName(), QStringLiteral("Text1"));
        QCOMPARE(w_->Label8->text(), QStringLiteral(" 点号        X                 Y   "
                                                    "                备注"));
        QCOMPARE(w_->Label8->palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(!w_->Command1->autoDefault() && !w_->Command1->isDefault());
        QCOMPARE(w_->centralWidget()->size(), QSize(544, 489));
        QCOMPARE(w_->minimumSize(), w_->maximumSize());
        // List1 lies over the lower part of the header strip; the top 16 px stay visible.
        QCOMPARE(w_->centralWidget()->childAt(100, 299), w_->Label8);
        QVERIFY(w_->List1->isAncestorOf(w_->centralWidget()->childAt(100, 315)));
    }

    // Ctrl+S and Ctrl+O reach their dialogs with the focus in a text box or the list.
    void shortcutsFromTextBox() {
        w_->Text3->setFocus();
        QTest::keyClick(w_->Text3, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(w_->Text3, Qt::Key_O, Qt::ControlModifier);
        w_->List1->setFocus();
        QTest::keyClick(w_->List1, Qt::Key_O, Qt::ControlModifier);
        QStringList titles;
        for (const auto& call : host_.calls) {
            titles << call.kind + QLatin1Char(' ') + call.settings.title;
        }
        QCOMPARE(titles, (QStringList{"save 保存参数", "open 读取参数", "open 读取参数"}));
        QVERIFY(host_.messages.isEmpty());
    }

    // Header and list: blanks, digits and Latin letters of one width, half a CJK character,
    // so that the result lines keep their columns under the header.
    void columnsLineUp() {
        if (QSysInfo::kernelType() == QLatin1String("winnt") &&
            !QFontDatabase::families().contains(QStringLiteral("SimSun")))
            QSKIP("no SimSun here (Wine): the widths belong to the Song faces");
        for (QWidget* widget : {static_cast<QWidget*>(w_->Label8), w_->List1->viewport()}) {
            const QFontMetrics m(widget->font());
            QCOMPARE(m.horizontalAdvance(QLatin1Char(' ')) * 2,
                     m.horizontalAdvance(QStringLiteral("点")));
            QCOMPARE(m.horizontalAdvance(QLatin1Char('1')), m.horizontalAdvance(QLatin1Char(' ')));
            QCOMPARE(m.horizontalAdvance(QLatin1Char('.')), m.horizontalAdvance(QLatin1Char('X')));
        }
        QVERIFY(w_->Label10->font().bold());
    }

    // The worked examples typed and clicked through the window; position 0 touches no
    // option, so the start-up angle mode and 位置1 apply.
    void computesExamples_data() {
        QTest::addColumn<bool>("stepMode");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("at");
        QTest::addColumn<QString>("line");
        QTest::newRow("step 2 last") << true << 2 << 7 << 6 << "  7     2995.451     5016.120";
        QTest::newRow("untouched first") << false << 0 << 10 << 0 << "  1     993.000     487.876";
        QTest::newRow("angle 3 second") << false << 3 << 10 << 1 << "  2     1004.119     511.372";
        QTest::newRow("angle 2 first") << false << 2 << 6 << 0 << "  1     1007.000     512.124";
    }
    void computesExamples() {
        QFETCH(bool, stepMode);
        QFETCH(int, position);
        QFETCH(int, count);
        QFETCH(int, at);
        QFETCH(QString, line);
        if (stepMode) {
            click(w_->Option5);
        }
        if (position != 0) {
            click(this->position(position));
        }
        type(stepMode ? kStepExample : kAngleExample);
        click(w_->Command1);
        QCOMPARE(w_->listLines().size(), count);
        QCOMPARE(w_->listLines()[at], line);
        QCOMPARE(w_->List1->model()->rowCount(), count);
        QVERIFY(host_.messages.isEmpty());
    }

    // Both messages leave the list empty, also when it held lines of an earlier run; D
    // (Text8) alone may be empty.
    void messagesLeaveListEmpty() {
        click(w_->Command1);
        QCOMPARE(host_.messages, QStringList{"输入的数据有空值，不能进行计算!"});
        type(kAngleExample);
        click(w_->Command1);
        QCOMPARE(w_->listLines().size(), 10);
        w_->Text7->setText(QStringLiteral("0"));
        click(w_->Command1);
        QCOMPARE(host_.messages, (QStringList{"输入的数据有空值，不能进行计算!", "间隔数应大于0"}));
        QVERIFY(w_->listLines().isEmpty());
        w_->Text7->setText(QStringLiteral("15"));
        w_->Text8->clear();
        click(w_->Command1);
        QCOMPARE(host_.messages.size(), 2);
        QVERIFY(!w_->listLines().isEmpty());
    }

    // Clear empties list and all eight boxes but keeps mode, position, Label7 and the focus;
    // "退出" then closes the window at once, saying nothing.
    void clearKeepsSelectionsExitCloses() {
        click(w_->Option5);
        click(w_->Option3);
        type(kStepExample);
        click(w_->Command1);
        QVERIFY(!w_->listLines().isEmpty());
        click(w_->Command2);
        QVERIFY(w_->listLines().isEmpty());
        QCOMPARE(w_->inputTexts(), Texts{});
        QVERIFY(w_->Option5->isChecked() && w_->Option3->isChecked());
        QCOMPARE(w_->Label7->text(), QStringLiteral("固定长度"));
        QCOMPARE(focusName(), QStringLiteral("Command2"));
        compute(kStepExample, true, 3);  // unsaved lines do not hold the window open
        click(w_->Command3);
        QVERIFY(!w_->isVisible());
        QVERIFY(host_.messages.isEmpty());
    }

    // Every position switch, by click or by arrow key, clears the list and keeps the texts
    // and the mode; the arrows step 位置4, 3, 2, 1 and wrap.
    void positionSwitchClearsList_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");  // 0: a click on the target
        QTest::addColumn<int>("to");
        QTest::newRow("click 4 to 1") << 4 << 0 << 1;
        QTest::newRow("Left 1 to 2") << 1 << int(Qt::Key_Left) << 2;
        QTest::newRow("Down 2 to 1") << 2 << int(Qt::Key_Down) << 1;
        QTest::newRow("click 1 to 3") << 1 << 0 << 3;
        QTest::newRow("Up 4 to 1") << 4 << int(Qt::Key_Up) << 1;
        QTest::newRow("Right 1 to 4") << 1 << int(Qt::Key_Right) << 4;
    }
    void positionSwitchClearsList() {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        click(w_->Option5);
        click(position(from));
        type(kStepExample);
        click(w_->Command1);
        QVERIFY(!w_->listLines().isEmpty());
        if (key == 0) {
            click(position(to));
        } else {
            position(from)->setFocus();
            QTest::keyClick(position(from), Qt::Key(key));
            QCOMPARE(focusName(), position(to)->objectName());
        }
        QVERIFY(position(to)->isChecked() && w_->Option5->isChecked());
        QVERIFY(w_->listLines().isEmpty());
        QCOMPARE(w_->inputTexts(), kStepExample);
    }

    // A mode switch, by click or arrow, relabels the step and keeps the list and position.
    void modeSwitchRelabelsStep() {
        type(kAngleExample);
        click(w_->Option3);
        click(w_->Command1);
        const QStringList lines = w_->listLines();
        click(w_->Option5);
        QCOMPARE(w_->Label7->text(), QStringLiteral("固定长度"));
        click(w_->Option6);
        QCOMPARE(w_->Label7->text(), QStringLiteral("固定角度"));
        w_->Option6->setFocus();
        QTest::keyClick(w_->Option6, Qt::Key_Down);
        QVERIFY(w_->Option5->isChecked());
        QCOMPARE(w_->Label7->text(), QStringLiteral("固定长度"));
        QTest::keyClick(w_->Option5, Qt::Key_Down);
        QVERIFY(w_->Option6->isChecked());
        QCOMPARE(w_->Label7->text(), QStringLiteral("固定角度"));
        QCOMPARE(w_->listLines(), lines);
        QVERIFY(w_->Option3->isChecked() && !w_->Option1->isChecked());
    }

    // Tab visits the boxes in screen order, then the buttons and the list, then one stop per
    // option group at its selected button.
    void tabOrder() {
        const QStringList expected = {"Text1",    "Text2",    "Text8",   "Text3",    "Text4",
                                      "Text5",    "Text6",    "Text7",   "Command1", "List1",
                                      "Command2", "Command3", "Option1", "Option6",  "Text1"};
        QStringList seen = {focusName()};
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << focusName();
        }
        QCOMPARE(seen, expected);

        click(w_->Option4);
        click(w_->Option5);
        w_->Command3->setFocus();
        QTest::keyClick(w_->Command3, Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("Option4"));
        QTest::keyClick(w_->Option4, Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("Option5"));
        QTest::keyClick(w_->Option5, Qt::Key_Backtab);
        QCOMPARE(focusName(), QStringLiteral("Option4"));
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
