// The result list's own menu: how it opens, "复制" with and without a selection, "导出放样点"
// in every point format, byte for byte as korvel-calc -o writes the same rows, with its
// cancels, refusals and a failed save; "放样记录表" and "放样复核" against korvel-calc's own
// files; and the real dialogs behind them. It runs on Linux and, cross-built, under Wine
// against korvel-calc.exe (suite_platform.h).
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTimer>
#include <functional>

#include "files/output_formats.h"
#include "files/problem.h"
#include "suite_platform.h"
#include "ui/check_dialog.h"
#include "window_fixture.h"

namespace {

// korvel-calc's file for the step example in 位置2 with H 152.34 and prefix L2-.
QByteArray calcFile(const QString& path) {
    QProcess::execute(korvel::test::korvelCalc(),
                      QStringList{"--step", "--position", "2", "--elevation", "152.34", "--prefix",
                                  "L2-", "-o", path} +
                          korvel::test::textsAsList<QStringList>(korvel::test::kStepTexts));
    return bytesOf(path);
}

// LandXML states when it was written; everything else must agree byte for byte.
QByteArray withoutStamp(QByteArray bytes) {
    return QString::fromLatin1(bytes)
        .replace(QRegularExpression(QStringLiteral("date=\"[^\"]*\" time=\"[^\"]*\"")), "stamp")
        .toLatin1();
}

const korvel::PointSettings kL2 = {"152.34", "L2-"};

}  // namespace

class ListMenuTest : public QObject, WindowFixture {
    Q_OBJECT

    // Computes the step-length example for 位置2; 7 lines.
    void computeStepExample() {
        compute(kStepExample, true, 2);
        QCOMPARE(w_->listLines().size(), 7);
    }

