// The four file commands driven through the window: how each sets up the dialog, what it
// writes or reads, and what it says when the user cancels; and the real dialogs behind
// CommonDialog1 (Qt's file dialog and message box) as the user sees them.
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "ui/look.h"
#include "window_fixture.h"

namespace {

// Runs `check` on the modal dialog of type T as soon as it is open.
template <typename T>
void whenModalOpens(std::function<void(T*)> check) {
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, check] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            check(dialog);
        }
    });
    timer->start();
}

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
    // Qt's buttons in Chinese, as the program loads them at start.
    void initTestCase() { QVERIFY(korvel::installChineseQtTexts(*qApp)); }
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    // Kind, title, filter, default extension, starting folder and emptied name as each
    // command leaves them; the results dialogs start where a parameter dialog last did, and
    // the open dialog keeps the extension of the dialog before it.
    void dialogSetUp() {
        // Names chosen in a save dialog, which the next dialog must not show.
        host_.answers = {path("r.txt"), QString(), path("p.zdy")};
        w_->baocuncg_Click();  // before any parameter dialog: no starting folder yet
        w_->duqu_Click();
        w_->baocun_Click();
        w_->baocuncg_Click();
        w_->save_Click();
        QStringList seen;
        for (const auto& [kind, s] : host_.calls) {
            seen << QStringList{kind, s.title, s.filter, s.defaultExt, s.initDir, s.fileName}.join(
                QLatin1Char('|'));
        }
        const QString liti = litiBesideProgram();
        QCOMPARE(seen, (QStringList{"save|保存计算成果|TXT文件(*.txt)|*txt|txt||",
                                    "open|读取参数|文本文件(*.zdy)|*.zdy|txt|" + liti + "|",
                                    "save|保存参数|zdy文件(*.zdy)|*zdy|zdy|" + liti + "|",
                                    "save|保存计算成果|TXT文件(*.txt)|*txt|txt|" + liti + "|",
                                    "save|保存成果|xls文件(*.xls)|*xls|xls|" + liti + "|"}));
        // The parameter save dialog, shown first, starts in liti too.
        ScriptedDialogHost fresh;
        Form1 window(&fresh);
        window.baocun_Click();
        QCOMPARE(fresh.calls.value(0).settings.initDir, liti);
        QVERIFY(host_.messages.isEmpty());
    }

    // Saving and reading back restores every text exactly; the read leaves the list, the
    // mode, the position and Label7 alone.
    void parametersRoundTrip() {
        computeStepExample();
        const QStringList lines = w_->listLines();
        const Texts odd = {"  12.5 ", "", "六十度", "abc", "\t", "45.153", "0", "-4.25e1"};
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
    // results text, each line plus CR LF and one more CR LF.
    void savedBytes() {
        w_->setInputTexts(Texts{"30", "15", "90", "500", "800", "45.3", "2", "交角6"});
        host_.answers = {path("a.zdy")};
        w_->baocun_Click();
        QCOMPARE(bytesOf(path("a.zdy")),
                 QByteArray("30\r\n15\r\n90\r\n500\r\n800\r\n45.3\r\n2\r\n\xBD\xBB\xBD\xC7"
                            "6\r\n"));
        computeStepExample();
        host_.answers = {path("r.txt")};
        w_->baocuncg_Click();
        QCOMPARE(
            bytesOf(path("r.txt")),
            (w_->listLines().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n\r\n")).toLatin1());
    }

    // The workbook is an OLE2 compound file, or a zip when the name asks for .xlsx; the
    // cancelled dialogs after them write nothing and say nothing.
    void resultsWorkbookThenCancel() {
        computeStepExample();
        QVERIFY(put(path("keep.txt"), "old"));
        host_.answers = {path("r.xls"), path("r.XLSX")};
        for (void (Form1::*command)() :
             {&Form1::save_Click, &Form1::save_Click, &Form1::baocun_Click, &Form1::baocuncg_Click,
              &Form1::save_Click}) {
            (w_.get()->*command)();
        }
        QVERIFY(bytesOf(path("r.xls")).startsWith(QByteArray::fromHex("d0cf11e0a1b11ae1")));
        QVERIFY(bytesOf(path("r.XLSX")).startsWith("PK"));
        QCOMPARE(entries(dir_->path()), (QStringList{"keep.txt", "r.XLSX", "r.xls"}));
        QCOMPARE(bytesOf(path("keep.txt")), QByteArray("old"));
        QVERIFY(host_.messages.isEmpty());
    }

    // "description|pattern" pairs become "description (pattern)", ";" lists blank lists.
    void filterConversion() {
        QCOMPARE(korvel::toQtNameFilters(QStringLiteral("文本文件(*.txt)|*.txt|所有文件|*.*")),
                 (QStringList{"文本文件(*.txt) (*.txt)", "所有文件 (*.*)"}));
        QCOMPARE(korvel::toQtNameFilters(QStringLiteral("表格|*.xls;*.xlsx")),
                 QStringList{"表格 (*.xls *.xlsx)"});
    }

    // The real file dialogs: title, folder, the description shown as written while its
    // own pattern filters, the default extension added to a typed name, a missing name
    // accepted by the open dialog, and "" when cancelled.
    void realFileDialog_data() {
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("ext");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("save") << true << QStringLiteral("zdy文件(*.zdy)|*zdy")
                              << QStringLiteral("zdy") << QStringLiteral("abc")
                              << QStringLiteral("abc.zdy");
        QTest::newRow("open") << false << QStringLiteral("文本文件(*.zdy)|*.zdy") << QString()
                              << QStringLiteral("missing.zdy") << QStringLiteral("missing.zdy");
    }
    void realFileDialog() {
        QFETCH(bool, save);
        QFETCH(QString, filter);
        QFETCH(QString, ext);
        QFETCH(QString, typed);
        QFETCH(QString, chosen);
        korvel::QtDialogHost real;
        const korvel::DialogSettings settings{"标题", QString(), dir_->path(), filter, ext, {}};
        const auto show = [&] {
            return save ? real.saveFile(nullptr, settings) : real.openFile(nullptr, settings);
        };
        QStringList seen;
        whenModalOpens<QFileDialog>([&](QFileDialog* d) {
            seen << d->windowTitle() << QDir(d->directory()).canonicalPath()
                 << d->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))->currentText()
                 << d->findChild<QFileSystemModel*>()->nameFilters().join(QLatin1Char(','))
                 << QString::number(d->acceptMode());
            d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(typed);
            static_cast<QDialog*>(d)->accept();
        });
        QCOMPARE(show(), QDir::toNativeSeparators(QDir(dir_->path()).filePath(chosen)));
        const QStringList parts = filter.split(QLatin1Char('|'));
        QCOMPARE(seen, (QStringList{"标题", QDir(dir_->path()).canonicalPath(), parts[0], parts[1],
                                    QString::number(save ? QFileDialog::AcceptSave
                                                         : QFileDialog::AcceptOpen)}));
        whenModalOpens<QFileDialog>([](QFileDialog* d) { d->reject(); });
        QCOMPARE(show(), QString());
    }

    // The real message box: caption "Korvel", the text, no icon, one button "确定", modal.
    void realMessageBox() {
        korvel::QtDialogHost real;
        QStringList seen;
        whenModalOpens<QMessageBox>([&seen](QMessageBox* box) {
            seen << box->windowTitle() << box->text() << QString::number(box->icon())
                 << QString::number(box->buttons().size()) << box->buttons().first()->text()
                 << QString::number(box->isModal());
            box->buttons().first()->click();
        });
        real.showMessage(nullptr, QStringLiteral("间隔数应大于0"));
        QCOMPARE(seen, (QStringList{"Korvel", "间隔数应大于0", QString::number(QMessageBox::NoIcon),
                                    "1", "确定", "1"}));
    }
};

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
