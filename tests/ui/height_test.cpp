// "锥坡高程" in the window: the real form offscreen, its quantities following what is typed and
// its refusals said at once; and the heights it keeps, taken by "导出放样点" and "放样记录表"
// exactly as korvel-calc takes the same values.
#include <QDialog>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>

#include "core/slope_quantities.h"
#include "files/points/slope_heights.h"
#include "suite_platform.h"
#include "ui/height_dialog.h"
#include "window_fixture.h"

namespace {

// The worked example's run in 位置2 by step length, as the window lists it.
korvel::ListedRun workedRun() {
    korvel::ListedRun run;
    run.texts = korvel::test::textsAs<std::string>(korvel::test::kStepTexts);
    run.selection = korvel::Selection{true, {false, true, false, false}};
    const korvel::RunResult result = korvel::runCalculation(run.texts, run.selection);
    run.rows = result.rows;
    run.outline = result.outline;
    return run;
}

// The quantities the form shows for the worked example raised from `toe` to `top`.
QString quantitiesOf(const char* toe, const korvel::TypedHeights& typed) {
    const korvel::HeightRequest r =
        korvel::makeHeights(typed, {korvel::elevationText(toe).value(), ""}, workedRun(), false);
    QString lines = QString::fromStdString(korvel::quantityLines(r.heights->quantities, "\n"));
    lines.chop(1);
    return lines;
}

// LandXML states when it was written; everything else must agree byte for byte.
QByteArray withoutStamp(QByteArray bytes) {
    return QString::fromUtf8(bytes)
        .replace(QRegularExpression(QStringLiteral("date=\"[^\"]*\" time=\"[^\"]*\"")), "stamp")
        .toUtf8();
}

}  // namespace

class HeightTest : public QObject, WindowFixture {
    Q_OBJECT