  private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    // The items with their access keys, Ctrl+C on copy; a right-click, the Menu key and
    // Shift+F10 each open the menu, whose items are greyed while the list is empty.
    void opensWithItsItems() {
        QStringList items;
        for (const QAction* action : w_->List1Menu->actions()) {
            items << action->text() + QLatin1Char('|') + action->shortcut().toString();
        }
        QCOMPARE(items, (QStringList{"复制(&C)|Ctrl+C", "导出放样点(&E)…|", "放样记录表(&P)…|",
                                     "放样复核(&K)…|", "锥坡高程(&H)…|", "坡面检测(&M)…|"}));
        // Through the window, as the system delivers them, so that Qt makes the request.
        QWindow* window = w_->windowHandle();
        // The second click lands elsewhere, or it would make a double click.
        QPoint inList = w_->List1->viewport()->mapTo(w_.get(), QPoint(20, 10));
        const std::function<void()> openers[] = {
            [&] { QTest::mouseClick(window, Qt::RightButton, {}, inList); },
            // The Menu key, as the platform turns it into a request from the keyboard.
            [&] {
                QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(0, 0), QPoint(0, 0));
                QApplication::sendEvent(w_->List1, &key);
            },
            [&] { QTest::keyClick(window, Qt::Key_F10, Qt::ShiftModifier); },
        };
        for (int rows : {0, 7}) {
            if (rows > 0) {
                computeStepExample();
                inList += QPoint(100, 40);
            }
            for (const auto& open : openers) {
                QStringList seen;
                whenOpen<QMenu>([&seen](QMenu* menu) {
                    for (const QAction* action : menu->actions()) {
                        seen << QString::number(action->isEnabled());
                    }
                    menu->close();
                });
                // The offscreen platform does not give activation back after a popup.
                w_->windowHandle()->requestActivate();
                QVERIFY(QTest::qWaitForWindowActive(w_.get()));
                w_->List1->setFocus();
                open();
                // "坡面检测" waits for a top as well.
                QTRY_VERIFY2(seen == QStringList(5, QString::number(rows > 0)) + QStringList{"0"},
                             qPrintable(QStringLiteral("opener %1, %2 rows: %3")
                                            .arg(&open - openers)
                                            .arg(rows)
                                            .arg(seen.join(QLatin1Char(',')))));
            }
        }
    }

    // Every row without a selection, the selected one with it, by the item and by Ctrl+C.
    void copiesRows() {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("before"));
        w_->List1->setFocus();
        QTest::keyClick(w_->List1, Qt::Key_C, Qt::ControlModifier);  // an empty list copies nothing
        QCOMPARE(clipboard->text(), QStringLiteral("before"));
        computeStepExample();
        w_->fuzhi_Click();
        QCOMPARE(clipboard->text(), w_->listLines().join(QStringLiteral("\r\n")));
        w_->List1->setFocus();
        w_->List1->setCurrentIndex(w_->List1->model()->index(2, 0));
        QTest::keyClick(w_->List1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), w_->listLines().at(2));
    }

    // Each point format as korvel-calc writes it for the same rows, elevation and prefix;
    // the dialog as the export sets it up, starting where the file dialog last was.
    void exportsAsKorvelCalcDoes_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"放样.dat", "放样.gsi", "放样.csv", "放样.xml", "放样.dxf"}) {
            QTest::newRow(name) << QString::fromUtf8(name);
        }
    }
    void exportsAsKorvelCalcDoes() {
        QFETCH(QString, name);
        computeStepExample();
        w_->CommonDialog1->setInitDir(dir_->path());
        host_.answers = {dir_->filePath(name)};
        host_.pointAnswers = {kL2};
        w_->daochu_Click();
        QCOMPARE(host_.messages, QStringList());
        const korvel::DialogSettings& s = host_.calls.value(0).settings;
        QStringList filter;
        QStringList extensions;
        for (const korvel::OutputFormatEntry& entry : korvel::kOutputFormats) {
            if (korvel::isPointFormat(entry.format)) {
                const QString ending = QString::fromLatin1(entry.ending);
                filter << QString::fromUtf8(entry.exportFilter) << '*' + ending;
                extensions << ending.mid(1);
            }
        }
        QCOMPARE(QStringList({s.title, s.filter, s.defaultExt, s.initDir}),
                 QStringList({"导出放样点", filter.join('|'), "dat", dir_->path()}));
        QCOMPARE(s.filterExtensions, extensions);
        QCOMPARE(withoutStamp(bytesOf(dir_->filePath(name))),
                 withoutStamp(calcFile(dir_->filePath("calc-" + name))));
    }

    // A cancelled file dialog asks nothing more; a cancelled form writes nothing and keeps
    // the last accepted settings, which fill the form the next time.
    void cancelAtEachDialog() {
        computeStepExample();
        w_->daochu_Click();
        QVERIFY(host_.pointAsks.isEmpty());
        host_.answers = {path("a.gsi"), path("b.gsi"), path("c.gsi")};
        host_.pointAnswers = {std::nullopt, kL2, std::nullopt};
        for (int k = 0; k < 3; ++k) {
            w_->daochu_Click();
        }
        QCOMPARE(entries(dir_->path()), QStringList{"b.gsi"});
        QCOMPARE(host_.pointAsks.size(), 3);
        QCOMPARE(host_.pointAsks[0].elevation, QStringLiteral("0.000"));
        QCOMPARE(host_.pointAsks[2].prefix, QStringLiteral("L2-"));
        QVERIFY(host_.messages.isEmpty());
        // An empty list asks nothing at all: the item is greyed.
        w_->Command2_Click();
        w_->daochu->trigger();
        QCOMPARE(host_.calls.size(), 4);
    }

    // What cannot be written says why and leaves the file beside it as it was; so does a
    // save the system refuses.
    void refusalsAndFailedSave() {
        computeStepExample();
        QVERIFY(put(path("old.gsi"), "old\r\n"));
        using korvel::ProblemCode;
        const std::tuple<korvel::PointSettings, const char*, korvel::Problem> cases[] = {
            {{"0", "桥台"}, "old.gsi", korvel::problemAbout(ProblemCode::IllegalPrefix, "桥台")},
            {{"0", "ABUTMENT-NORTH-Q"},
             "old.gsi",
             korvel::problemAbout(ProblemCode::NameTooLong, "ABUTMENT-NORTH-Q7")},
            {{"1,5", ""}, "old.gsi", korvel::problemAbout(ProblemCode::ElevationNotNumber, "1,5")},
            {kL2, "new.ods",
             korvel::problemAbout(ProblemCode::UnknownEnding,
                                  QDir::toNativeSeparators(path("new.ods")).toStdString())},
            // The sheet's ending: the sheet is written by its own item.
            {kL2, "new.PDF",
             korvel::fileProblem(ProblemCode::SheetEndingForPoints,
                                 QDir::toNativeSeparators(path("new.PDF")).toStdString())},
        };
        for (const auto& [settings, name, problem] : cases) {
            host_.messages.clear();
            host_.answers = {path(name)};
            host_.pointAnswers = {settings};
            w_->daochu_Click();
            QCOMPARE(host_.messages,
                     QStringList{QString::fromStdString(korvel::problemText(problem))});
        }
        const std::function<void()> allowAgain = korvel::test::refuseSaving(path("old.gsi"));
        QVERIFY(allowAgain);
        host_.messages.clear();
        host_.answers = {path("old.gsi")};
        host_.pointAnswers = {kL2};
        w_->daochu_Click();
        allowAgain();
        QCOMPARE(host_.messages.size(), 1);
        QVERIFY(host_.messages[0].startsWith("文件保存失败\n" +
                                             QDir::toNativeSeparators(path("old.gsi")) + ": "));
        QCOMPARE(bytesOf(path("old.gsi")), QByteArray("old\r\n"));
        QCOMPARE(entries(dir_->path()), QStringList{"old.gsi"});
    }

    // The sheet as korvel-calc writes it for the same run and texts, then opened in the
    // desktop's viewer; the form remembers everything, and shares the elevation and prefix
    // with "放样点设置".
    void sheetAsKorvelCalcWrites() {
        computeStepExample();
        korvel::SheetAsk asked{
            {"沪昆高速", "K12+345 左幅", "TS09 #1234", "S1", " 3010", "5000", "B1", "3100", "5100"},
            kL2};
        host_.sheetAnswers = {asked};
        host_.answers = {path("放样.pdf")};
        w_->jilubiao_Click();
        QCOMPARE(host_.messages, QStringList());
        QCOMPARE(host_.opened, QStringList{path("放样.pdf")});
        const korvel::DialogSettings& s = host_.calls.value(0).settings;
        QCOMPARE(QStringList({s.title, s.filter, s.defaultExt}),
                 QStringList({"保存放样记录表", "PDF文件(*.pdf)|*.pdf", "pdf"}));
        QProcess::execute(
            korvel::test::korvelCalc(),
            QStringList{"--step", "--position", "2", "--elevation", "152.34", "--prefix", "L2-",
                        "--project", "沪昆高速", "--part", "K12+345 左幅", "--instrument",
                        "TS09 #1234", "--station", "S1,3010,5000", "--backsight", "B1,3100,5100",
                        "-o", path("calc.pdf")} +
                korvel::test::textsAsList<QStringList>(korvel::test::kStepTexts));
        // The same sheet as korvel-calc's, and the words poppler reads in it where it is at hand.
        QVERIFY(korvel::test::sameSheet(path("放样.pdf"), path("calc.pdf")));
        if (const std::optional<QString> text = korvel::test::sheetText(path("放样.pdf"))) {
            QVERIFY(text->contains(QStringLiteral("132°04′03″")));
        }
        // Remembered: the next sheet and the next export start from what was typed.
        host_.sheetAnswers = {std::nullopt};
        w_->jilubiao_Click();
        QCOMPARE(host_.sheetAsks.size(), 2);
        QCOMPARE(host_.sheetAsks[1].sheet.part, QStringLiteral("K12+345 左幅"));
        QCOMPARE(host_.sheetAsks[1].points.prefix, QStringLiteral("L2-"));
        QCOMPARE(host_.calls.size(), 1);  // a cancelled form asks for no file
        asked.points = {"0", "P-"};
        host_.sheetAnswers = {asked};
        w_->jilubiao_Click();  // cancelled at the file dialog
        host_.answers = {path("x.dat")};
        w_->daochu_Click();  // cancelled at its form
        QCOMPARE(host_.pointAsks.value(0).prefix, QStringLiteral("P-"));
        QCOMPARE(entries(dir_->path()), (QStringList{"calc.pdf", "放样.pdf"}));
    }

    // A sheet the typed texts do not allow says why and writes nothing; neither does a form
    // cancelled; an empty list offers no sheet.
    void sheetRefusals() {
        computeStepExample();
        using korvel::ProblemCode;
        korvel::SheetAsk noBacksight{{"", "", "", "S1", "3000", "5000", "", "", ""}, kL2};
        korvel::SheetAsk badPrefix{{}, {"0", "桥台"}};
        korvel::SheetAsk samePlace{{"", "", "", "S", "3000", "5000", "B", "3000.0", "5000"}, kL2};
        const std::pair<korvel::SheetAsk, korvel::Problem> cases[] = {
            {noBacksight, korvel::problemAbout(ProblemCode::StationWithoutBacksight)},
            {badPrefix, korvel::problemAbout(ProblemCode::IllegalPrefix, "桥台")},
            {samePlace, korvel::problemAbout(ProblemCode::StationSameAsBacksight)},
        };
        for (const auto& [asked, problem] : cases) {
            host_.messages.clear();
            host_.sheetAnswers = {asked};
            host_.answers = {path("放样.pdf")};
            w_->jilubiao_Click();
            QCOMPARE(host_.messages,
                     QStringList{QString::fromStdString(korvel::problemText(problem))});
        }
        QCOMPARE(entries(dir_->path()), QStringList());
        QVERIFY(host_.opened.isEmpty());
        w_->Command2_Click();
        w_->jilubiao->trigger();
        QCOMPARE(host_.sheetAsks.size(), 3);
    }

    // The check from the instrument's file, exported as korvel-calc writes it; the prefix and
    // tolerance remembered; an unreadable file says why.
    void checkAsKorvelCalcWrites() {
        computeStepExample();
        const QStringList run = QStringList{"--step", "--position", "2", "--prefix", "L2-"} +
                                korvel::test::textsAsList<QStringList>(korvel::test::kStepTexts);
        QProcess::execute(korvel::test::korvelCalc(), run + QStringList{"-o", path("pegs.csv")});
        QVERIFY(put(path("pegs.csv"),
                    bytesOf(path("pegs.csv")).replace("L2-3,3001.359", "L2-3,3001.419")));
        host_.answers = {path("pegs.csv"), path("复核.csv"), path("复核.txt")};
        host_.onCheck = [](const korvel::CheckSession& s) {
            const korvel::CheckInputs inputs{"L2-", "50"};
            const korvel::CheckOfInputs c = korvel::checkOfInputs(s, inputs);
            s.exportCheck(inputs, c.report);
            s.exportCheck(inputs, c.report);
            return korvel::CheckInputs{"L2-", "30"};
        };
        w_->fuhe_Click();
        QCOMPARE(host_.messages, QStringList());
        const korvel::DialogSettings& open = host_.calls.value(0).settings;
        QCOMPARE(QStringList({host_.calls.value(0).kind, open.title, open.filter}),
                 QStringList({"open", "选择实测点文件",
                              "实测点文件(*.gsi *.dat *.csv *.txt)|*.gsi;*.dat;*.csv;*.txt|"
                              "所有文件(*.*)|*.*"}));
        QCOMPARE(host_.calls.value(1).settings.title, QStringLiteral("保存复核结果"));
        QCOMPARE(host_.calls.value(1).settings.filterExtensions,
                 (QStringList{"pdf", "xlsx", "csv", "txt"}));
        for (const char* name : {"复核.csv", "复核.txt"}) {
            QProcess::execute(korvel::test::korvelCalc(),
                              run + QStringList{"--measured", path("pegs.csv"), "-o",
                                                path((std::string("calc-") + name).c_str())});
            QCOMPARE(bytesOf(path(name)), bytesOf(path((std::string("calc-") + name).c_str())));
        }
        QVERIFY(QString::fromUtf8(bytesOf(path("复核.txt"))).contains(QStringLiteral("超限")));
        // The next check starts from the inputs as they were left.
        host_.answers = {path("pegs.csv")};
        host_.onCheck = nullptr;
        w_->fuhe_Click();
        QCOMPARE(host_.checkSessions.size(), 2);
        QCOMPARE(host_.checkSessions[1].inputs.tolerance, QStringLiteral("30"));
        QCOMPARE(host_.checkSessions[1].inputs.prefix, QStringLiteral("L2-"));
        QCOMPARE(host_.checkSessions[1].rows.size(), std::size_t{7});
        // A file with no point in it is refused with its reason, and no check is shown.
        QVERIFY(put(path("empty.gsi"), "\r\n"));
        host_.answers = {path("empty.gsi")};
        w_->fuhe_Click();
        QCOMPARE(host_.checkSessions.size(), 2);
        korvel::Problem none =
            korvel::fileProblem(korvel::ProblemCode::MeasuredNoPoints,
                                QDir::toNativeSeparators(path("empty.gsi")).toStdString());
        QCOMPARE(host_.messages, QStringList{QString::fromStdString(korvel::problemText(none))});
    }

    // The real check dialog: its rows, the row beyond the tolerance in bold, a new tolerance
    // recomputing the summary, a refused one offering no export, and 关闭.
    void realCheckDialog() {
        korvel::CheckSession session;
        session.rows = {{1, "3000.000", "5000.000"}, {2, "3001.000", "5001.000"}};
        session.measured.points = korvel::fieldPointsOf({{"P1", "3000.060", "5000.000", ""}});
        session.inputs = {"P", "50"};
        whenOpen<QDialog>([](QDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("放样复核"));
            auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("checkTable"));
            auto* summary = dialog->findChild<QLabel*>(QStringLiteral("summary"));
            auto* tolerance = dialog->findChild<QLineEdit*>(QStringLiteral("tolerance"));
            auto* exporting = dialog->findChild<QPushButton*>(QStringLiteral("exportCheck"));
            QCOMPARE(table->rowCount(), 2);
            QCOMPARE(table->item(0, 8)->text(), QStringLiteral("▲超限"));
            QVERIFY(table->item(0, 0)->font().bold());
            QCOMPARE(table->item(1, 8)->text(), QStringLiteral("未测"));
            QVERIFY(summary->text().startsWith(QStringLiteral("共2点：合格0点，超限1点")));
            tolerance->setText(QStringLiteral("60"));
            QCOMPARE(table->item(0, 8)->text(), QStringLiteral("合格"));
            QVERIFY(summary->text().startsWith(QStringLiteral("共2点：合格1点，超限0点")));
            tolerance->setText(QStringLiteral("0"));
            QVERIFY(!exporting->isEnabled());
            tolerance->setText(QStringLiteral("55"));
            dialog->findChild<QPushButton*>(QStringLiteral("closeCheck"))->click();
        });
        korvel::QtDialogHost real;
        const korvel::CheckInputs last = real.showCheck(nullptr, session);
        QCOMPARE(last.tolerance, QStringLiteral("55"));
    }

    // The real form: filled with what it is given, each field's text selected on entry so
    // that typing replaces it, Tab from elevation to prefix, Enter accepts, Esc cancels; the real
    // file dialog names the file after the picked type.
    void realDialogs() {
        korvel::QtDialogHost real;
        whenOpen<QDialog>([](QDialog* form) {
            QCOMPARE(form->windowTitle(), QStringLiteral("放样点设置"));
            QTRY_COMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("elevation"));
            QTest::keyClicks(QApplication::focusWidget(), "12.5");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("prefix"));
            QTest::keyClicks(QApplication::focusWidget(), "A-");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        const std::optional<korvel::PointSettings> typed =
            real.askPointSettings(nullptr, {"0.000", "L2-"});
        QVERIFY(typed.has_value());
        QCOMPARE(typed->elevation + '|' + typed->prefix, QStringLiteral("12.5|A-"));
        whenOpen<QDialog>([](QDialog* form) { QTest::keyClick(form, Qt::Key_Escape); });
        QVERIFY(!real.askPointSettings(nullptr, {}).has_value());

        // "放样记录表": every field in its order, each one's text selected as it is entered.
        whenOpen<QDialog>([](QDialog* form) {
            QCOMPARE(form->windowTitle(), QStringLiteral("放样记录表"));
            QStringList order;
            for (int k = 0; k < 11; ++k) {
                QTRY_VERIFY(QApplication::focusWidget() != nullptr);
                order << QApplication::focusWidget()->objectName();
                QTest::keyClicks(QApplication::focusWidget(), QString::number(k));
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            QCOMPARE(order, (QStringList{"project", "part", "instrument", "elevation", "prefix",
                                         "stationName", "stationX", "stationY", "backsightName",
                                         "backsightX", "backsightY"}));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        const std::optional<korvel::SheetAsk> sheet = real.askSheetSettings(
            nullptr, {{"P", "", "", "", "", "", "", "", ""}, {"0.000", "L2-"}});
        QVERIFY(sheet.has_value());
        QCOMPARE(QStringList({sheet->sheet.project, sheet->sheet.part, sheet->points.elevation,
                              sheet->points.prefix, sheet->sheet.backsightY}),
                 (QStringList{"0", "1", "3", "4", "10"}));  // typing replaces each text
        whenOpen<QDialog>([](QDialog* form) { QTest::keyClick(form, Qt::Key_Escape); });
        QVERIFY(!real.askSheetSettings(nullptr, {}).has_value());

        whenOpen<QFileDialog>([](QFileDialog* d) {
            auto* types = d->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            types->setFocus();
            QTest::keyClick(types, Qt::Key_Down);
            d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText("abc");
            static_cast<QDialog*>(d)->accept();
        });
        const QString chosen =
            real.saveFile(nullptr, {"导出放样点",
                                    QString(),
                                    dir_->path(),
                                    "CASS点文件(*.dat)|*.dat|徕卡GSI-16(*.gsi)|*.gsi",
                                    "dat",
                                    {"dat", "gsi"}});
        QCOMPARE(chosen, QDir::toNativeSeparators(dir_->filePath("abc.gsi")));
    }
};

QTEST_MAIN(ListMenuTest)
#include "list_menu_test.moc"
