// The four file commands driven through the window: how each sets up the dialog, what it
// writes or reads, and what it says when the user cancels or the file is not there.
#include <QCoreApplication>
#include <QLabel>

#include "window_fixture.h"

namespace {

// The liti folder beside the running program, as the dialogs get it.
QString litiBesideProgram() {
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) + QDir::separator() +
           QStringLiteral("liti");
}

}  // namespace

class FileCommandsTest : public QObject, WindowFixture {
    Q_OBJECT

    // Computes the step-length example for 位置2; 7 lines.
    void computeStepExample() {
        compute(kStepExample, true, 2);
        QCOMPARE(w_->listLines().size(), 7);
    }

  private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    // Kind, title, filter, default extension, starting folder and emptied name as each
    // command leaves them; the results dialogs start where a parameter dialog last did, and
    // the open dialog keeps the extension of the dialog before it.
    void dialogSetUp() {
        w_->baocuncg_Click();  // before any parameter dialog: no starting folder yet
        w_->baocun_Click();
        w_->duqu_Click();
        w_->baocuncg_Click();
        w_->save_Click();
        QStringList seen;
        for (const auto& [kind, s] : host_.calls) {
            seen << QStringList{kind, s.title, s.filter, s.defaultExt, s.initDir, s.fileName}.join(
                QLatin1Char('|'));
        }
        const QString liti = litiBesideProgram();
        QCOMPARE(seen, (QStringList{"save|保存计算成果|TXT文件(*.txt)|*txt|txt||",
                                    "save|保存参数|zdy文件(*.zdy)|*zdy|zdy|" + liti + "|",
                                    "open|读取参数|文本文件(*.zdy)|*.zdy|zdy|" + liti + "|",
                                    "save|保存计算成果|TXT文件(*.txt)|*txt|txt|" + liti + "|",
                                    "save|保存成果|xls文件(*.xls)|*xls|xls|" + liti + "|"}));
        QVERIFY(host_.messages.isEmpty());
    }

    // The sample files lie in the liti folder beside the built program and compute their
    // worked examples.
    void sampleFilesBesideProgram() {
        const QDir liti(QString::fromUtf8(KORVEL_PROGRAM_LITI));
        QCOMPARE(liti.entryList({QStringLiteral("*.zdy")}).size(), 2);
        host_.answers = {liti.filePath(QStringLiteral("例1_按步长.zdy"))};
        w_->duqu_Click();
        QCOMPARE(w_->inputTexts(), kStepExample);
        computeStepExample();
        QCOMPARE(w_->listLines().last(), QStringLiteral("  7     2995.451     5016.120"));
    }

    // Saving and reading back restores every text exactly; the read leaves the list, the
    // mode, the position and Label7 alone.
    void parametersRoundTrip() {
        computeStepExample();
        const QStringList lines = w_->listLines();
        const Texts odd = texts({"  12.5 ", "", "六十度", "abc", "\t", "45.153", "0", "-4.25e1"});
        w_->setInputTexts(odd);
        host_.answers = {path("例.zdy"), path("例.zdy")};
        w_->baocun_Click();
        w_->Command2_Click();
        w_->duqu_Click();
        QCOMPARE(w_->inputTexts(), odd);
        QVERIFY(w_->listLines().isEmpty());  // emptied by Clear, not refilled by the read

        computeStepExample();
        w_->duqu_Click();  // the script is empty now: cancelled, nothing changes
        host_.answers = {path("例.zdy")};
        w_->duqu_Click();
        QCOMPARE(w_->listLines(), lines);
        QVERIFY(w_->Option5->isChecked() && w_->Option2->isChecked());
        QCOMPARE(w_->Label7->text(), QStringLiteral("固定长度"));
        QVERIFY(host_.messages.isEmpty());
    }

    // The saved files byte for byte: the parameter file of eight CR LF lines in GBK; the
    // results text, each line plus CR LF and one more CR LF, also for an empty list.
    void savedBytes() {
        w_->setInputTexts(texts({"30", "15", "90", "500", "800", "45.3", "2", "交角6"}));
        host_.answers = {path("a.zdy")};
        w_->baocun_Click();
        QCOMPARE(readAll(path("a.zdy")),
                 QByteArray("30\r\n15\r\n90\r\n500\r\n800\r\n45.3\r\n2\r\n\xBD\xBB\xBD\xC7"
                            "6\r\n"));
        computeStepExample();
        host_.answers = {path("r.txt"), path("empty.txt")};
        w_->baocuncg_Click();
        QByteArray expected;
        for (const QString& line : w_->listLines()) {
            expected += line.toLatin1() + "\r\n";
        }
        QCOMPARE(readAll(path("r.txt")), expected + "\r\n");
        QVERIFY(expected.startsWith("  1     3003.069     5008.352\r\n"));
        w_->Command2_Click();
        w_->baocuncg_Click();
        QCOMPARE(readAll(path("empty.txt")), QByteArray("\r\n"));
    }

    // The workbook is an OLE2 compound file, or a zip when the name asks for .xlsx.
    void resultsWorkbook() {
        computeStepExample();
        host_.answers = {path("r.xls"), path("r.XLSX")};
        w_->save_Click();
        w_->save_Click();
        QVERIFY(readAll(path("r.xls")).startsWith(QByteArray::fromHex("d0cf11e0a1b11ae1")));
        QVERIFY(readAll(path("r.XLSX")).startsWith("PK"));
        QCOMPARE(w_->listLines().size(), 7);
        QVERIFY(host_.messages.isEmpty());
    }

    // Cancelled dialogs write nothing and say nothing; an existing file stays as it was.
    void cancelWritesNothing() {
        computeStepExample();
        QVERIFY(writeAll(path("keep.txt"), "old"));
        w_->baocun_Click();
        w_->baocuncg_Click();
        w_->save_Click();
        QCOMPARE(entries(dir_->path()), QStringList{"keep.txt"});
        QCOMPARE(readAll(path("keep.txt")), QByteArray("old"));
        QVERIFY(host_.messages.isEmpty());
    }
};

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
