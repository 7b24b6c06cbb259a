// Inputs no surveyor means to type, pressed through the window: zero and negative axes,
// flat and reflex angles, the largest doubles in every box, vanishing steps, angles beyond
// 32-bit degrees and megabyte texts. The window must answer each with at most 32767
// numbered rows and one of its own messages, and stay usable.
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "core/messages.h"
#include "scripted_host.h"
#include "ui/form1.h"

using korvel::Form1;

namespace {

using Texts = std::array<QString, 8>;

// Angle example: a=10 b=6 β=60 X=1000 Y=500 azimuth=0 step=15 D=4, by box number.
const Texts kBase = {QStringLiteral("10"),   QStringLiteral("6"),   QStringLiteral("60"),
                     QStringLiteral("1000"), QStringLiteral("500"), QStringLiteral("0"),
                     QStringLiteral("15"),   QStringLiteral("4")};

Texts with(Texts texts, std::size_t box, const QString& value) {
    texts[box] = value;
    return texts;
}

// Whether `message` is one the calculation may show.
bool isKnownMessage(const QString& message) {
    const std::string m = message.toStdString();
    if (m == korvel::kMessageEmptyInput || m == korvel::kMessageStepNotPositive ||
        m == korvel::kMessageTooManyRows) {
        return true;
    }
    return message.startsWith(QStringLiteral("有")) &&
           message.endsWith(QStringLiteral("个点无法计算，已略去"));
}

}  // namespace

class DegenerateInputTest : public QObject {
    Q_OBJECT

  private:
    ScriptedDialogHost host_;
    std::unique_ptr<Form1> w_;

    // Computes `texts` in the given mode and position and checks what the window shows.
    void computeAndCheck(const Texts& texts, bool stepMode, int position) {
        host_.messages.clear();
        w_->setInputTexts(texts);
        (stepMode ? w_->Option5 : w_->Option6)->setChecked(true);
        QRadioButton* const positions[] = {w_->Option1, w_->Option2, w_->Option3, w_->Option4};
        positions[position - 1]->setChecked(true);
        w_->Command1_Click();

        const QStringList lines = w_->listLines();
        QVERIFY2(lines.size() <= korvel::kMaxRows, "no more rows than point numbers");
        for (qsizetype k = 0; k < lines.size(); ++k) {
            const QString number = lines[k].left(lines[k].indexOf(QStringLiteral("     ")));
            QCOMPARE(number.trimmed().toLongLong(), k + 1);
        }
        QVERIFY(host_.messages.size() <= 1);
        if (!host_.messages.isEmpty()) {
            QVERIFY2(isKnownMessage(host_.messages.first()), qPrintable(host_.messages.first()));
        }
        // The boxes hold what was typed, untouched by the run.
        QCOMPARE(w_->inputTexts(), texts);
    }

  private slots:
    void init() {
        host_ = ScriptedDialogHost{};
        w_ = std::make_unique<Form1>(&host_);
        w_->show();
        QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
    }
    void cleanup() { w_.reset(); }

    // Zero axes, flat and reflex angles, negative a, in every mode and position.
    void degenerateShapes_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("value");
        const std::pair<int, const char*> cases[] = {
            {0, "0"},   {1, "0"},   {2, "0"},   {2, "180"},    {2, "200"},
            {2, "361"}, {2, "-30"}, {0, "-10"}, {0, "1e-300"}, {1, "-6"},
        };
        for (const auto& [box, value] : cases) {
            QTest::addRow("Text%d=%s", box + 1, value) << box << QString::fromLatin1(value);
        }
    }
    void degenerateShapes() {
        QFETCH(int, box);
        QFETCH(QString, value);
        for (const bool stepMode : {true, false}) {
            for (int position = 1; position <= 4; ++position) {
                computeAndCheck(with(kBase, static_cast<std::size_t>(box), value), stepMode,
                                position);
            }
        }
    }

    // The largest doubles, either sign, in every box.
    void extremeValues_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("value");
        for (int box = 0; box < 8; ++box) {
            for (const char* value : {"1e308", "-1e308", "1.7976931348623157e308", "1e999"}) {
                QTest::addRow("Text%d=%s", box + 1, value) << box << QString::fromLatin1(value);
            }
        }
    }
    void extremeValues() {
        QFETCH(int, box);
        QFETCH(QString, value);
        for (const bool stepMode : {true, false}) {
            computeAndCheck(with(kBase, static_cast<std::size_t>(box), value), stepMode, 2);
            computeAndCheck(with(kBase, static_cast<std::size_t>(box), value), stepMode, 3);
        }
    }

    // Steps that never finish, and angles with no value.
    void stepsAndAnglesBeyondReach() {
        const Texts tooFine = with(kBase, 6, QStringLiteral("1e-300"));
        computeAndCheck(tooFine, true, 1);
        QCOMPARE(host_.messages,
                 QStringList{QString::fromUtf8(korvel::kMessageTooManyRows.data())});
        QVERIFY(w_->listLines().isEmpty());
        computeAndCheck(tooFine, false, 1);
        QCOMPARE(host_.messages,
                 QStringList{QString::fromUtf8(korvel::kMessageTooManyRows.data())});

        for (const char* degrees : {"2147483648", "-2147483648.5959", "1e20"}) {
            computeAndCheck(with(kBase, 5, QString::fromLatin1(degrees)), false, 2);
            QVERIFY(w_->listLines().isEmpty());
            computeAndCheck(with(kBase, 2, QString::fromLatin1(degrees)), true, 4);
            computeAndCheck(with(kBase, 6, QString::fromLatin1(degrees)), false, 3);
        }
    }

    // A megabyte in each box, digits or not.
    void megabyteTexts() {
        const QString digits = QStringLiteral("1") + QString(1 << 20, QLatin1Char('0'));
        const QString letters(1 << 20, QLatin1Char('x'));
        const QString blanks = QStringLiteral("5") + QString(1 << 20, QLatin1Char(' '));
        for (std::size_t box = 0; box < 8; ++box) {
            computeAndCheck(with(kBase, box, digits), box % 2 == 0, 1);
            computeAndCheck(with(kBase, box, letters), box % 2 == 1, 2);
            computeAndCheck(with(kBase, box, blanks), true, 3);
        }
        // After all that, an ordinary run still gives the worked example.
        computeAndCheck(kBase, false, 2);
        QCOMPARE(w_->listLines().size(), 6);
        QCOMPARE(w_->listLines().first(), QStringLiteral("  1     1007.000     512.124"));
    }
};

QTEST_MAIN(DegenerateInputTest)
#include "degenerate_input_test.moc"