  private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    // The real form: its fields in their order, the quantities as the values are typed, the
    // reason a value is refused in their place, Enter accepts and Esc cancels.
    void realForm() {
        const korvel::ListedRun run = workedRun();
        whenOpen<QDialog>([](QDialog* form) {
            QCOMPARE(form->windowTitle(), QStringLiteral("锥坡高程"));
            auto* summary = form->findChild<QLabel*>(QStringLiteral("quantities"));
            QCOMPARE(summary->text(),
                     QStringLiteral("未设坡顶高程：放样点文件与记录表只含坡脚放样点"));
            QTRY_COMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("top"));
            QTest::keyClicks(QApplication::focusWidget(), "99");
            QCOMPARE(summary->text(), QStringLiteral("坡顶高程应高于坡脚高程：99"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
            QTest::keyClicks(QApplication::focusWidget(), "104");
            QCOMPARE(summary->text(), quantitiesOf("100", {"104", "", "", ""}));
            QStringList order = {QApplication::focusWidget()->objectName()};
            for (const char* typed : {"2", "1", "1.5"}) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                order << QApplication::focusWidget()->objectName();
                QTest::keyClicks(QApplication::focusWidget(), typed);
            }
            QCOMPARE(order, (QStringList{"top", "longSlope", "shortSlope", "thickness"}));
            QCOMPARE(summary->text(), quantitiesOf("100", {"104", "2", "1", "1.5"}) +
                                          QStringLiteral("\n分层放样线3条，共12点"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        korvel::QtDialogHost real;
        const std::optional<korvel::HeightAsk> asked =
            real.askHeights(nullptr, {{}, {"100", "L2-"}}, run);
        QVERIFY(asked.has_value());
        QCOMPARE(asked->heights, (korvel::HeightSettings{"104", "2", "1", "1.5"}));
        QCOMPARE(asked->points.elevation, QStringLiteral("100"));
        whenOpen<QDialog>([](QDialog* form) { QTest::keyClick(form, Qt::Key_Escape); });
        QVERIFY(!real.askHeights(nullptr, {}, run).has_value());
    }

    // What the form says of values that cannot raise the slope, each as its problem's text.
    void summaryRefusals() {
        const korvel::ListedRun run = workedRun();
        const std::pair<korvel::HeightAsk, korvel::Problem> cases[] = {
            {{{"104", "4", "1", ""}, {"100", ""}},
             korvel::problemAbout(korvel::ProblemCode::SlopesDoNotFit, "长半轴 a−m·H = -3.500")},
            {{{"104", "", "", "0"}, {"100", ""}},
             korvel::problemAbout(korvel::ProblemCode::LayerNotPositive, "0")},
            {{{"104", "", "", ""}, {"1,5", ""}},
             korvel::problemAbout(korvel::ProblemCode::ElevationNotNumber, "1,5")},
        };
        for (const auto& [ask, problem] : cases) {
            QCOMPARE(korvel::heightSummary(ask, run),
                     QString::fromStdString(korvel::problemText(problem)));
        }
    }

    // The heights kept by the window go to the point export and the sheet as korvel-calc
    // takes the same values; the form opens with them next time, and its elevation is the
    // point export's.
    void exportAndSheetAsKorvelCalc() {
        compute(kStepExample, true, 2);
        const korvel::HeightAsk asked{{"154.34", "2", "1", "1"}, {"152.34", "L2-"}};
        host_.heightAnswers = {asked};
        w_->gaocheng_Click();
        QCOMPARE(host_.heightRuns.value(0).rows.size(), std::size_t{7});
        const QStringList heights = {"--elevation", "152.34",  "--prefix", "L2-",      "--top",
                                     "154.34",      "--slope", "2,1",      "--layers", "1"};
        const QStringList run = QStringList{"--step", "--position", "2"} +
                                korvel::test::textsAsList<QStringList>(korvel::test::kStepTexts);
        for (const char* name : {"放样.xml", "放样.dxf", "放样.gsi"}) {
            host_.answers = {path(name)};
            host_.pointAnswers = {korvel::PointSettings{"152.34", "L2-"}};
            w_->daochu_Click();
            QCOMPARE(host_.messages, QStringList());
            const QString calc = path("calc") + QString::fromUtf8(name);
            QCOMPARE(QProcess::execute(korvel::test::korvelCalc(),
                                       run + heights + QStringList{"-o", calc}),
                     0);
            QCOMPARE(withoutStamp(bytesOf(path(name))), withoutStamp(bytesOf(calc)));
        }
        QVERIFY(bytesOf(path("放样.xml")).contains("<Surface name=\"锥坡坡面\">"));
        // The sheet, with the heights and the lines' points.
        host_.sheetAnswers = {
            korvel::SheetAsk{{"沪昆高速", "", "", "", "", "", "", "", ""}, {"152.34", "L2-"}}};
        host_.answers = {path("放样.pdf")};
        w_->jilubiao_Click();
        QCOMPARE(host_.messages, QStringList());
        QCOMPARE(QProcess::execute(
                     korvel::test::korvelCalc(),
                     run + heights + QStringList{"--project", "沪昆高速", "-o", path("calc.pdf")}),
                 0);
        QVERIFY(korvel::test::sameSheet(path("放样.pdf"), path("calc.pdf")));
        if (const std::optional<QString> text = korvel::test::sheetText(path("放样.pdf"))) {
            for (const char* expected : {"锥坡高程", "154.340", "工程量", "L2-1-1", "L2-2-4"}) {
                QVERIFY2(text->contains(QString::fromUtf8(expected)), expected);
            }
        }
        // Kept for the next time, the elevation shared with "放样点设置".
        host_.pointAnswers.clear();
        host_.answers = {path("again.dat")};
        w_->daochu_Click();
        QCOMPARE(host_.pointAsks.last().elevation, QStringLiteral("152.34"));
        host_.heightAnswers = {std::nullopt};
        w_->gaocheng_Click();
        QCOMPARE(host_.heightAsks.last().heights, asked.heights);
        QCOMPARE(host_.heightAsks.last().points.elevation, QStringLiteral("152.34"));
    }

    // A refused height says why and writes nothing; an empty top writes the toe only.
    void refusedAndCleared() {
        compute(kStepExample, true, 2);
        host_.heightAnswers = {korvel::HeightAsk{{"150", "", "", ""}, {"152.34", "L2-"}}};
        w_->gaocheng_Click();
        host_.answers = {path("a.csv")};
        host_.pointAnswers = {korvel::PointSettings{"152.34", "L2-"}};
        w_->daochu_Click();
        QCOMPARE(host_.messages,
                 QStringList{QString::fromStdString(korvel::problemText(
                     korvel::problemAbout(korvel::ProblemCode::TopNotAboveToe, "150")))});
        QCOMPARE(entries(dir_->path()), QStringList());
        host_.heightAnswers = {korvel::HeightAsk{{"", "", "", "1"}, {"152.34", "L2-"}}};
        w_->gaocheng_Click();
        host_.answers = {path("a.csv")};
        host_.pointAnswers = {korvel::PointSettings{"152.34", "L2-"}};
        w_->daochu_Click();
        QCOMPARE(bytesOf(path("a.csv")).count("\r\n"), 7);
    }
};

QTEST_MAIN(HeightTest)
#include "height_test.moc"
