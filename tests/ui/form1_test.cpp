// Form1 driven as a user would: typed keys, mouse clicks and the keyboard, with the file
// dialogs and message boxes answered by ScriptedDialogHost.
#include "ui/form1.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "scripted_host.h"

using korvel::Form1;

namespace {

const QString kEmptyInput = QStringLiteral("输入的数据有空值，不能进行计算!");
const QString kStepNotPositive = QStringLiteral("间隔数应大于0");

// Worked example, step mode, 位置2: a, b, β, X, Y, azimuth, step, D by box number.
const std::array<const char*, 8> kStepExample = {"12.5", "6",      "60.3", "3000",
                                                 "5000", "45.153", "2.5",  "4.25"};
// Worked example, angle mode: a=10 b=6 β=60 X=1000 Y=500 azimuth=0 step=15° D=4.
const std::array<const char*, 8> kAngleExample = {"10", "6", "60", "1000", "500", "0", "15", "4"};

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

  private:
    ScriptedDialogHost host_;
    std::unique_ptr<Form1> w_;

    // Types the eight inputs into Text1..Text8 with real key events.
    void type(const std::array<const char*, 8>& inputs) {
        QLineEdit* boxes[] = {w_->Text1, w_->Text2, w_->Text3, w_->Text4,
                              w_->Text5, w_->Text6, w_->Text7, w_->Text8};
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            boxes[i]->clear();
            QTest::keyClicks(boxes[i], QString::fromLatin1(inputs[i]));
        }
    }
    // Clicks a widget in its middle.
    static void click(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
    }
    // The name of the widget holding the keyboard focus.
    static QString focusName() {
        QWidget* f = QApplication::focusWidget();
        return f != nullptr ? f->objectName() : QStringLiteral("<none>");
    }

  private slots:
    // A fresh, shown and active window for every test.
    void init() {
        host_ = ScriptedDialogHost{};
        w_ = std::make_unique<Form1>(&host_);
        w_->show();
        QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
        QApplication::setActiveWindow(w_.get());
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
    }
    void cleanup() { w_.reset(); }

    // Start-up: empty boxes, 按角值计算 and 位置1 selected, 固定角度, empty list, focus in Text1.
    void initialState() {
        QCOMPARE(w_->windowTitle(), QStringLiteral("Korvel"));
        for (const QString& text : w_->inputTexts()) {
            QVERIFY(text.isEmpty());
        }
        QVERIFY(w_->Option6->isChecked());
        QVERIFY(!w_->Option5->isChecked());
        QVERIFY(w_->Option1->isChecked());
        QCOMPARE(w_->Label7->text(), QStringLiteral("固定角度"));
        QVERIFY(w_->listLines().isEmpty());
        QCOMPARE(focusName(), QStringLiteral("Text1"));
        QCOMPARE(w_->Text7->toolTip(), QStringLiteral("数值>0"));
        QVERIFY(w_->Text1->toolTip().isEmpty());
        QVERIFY(w_->Text1->maxLength() > 1000000);
        QCOMPARE(w_->Label8->text(), QStringLiteral(" 点号        X                 Y   "
                                                    "                备注"));
        int gbBytes = 0;  // one byte a character in GB2312, two for a Chinese one
        for (const QChar c : w_->Label8->text()) {
            gbBytes += c.unicode() < 0x80 ? 1 : 2;
        }
        QCOMPARE(gbBytes, 55);
        QCOMPARE(w_->Label8->palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(!w_->Command1->autoDefault() && !w_->Command1->isDefault());
    }

    // The menu: captions, names, shortcuts, and nothing checkable or disabled.
    void menu() {
        const QList<QAction*> heads = w_->menuBar()->actions();
        QCOMPARE(heads.size(), 2);
        QCOMPARE(heads[0]->text(), QStringLiteral("文件(&F)"));
        QCOMPARE(heads[1]->text(), QStringLiteral("成果输出"));
        QCOMPARE(w_->gongju->actions(), (QList<QAction*>{w_->baocun, w_->duqu}));
        QCOMPARE(w_->shuchu->actions(), (QList<QAction*>{w_->baocuncg, w_->save}));
        QCOMPARE(w_->baocun->text(), QStringLiteral("参数保存"));
        QCOMPARE(w_->duqu->text(), QStringLiteral("参数读取"));
        QCOMPARE(w_->baocuncg->text(), QStringLiteral("保存成果.txt"));
        QCOMPARE(w_->save->text(), QStringLiteral("保存成果.xls"));
        QCOMPARE(w_->baocun->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(w_->duqu->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QVERIFY(w_->baocuncg->shortcut().isEmpty() && w_->save->shortcut().isEmpty());
        for (const char* name : {"baocun", "duqu", "baocuncg", "save"}) {
            auto* a = w_->findChild<QAction*>(QString::fromLatin1(name));
            QVERIFY2(a != nullptr && a->isEnabled() && !a->isCheckable(), name);
        }
    }

    // Ctrl+S and Ctrl+O reach their commands with the focus in a text box.
    void shortcutsFromTextBox() {
        QSignalSpy saved(w_->baocun, &QAction::triggered);
        QSignalSpy read(w_->duqu, &QAction::triggered);
        w_->Text3->setFocus();
        QTest::keyClick(w_->Text3, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(w_->Text3, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(saved.count(), 1);
        QCOMPARE(read.count(), 1);
        w_->List1->setFocus();
        QTest::keyClick(w_->List1, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(read.count(), 2);
        // Each reached its dialog: save, open, open (all cancelled by the empty script).
        QCOMPARE(host_.calls.size(), 3);
        QCOMPARE(host_.calls[0].kind, QStringLiteral("save"));
        QCOMPARE(host_.calls[0].settings.title, QStringLiteral("保存参数"));
        QCOMPARE(host_.calls[1].settings.title, QStringLiteral("读取参数"));
        QVERIFY(host_.messages.isEmpty());
    }

    // Every element at its place, given in twips from its parent's corner, and the window
    // of fixed size with a 544 x 489 client area under the menu bar.
    void geometry_data() {
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("tw");
        const QString client = QStringLiteral("Form1Client");
        const QString frame = QStringLiteral("Frame1");
        const struct {
            const char* name;
            const QString& parent;
            QRect tw;
        } rows[] = {
            {"Option5", client, {1680, 120, 1335, 255}},
            {"Option6", client, {4560, 120, 1335, 180}},
            {"Frame1", client, {360, 360, 7455, 3855}},
            {"Label8", client, {360, 4440, 7455, 375}},
            {"List1", client, {360, 4680, 7455, 1950}},
            {"Command1", client, {360, 6840, 855, 375}},
            {"Command2", client, {1920, 6840, 855, 375}},
            {"Command3", client, {3480, 6840, 855, 375}},
            {"Label10", client, {5400, 6840, 1980, 315}},
            {"Label1", frame, {240, 330, 990, 180}},
            {"Text1", frame, {1470, 240, 1695, 375}},
            {"Label2", frame, {240, 765, 990, 180}},
            {"Text2", frame, {1470, 690, 1695, 375}},
            {"Label9", frame, {240, 1200, 990, 180}},
            {"Text8", frame, {1470, 1125, 1695, 375}},
            {"Label3", frame, {510, 1635, 720, 180}},
            {"Text3", frame, {1470, 1575, 1695, 375}},
            {"Label4", frame, {240, 2070, 990, 180}},
            {"Text4", frame, {1470, 2025, 1695, 375}},
            {"Label5", frame, {240, 2580, 990, 180}},
            {"Text5", frame, {1470, 2460, 1695, 375}},
            {"Label6", frame, {240, 3015, 990, 180}},
            {"Text6", frame, {1470, 2910, 1695, 375}},
            {"Label7", frame, {510, 3465, 720, 180}},
            {"Text7", frame, {1470, 3360, 1695, 375}},
            {"Option1", frame, {3840, 360, 855, 180}},
            {"Option2", frame, {5760, 360, 855, 180}},
            {"Option3", frame, {3840, 1080, 855, 180}},
            {"Option4", frame, {5760, 1080, 855, 180}},
            {"Image1", frame, {3360, 1560, 3930, 2175}},
        };
        for (const auto& row : rows) {
            QTest::newRow(row.name) << row.parent << row.tw;
        }
    }
    void geometry() {
        QFETCH(QString, parent);
        QFETCH(QRect, tw);
        auto* widget = w_->findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(widget != nullptr);
        QCOMPARE(widget->parentWidget()->objectName(), parent);
        QCOMPARE(widget->geometry(),
                 QRect(tw.x() / 15, tw.y() / 15, tw.width() / 15, tw.height() / 15));
    }
    void fixedWindow() {
        QCOMPARE(w_->centralWidget()->size(), QSize(544, 489));
        QCOMPARE(w_->minimumSize(), w_->maximumSize());
        QCOMPARE(w_->height(), w_->menuBar()->height() + 489);
        // List1 lies over the lower part of the header strip; the top 16 px stay visible.
        QWidget* client = w_->centralWidget();
        QCOMPARE(client->childAt(100, 4440 / 15 + 3), w_->Label8);
        QVERIFY(w_->List1->isAncestorOf(client->childAt(100, 4680 / 15 + 3)));
        QCOMPARE(w_->Image1->picture().boundingRect().size(), QSize(262, 145));
    }

    // Fonts: the window at 9 pt, boxes and list at 10.5 pt, the credit line 15.75 pt bold;
    // Latin letters, digits and blanks half as wide as a CJK character, all of one width,
    // so that the result lines keep their columns.
    void fonts() {
        QCOMPARE(w_->font().pointSizeF(), 9.0);
        QCOMPARE(w_->Label1->font().pointSizeF(), 9.0);
        QCOMPARE(w_->Text1->font().pointSizeF(), 10.5);
        QCOMPARE(w_->List1->font().pointSizeF(), 10.5);
        QCOMPARE(w_->Label10->font().pointSizeF(), 15.75);
        QVERIFY(w_->Label10->font().bold());
        for (QWidget* widget :
             {static_cast<QWidget*>(w_->Label8), static_cast<QWidget*>(w_->List1)}) {
            const QFontMetrics m(widget->font());
            const int cjk = m.horizontalAdvance(QStringLiteral("点"));
            QCOMPARE(m.horizontalAdvance(QLatin1Char(' ')) * 2, cjk);
            QCOMPARE(m.horizontalAdvance(QLatin1Char('1')), m.horizontalAdvance(QLatin1Char(' ')));
            QCOMPARE(m.horizontalAdvance(QLatin1Char('.')), m.horizontalAdvance(QLatin1Char('X')));
        }
        // "椭圆长轴a长" is 5 CJK and 1 Latin character: 990 twips, as its label.
        QCOMPARE(QFontMetrics(w_->Label1->font()).horizontalAdvance(w_->Label1->text()), 66);
    }

    // The step-mode worked example typed and clicked through the window.
    void computesStepExample() {
        click(w_->Option5);
        click(w_->Option2);
        type(kStepExample);
        click(w_->Command1);
        const QStringList lines = w_->listLines();
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines[0], QStringLiteral("  1     3003.069     5008.352"));
        QCOMPARE(lines[1], QStringLiteral("  2     3002.305     5010.672"));
        QCOMPARE(lines[5], QStringLiteral("  6     2995.451     5016.120"));
        QCOMPARE(lines[6], QStringLiteral("  7     2995.451     5016.120"));
        QVERIFY(host_.messages.isEmpty());
        QCOMPARE(w_->List1->model()->rowCount(), 7);
    }

    // Without touching an option a run lays out the angle mode and 位置1.
    void computesAngleExampleFromStart() {
        type(kAngleExample);
        click(w_->Command1);
        const QStringList lines = w_->listLines();
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines.first(), QStringLiteral("  1     993.000     487.876"));
        QCOMPARE(lines.last(), QStringLiteral(" 10     1004.000     496.536"));
    }

    // Both messages leave the list empty, also when it held lines of an earlier run.
    void messagesLeaveListEmpty() {
        click(w_->Command1);
        QCOMPARE(host_.messages, QStringList{kEmptyInput});
        QVERIFY(w_->listLines().isEmpty());

        type(kAngleExample);
        click(w_->Command1);
        QCOMPARE(w_->listLines().size(), 10);
        w_->Text7->setText(QStringLiteral("0"));
        click(w_->Command1);
        QCOMPARE(host_.messages, (QStringList{kEmptyInput, kStepNotPositive}));
        QVERIFY(w_->listLines().isEmpty());

        w_->Text7->setText(QStringLiteral("15"));
        w_->Text8->clear();  // D may be empty: only Text1 to Text7 are required
        click(w_->Command1);
        QCOMPARE(host_.messages.size(), 2);
        QVERIFY(!w_->listLines().isEmpty());
    }

    // Clear empties list and boxes but keeps mode, position, Label7 and the focus.
    void clearKeepsSelections() {
        click(w_->Option5);
        click(w_->Option3);
        type(kStepExample);
        click(w_->Command1);
        QVERIFY(!w_->listLines().isEmpty());
        click(w_->Command2);
        QVERIFY(w_->listLines().isEmpty());
        for (const QString& text : w_->inputTexts()) {
            QVERIFY(text.isEmpty());
        }
        QVERIFY(w_->Option5->isChecked() && w_->Option3->isChecked());
        QCOMPARE(w_->Label7->text(), QStringLiteral("固定长度"));
        QCOMPARE(focusName(), QStringLiteral("Command2"));
        click(w_->Command1);
        QCOMPARE(host_.messages, QStringList{kEmptyInput});
    }

    // A position switch clears the list and keeps the texts; the next run lays out the new
    // position. A mode switch keeps the list and relabels the step.
    void positionAndModeSwitches() {
        type(kAngleExample);
        click(w_->Command1);
        const QStringList position1 = w_->listLines();
        const auto texts = w_->inputTexts();

        click(w_->Option5);
        QCOMPARE(w_->Label7->text(), QStringLiteral("固定长度"));
        QCOMPARE(w_->listLines(), position1);
        click(w_->Option6);
        QCOMPARE(w_->Label7->text(), QStringLiteral("固定角度"));
        QCOMPARE(w_->listLines(), position1);

        click(w_->Option3);
        QVERIFY(w_->listLines().isEmpty());
        QCOMPARE(w_->inputTexts(), texts);
        QVERIFY(w_->Option6->isChecked());
        click(w_->Command1);
        const QStringList position3 = w_->listLines();
        QCOMPARE(position3.size(), 10);
        QCOMPARE(position3[1], QStringLiteral("  2     1004.119     511.372"));
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

    // Clicks and arrow keys in one group never change the other group; the arrows step
    // through a group in the order of the buttons' tab indexes (位置4, 3, 2, 1), wrapping.
    void groupsIndependent() {
        click(w_->Option5);
        QVERIFY(w_->Option1->isChecked());
        click(w_->Option2);
        QVERIFY(w_->Option5->isChecked() && !w_->Option6->isChecked());

        w_->Option2->setFocus();
        QTest::keyClick(w_->Option2, Qt::Key_Down);  // 位置2 -> 位置1
        QVERIFY(w_->Option1->isChecked());
        QCOMPARE(focusName(), QStringLiteral("Option1"));
        QTest::keyClick(w_->Option1, Qt::Key_Right);  // wraps to 位置4
        QVERIFY(w_->Option4->isChecked());
        QTest::keyClick(w_->Option4, Qt::Key_Up);  // wraps back to 位置1
        QVERIFY(w_->Option1->isChecked());
        QTest::keyClick(w_->Option1, Qt::Key_Left);
        QVERIFY(w_->Option2->isChecked());
        QVERIFY(w_->Option5->isChecked());
        QCOMPARE(w_->Label7->text(), QStringLiteral("固定长度"));

        w_->Option5->setFocus();
        QTest::keyClick(w_->Option5, Qt::Key_Down);
        QVERIFY(w_->Option6->isChecked());
        QCOMPARE(w_->Label7->text(), QStringLiteral("固定角度"));
        QTest::keyClick(w_->Option6, Qt::Key_Down);
        QVERIFY(w_->Option5->isChecked());
        QVERIFY(w_->Option2->isChecked());
        int checked = 0;
        for (QRadioButton* b : {w_->Option1, w_->Option2, w_->Option3, w_->Option4}) {
            checked += b->isChecked() ? 1 : 0;
        }
        QCOMPARE(checked, 1);
    }

    // An arrow that changes the position clears the list, as a click does.
    void arrowPositionSwitchClearsList() {
        type(kAngleExample);
        click(w_->Command1);
        QVERIFY(!w_->listLines().isEmpty());
        w_->Option1->setFocus();
        QTest::keyClick(w_->Option1, Qt::Key_Left);
        QVERIFY(w_->Option2->isChecked());
        QVERIFY(w_->listLines().isEmpty());
    }

    // "退出" closes the window at once, unsaved lines and all.
    void exitCloses() {
        type(kAngleExample);
        click(w_->Command1);
        click(w_->Command3);
        QVERIFY(!w_->isVisible());
        QVERIFY(host_.messages.isEmpty());
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
