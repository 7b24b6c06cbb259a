// The four file commands driven through the window: how each sets up the dialog, what it
// writes or reads, and what it says when the user cancels or the disk refuses.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "scripted_host.h"
#include "ui/form1.h"

using korvel::Form1;

namespace {

// Worked example, step mode, 位置2: a, b, β, X, Y, azimuth, step, D by box number.
const std::array<QString, 8> kStepExample = {QStringLiteral("12.5"), QStringLiteral("6"),
                                             QStringLiteral("60.3"), QStringLiteral("3000"),
                                             QStringLiteral("5000"), QStringLiteral("45.153"),
                                             QStringLiteral("2.5"),  QStringLiteral("4.25")};

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The liti folder beside the running program, as the dialogs get it.
QString litiBesideProgram() {
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) + QDir::separator() +
           QStringLiteral("liti");
}

}  // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

  private:
    ScriptedDialogHost host_;
    std::unique_ptr<Form1> w_;
    std::unique_ptr<QTemporaryDir> dir_;

    QString path(const char* name) const { return dir_->filePath(QString::fromUtf8(name)); }

    // Computes the step-length example for 位置2; 7 lines.
    void computeStepExample() {
        w_->setInputTexts(kStepExample);
        w_->Option5->setChecked(true);
        w_->Option2->setChecked(true);
        w_->Command1_Click();
        QCOMPARE(w_->listLines().size(), 7);
    }

  private slots:
    void init() {
        host_ = ScriptedDialogHost{};
        w_ = std::make_unique<Form1>(&host_);
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }
    void cleanup() {
        w_.reset();
        dir_.reset();
    }

    // Titles, emptied names, filters and extensions as each command sets them, and the
    // starting folder that the results dialogs inherit from a parameter dialog.
    void dialogSetUp() {
        host_.answers = {QString(), QString(), QString(), QString(), QString()};
        w_->baocuncg_Click();  // before any parameter dialog: no starting folder yet
        w_->baocun_Click();
        w_->duqu_Click();
        w_->baocuncg_Click();
        w_->save_Click();
        QCOMPARE(host_.calls.size(), 5);
        QCOMPARE(host_.calls[0].settings.initDir, QString());

        const auto& save = host_.calls[1];
        QCOMPARE(save.kind, QStringLiteral("save"));
        QCOMPARE(save.settings.title, QStringLiteral("保存参数"));
        QCOMPARE(save.settings.filter, QStringLiteral("zdy文件(*.zdy)|*zdy"));
        QCOMPARE(save.settings.defaultExt, QStringLiteral("zdy"));
        QCOMPARE(save.settings.initDir, litiBesideProgram());
        QCOMPARE(save.settings.fileName, QString());

        const auto& open = host_.calls[2];
        QCOMPARE(open.kind, QStringLiteral("open"));
        QCOMPARE(open.settings.title, QStringLiteral("读取参数"));
        QCOMPARE(open.settings.filter, QStringLiteral("文本文件(*.zdy)|*.zdy"));
        QCOMPARE(open.settings.defaultExt, QStringLiteral("zdy"));  // left by the save dialog
        QCOMPARE(open.settings.initDir, litiBesideProgram());

        const auto& text = host_.calls[3];
        QCOMPARE(text.settings.title, QStringLiteral("保存计算成果"));
        QCOMPARE(text.settings.filter, QStringLiteral("TXT文件(*.txt)|*txt"));
        QCOMPARE(text.settings.defaultExt, QStringLiteral("txt"));
        QCOMPARE(text.settings.initDir, litiBesideProgram());

        const auto& book = host_.calls[4];
        QCOMPARE(book.settings.title, QStringLiteral("保存成果"));
        QCOMPARE(book.settings.filter, QStringLiteral("xls文件(*.xls)|*xls"));
        QCOMPARE(book.settings.defaultExt, QStringLiteral("xls"));
        QCOMPARE(book.settings.initDir, litiBesideProgram());
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
        w_->Option5->setChecked(true);
        w_->Option2->setChecked(true);
        w_->Command1_Click();
        QCOMPARE(w_->listLines().last(), QStringLiteral("  7     2995.451     5016.120"));
    }

    // Saving and reading back restores every text exactly; the read leaves the list, the
    // mode, the position and Label7 alone.
    void parametersRoundTrip() {
        computeStepExample();
        const QStringList lines = w_->listLines();
        const std::array<QString, 8> odd = {QStringLiteral("  12.5 "), QString(),
                                            QStringLiteral("六十度"),  QStringLiteral("abc"),
                                            QStringLiteral("\t"),      QStringLiteral("45.153"),
                                            QStringLiteral("0"),       QStringLiteral("-4.25e1")};
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

    // The example file of eight lines, byte for byte.
    void parameterFileBytes() {
        w_->setInputTexts({QStringLiteral("30"), QStringLiteral("15"), QStringLiteral("90"),
                           QStringLiteral("500"), QStringLiteral("800"), QStringLiteral("45.3"),
                           QStringLiteral("2"), QStringLiteral("6")});
        host_.answers = {path("a.zdy")};
        w_->baocun_Click();
        QCOMPARE(readAll(path("a.zdy")),
                 QByteArray("30\r\n15\r\n90\r\n500\r\n800\r\n45.3\r\n2\r\n6\r\n"));
    }

    // A file an editor saved as "UTF-8 with BOM" fills the boxes without the mark: 12.5, not
    // "锘?12.5" reading as 0.
    void parameterFileWithByteOrderMark() {
        writeAll(path("bom.zdy"),
                 "\xEF\xBB\xBF"
                 "12.5\r\n6\r\n60.3\r\n3000\r\n5000\r\n45.153\r\n2.5\r\n4.25\r\n");
        host_.answers = {path("bom.zdy")};
        w_->duqu_Click();
        QCOMPARE(w_->inputTexts(), kStepExample);
        QVERIFY(host_.messages.isEmpty());
    }

    // A file that is missing, or a folder, gives "文件路径错误" and leaves the texts.
    void unreadableParameterFile() {
        w_->setInputTexts(kStepExample);
        host_.answers = {path("missing.zdy"), dir_->path()};
        w_->duqu_Click();
        w_->duqu_Click();
        QCOMPARE(host_.messages,
                 QStringList({QStringLiteral("文件路径错误"), QStringLiteral("文件路径错误")}));
        QCOMPARE(w_->inputTexts(), kStepExample);
    }

    // The results text: each line plus CR LF, then one more CR LF.
    void resultsText() {
        computeStepExample();
        host_.answers = {path("r.txt")};
        w_->baocuncg_Click();
        QByteArray expected;
        for (const QString& line : w_->listLines()) {
            expected += line.toLatin1() + "\r\n";
        }
        expected += "\r\n";
        QCOMPARE(readAll(path("r.txt")), expected);
        QVERIFY(readAll(path("r.txt")).startsWith("  1     3003.069     5008.352\r\n"));

        w_->Command2_Click();
        host_.answers = {path("empty.txt")};
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
        writeAll(path("keep.txt"), "old");
        w_->baocun_Click();
        w_->baocuncg_Click();
        w_->save_Click();
        QCOMPARE(readAll(path("keep.txt")), QByteArray("old"));
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(), 1);
        QVERIFY(host_.messages.isEmpty());
    }
};

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
