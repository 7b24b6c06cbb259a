// Inputs no surveyor means to type (zero axes, reflex angles, huge numbers, megabyte texts):
// at most 32767 numbered rows, one of the window's own messages, and a usable window.
#include "core/messages.h"
#include "window_fixture.h"

namespace {

// Whether `message` is one the calculation may show.
bool isKnownMessage(const QString& message) {
    const std::string m = message.toStdString();
    return m == korvel::kMessageEmptyInput || m == korvel::kMessageStepNotPositive ||
           m == korvel::kMessageTooManyRows ||
           (message.startsWith(QStringLiteral("有")) &&
            message.endsWith(QStringLiteral("个点无法计算，已略去")));
}

}  // namespace

class DegenerateInputTest : public QObject, WindowFixture {
    Q_OBJECT

    // Computes the angle example with `value` in box `box` (0-based) in the given mode and
    // position, and checks what the window shows.
    void computeAndCheck(int box, const QString& value, bool stepMode, int position) {
        Texts inputs = kAngleExample;
        inputs[static_cast<std::size_t>(box)] = value;
        host_.messages.clear();
        compute(inputs, stepMode, position);
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
        QCOMPARE(w_->inputTexts(), inputs);  // untouched by the run
    }

  private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    // One value in one box, run in both modes at the positions listed.
    void degenerateInputs_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QList<int>>("positions");
        const QList<int> all = {1, 2, 3, 4};
        // "box number=value": zero and negative axes, flat and reflex angles, a vanishing a.
        for (const char* entry : {"1=0", "2=0", "3=0", "3=180", "3=200", "3=361", "3=-30", "1=-10",
                                  "1=1e-300", "2=-6"}) {
            QTest::addRow("Text%s", entry)
                << entry[0] - '1' << QString::fromLatin1(entry + 2) << all;
        }
        for (int box = 0; box < 8; ++box) {
            for (const char* value : {"1e308", "-1e308", "1.7976931348623157e308", "1e999"}) {
                QTest::addRow("Text%d=%s", box + 1, value)
                    << box << QString::fromLatin1(value) << QList<int>{2, 3};
            }
        }
        for (const char* degrees : {"2147483648", "-2147483648.5959", "1e20"}) {
            for (const int box : {2, 5, 6}) {
                QTest::addRow("Text%d=%s", box + 1, degrees)
                    << box << QString::fromLatin1(degrees) << QList<int>{2, 3, 4};
            }
        }
        const QString digits = QStringLiteral("1") + QString(1 << 20, QLatin1Char('0'));
        const QString letters(1 << 20, QLatin1Char('x'));
        const QString blanks = QStringLiteral("5") + QString(1 << 20, QLatin1Char(' '));
        for (int box = 0; box < 8; ++box) {
            QTest::addRow("Text%d=1e1048576", box + 1) << box << digits << QList<int>{1};
            QTest::addRow("Text%d=x*1048576", box + 1) << box << letters << QList<int>{2};
            QTest::addRow("Text%d=5 blanks", box + 1) << box << blanks << QList<int>{3};
        }
    }
    void degenerateInputs() {
        QFETCH(int, box);
        QFETCH(QString, value);
        QFETCH(QList<int>, positions);
        for (const bool stepMode : {true, false}) {
            for (const int position : positions) {
                computeAndCheck(box, value, stepMode, position);
            }
        }
        // After all that, an ordinary run still gives the worked example.
        computeAndCheck(0, kAngleExample[0], false, 2);
        QCOMPARE(w_->listLines().first(), QStringLiteral("  1     1007.000     512.124"));
    }

    // A step too fine for 32767 rows is refused with its message in both modes, and an
    // azimuth beyond 32-bit degrees gives no rows.
    void beyondReach() {
        for (const bool stepMode : {true, false}) {
            computeAndCheck(6, QStringLiteral("1e-300"), stepMode, 1);
            QCOMPARE(host_.messages,
                     QStringList{QString::fromUtf8(korvel::kMessageTooManyRows.data())});
            QVERIFY(w_->listLines().isEmpty());
        }
        for (const char* degrees : {"2147483648", "-2147483648.5959", "1e20"}) {
            computeAndCheck(5, QString::fromLatin1(degrees), false, 2);
            QVERIFY(w_->listLines().isEmpty());
        }
    }
};

QTEST_MAIN(DegenerateInputTest)
#include "degenerate_input_test.moc"
