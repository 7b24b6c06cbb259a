// "坡面检测" in the window: the item greyed until a top is set, the real dialog offscreen with
// its table, marks, summary, tolerance and coordinate order, and its export byte for byte as
// korvel-calc --face writes it; and the coordinate order in "放样复核"'s dialog.
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>

#include "suite_platform.h"
#include "ui/check_dialog.h"
#include "ui/face_dialog.h"
#include "window_fixture.h"

namespace {

// The worked example's run by step length in 位置2, as korvel-calc takes it.
const QStringList kRun = QStringList{"--step", "--position", "2"} +
                         korvel::test::textsAsList<QStringList>(korvel::test::kStepTexts);
// The slope: toe 100, top 104, slopes 1:2 and 1:1.
const QStringList kSlope = {"--elevation", "100", "--top", "104", "--slope", "2,1"};
const korvel::HeightAsk kHeights{{"104", "2", "1", ""}, {"100", ""}};

// korvel-calc with `args`; its exit status.
int calc(const QStringList& args) {
    return QProcess::execute(korvel::test::korvelCalc(), args);
}

// The layered slope's own points written to `path` by korvel-calc, named L2-, L2-2-2 then
// shot 80 mm high, and the file turned to E,N order when `eastNorth`.
void writeShots(const QString& path, bool eastNorth) {
    QVERIFY(calc(kRun + kSlope + QStringList{"--prefix", "L2-", "--layers", "1", "-o", path}) == 0);
    QByteArray bytes = bytesOf(path).replace("L2-2-2,3000.858,5009.212,102.000",
                                             "L2-2-2,3000.858,5009.212,102.080");
    if (eastNorth) {
        QByteArray swapped;
        for (const QByteArray& line : bytes.split('\n')) {
            const QList<QByteArray> f = line.split(',');
            if (f.size() > 3) {
                swapped += f[0] + ',' + f[2] + ',' + f[1] + ',' + f[3] + ",\r\n";
            }
        }
        bytes = swapped;
    }
    QVERIFY(put(path, bytes));
}

}  // namespace

class FaceTest : public QObject, WindowFixture {
    Q_OBJECT

  private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    // Greyed until the list has rows and "锥坡高程" a top; greyed again when the top is cleared.
    void greyedUntilATop() {
        QVERIFY(!w_->jiance->isEnabled());
        compute(kStepExample, true, 2);
        QVERIFY(!w_->jiance->isEnabled());
        QVERIFY(w_->gaocheng->isEnabled());
        host_.heightAnswers = {kHeights};
        w_->gaocheng_Click();
        QVERIFY(w_->jiance->isEnabled());
        host_.heightAnswers = {korvel::HeightAsk{{" ", "", "", ""}, {"100", "L2-"}}};
        w_->gaocheng_Click();
        QVERIFY(!w_->jiance->isEnabled());
    }

    // The real dialog: the table of every shot, the one 80 mm high marked, the summary; the
    // tolerance and the order recompute it; a refused tolerance offers no export.
    void realDialog() {
        writeShots(path("实测.csv"), true);
        korvel::FaceSession session{{}, kHeights.points, kHeights.heights, path("实测.csv"), {},
                                    {}};
        session.run.texts = korvel::test::textsAs<std::string>(korvel::test::kStepTexts);
        session.run.selection = korvel::Selection{true, {false, true, false, false}};
        session.run.rows = korvel::runCalculation(session.run.texts, session.run.selection).rows;
        int exports = 0;
        session.exportFace = [&exports](const korvel::FaceInputs& inputs,
                                        const korvel::FaceReport& report) {
            QCOMPARE(inputs.order, korvel::CoordinateOrder::EastNorth);
            QVERIFY(report.check.high == 1);
            ++exports;
        };
        whenOpen<QDialog>([](QDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("坡面检测"));
            auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("faceTable"));
            auto* summary = dialog->findChild<QLabel*>(QStringLiteral("summary"));
            auto* tolerance = dialog->findChild<QLineEdit*>(QStringLiteral("tolerance"));
            auto* order = dialog->findChild<QComboBox*>(QStringLiteral("order"));
            auto* exporting = dialog->findChild<QPushButton*>(QStringLiteral("exportFace"));
            QVERIFY(order->isEnabled());
            // Read as N,E the swapped file lies nowhere on the slope.
            QVERIFY(summary->text().startsWith(QStringLiteral("共0点")));
            order->setCurrentIndex(1);
            QCOMPARE(table->rowCount(), 25);
            QVERIFY(summary->text().startsWith(QStringLiteral("共16点：合格15点，偏高1点")));
            QList<int> marked;
            for (int r = 0; r < table->rowCount(); ++r) {
                if (table->item(r, 6)->text() == QStringLiteral("▲偏高")) {
                    marked << r;
                    QVERIFY(table->item(r, 0)->font().bold());
                }
            }
            QCOMPARE(marked.size(), 1);
            QCOMPARE(table->item(marked[0], 0)->text(), QStringLiteral("L2-2-2"));
            tolerance->setText(QStringLiteral("90"));
            QVERIFY(summary->text().startsWith(QStringLiteral("共16点：合格16点")));
            tolerance->setText(QStringLiteral("0"));
            QVERIFY(!exporting->isEnabled());
            tolerance->setText(QStringLiteral("50"));
            exporting->click();
            dialog->findChild<QPushButton*>(QStringLiteral("closeFace"))->click();
        });
        korvel::QtDialogHost real;
        const korvel::FaceInputs last = real.showFace(nullptr, session);
        QCOMPARE(exports, 1);
        QCOMPARE(last.tolerance, QStringLiteral("50"));
        QCOMPARE(last.order, korvel::CoordinateOrder::EastNorth);
    }

    // The window's export as korvel-calc --face writes the same: the CSV byte for byte, the
    // sheet word for word; the inputs remembered for the next time.
    void exportsAsKorvelCalc() {
        writeShots(path("实测.csv"), false);
        compute(kStepExample, true, 2);
        host_.heightAnswers = {kHeights};
        w_->gaocheng_Click();
        host_.answers = {path("实测.csv"), path("检测.csv"), path("检测.pdf")};
        host_.onFace = [](const korvel::FaceSession& session) {
            const korvel::FaceInputs inputs{QStringLiteral("30"), session.inputs.order};
            const korvel::FaceRequest face = korvel::faceOfInputs(session, inputs);
            session.exportFace(inputs, face.report);
            session.exportFace(inputs, face.report);
            return inputs;
        };
        w_->jiance_Click();
        QCOMPARE(host_.messages, QStringList());
        QCOMPARE(host_.calls.value(0).settings.title, QStringLiteral("选择实测点文件"));
        QCOMPARE(host_.calls.value(1).settings.title, QStringLiteral("保存检测结果"));
        const QStringList face =
            kRun + kSlope + QStringList{"--face", path("实测.csv"), "--tolerance", "30", "-o"};
        QCOMPARE(calc(face + QStringList{path("calc.csv")}), 3);
        QCOMPARE(bytesOf(path("检测.csv")), bytesOf(path("calc.csv")));
        QVERIFY(calc(face + QStringList{path("calc.pdf")}) == 3);
        // The same sheet as korvel-calc's, and the words poppler reads in it where it is at hand.
        QVERIFY(korvel::test::sameSheet(path("检测.pdf"), path("calc.pdf")));
        if (const std::optional<QString> text = korvel::test::sheetText(path("检测.pdf"))) {
            QVERIFY(text->contains(QStringLiteral("锥坡坡面高程检测表")));
        }
        // The tolerance typed is kept for the next time.
        host_.onFace = nullptr;
        host_.answers = {path("实测.csv")};
        w_->jiance_Click();
        QCOMPARE(host_.faceSessions.last().inputs.tolerance, QStringLiteral("30"));
    }

    // "放样复核" reads a P,E,N file once its order is chosen.
    void checkTakesTheOrder() {
        writeShots(path("实测.csv"), true);
        korvel::CheckSession session;
        session.rows =
            korvel::runCalculation(korvel::test::textsAs<std::string>(korvel::test::kStepTexts),
                                   korvel::Selection{true, {false, true, false, false}})
                .rows;
        session.path = path("实测.csv");
        session.measured =
            korvel::readMeasuredFile(session.path, korvel::CoordinateOrder::NorthEast);
        session.inputs = {QStringLiteral("L2-"), QStringLiteral("50"),
                          korvel::CoordinateOrder::NorthEast};
        session.exportCheck = [](const korvel::CheckInputs&, const korvel::CheckReport&) {};
        whenOpen<QDialog>([](QDialog* dialog) {
            auto* summary = dialog->findChild<QLabel*>(QStringLiteral("summary"));
            auto* order = dialog->findChild<QComboBox*>(QStringLiteral("order"));
            QVERIFY(summary->text().startsWith(QStringLiteral("共7点：合格0点，超限7点")));
            order->setCurrentIndex(1);
            QVERIFY(summary->text().startsWith(QStringLiteral("共7点：合格7点")));
            dialog->findChild<QPushButton*>(QStringLiteral("closeCheck"))->click();
        });
        korvel::QtDialogHost real;
        QCOMPARE(real.showCheck(nullptr, session).order, korvel::CoordinateOrder::EastNorth);
    }
};

QTEST_MAIN(FaceTest)
#include "face_test.moc"
