// CommonDialog1 and the real dialogs behind it: the filter in Qt's form, settings kept from
// one command to the next, and Qt's own file dialog and message box as the user sees them.
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "scripted_host.h"
#include "ui/common_dialog.h"
#include "ui/look.h"

using korvel::CommonDialog;
using korvel::QtDialogHost;
using korvel::toQtNameFilters;

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

}  // namespace

class DialogTest : public QObject {
    Q_OBJECT

  private slots:
    // Qt's buttons in Chinese, as the program loads them at start.
    void initTestCase() { QVERIFY(korvel::installChineseQtTexts(*qApp)); }

    // "description|pattern" pairs become "description (pattern)", ";" lists blank lists.
    void filterConversion() {
        QCOMPARE(toQtNameFilters(QStringLiteral("zdy文件(*.zdy)|*zdy")),
                 QStringList{QStringLiteral("zdy文件(*.zdy) (*zdy)")});
        QCOMPARE(toQtNameFilters(QStringLiteral("文本文件(*.txt)|*.txt|所有文件|*.*")),
                 (QStringList{QStringLiteral("文本文件(*.txt) (*.txt)"),
                              QStringLiteral("所有文件 (*.*)")}));
        QCOMPARE(toQtNameFilters(QStringLiteral("表格|*.xls;*.xlsx")),
                 QStringList{QStringLiteral("表格 (*.xls *.xlsx)")});
        QVERIFY(toQtNameFilters(QString()).isEmpty());
    }

    // A setting made once stays for later dialogs; the answer becomes the file name; a
    // cancelled dialog gives an empty path.
    void settingsCarryOver() {
        ScriptedDialogHost host;
        host.answers = {QStringLiteral("/data/liti/a.zdy")};
        CommonDialog dialog(host, nullptr);
        QCOMPARE(dialog.objectName(), QStringLiteral("CommonDialog1"));
        dialog.setDialogTitle(QStringLiteral("保存参数"));
        dialog.setInitDir(QStringLiteral("/data/liti"));
        dialog.setFilter(QStringLiteral("zdy文件(*.zdy)|*zdy"));
        dialog.setDefaultExt(QStringLiteral("zdy"));
        dialog.setFileName(QString());
        QCOMPARE(dialog.showSave(), QStringLiteral("/data/liti/a.zdy"));
        QCOMPARE(dialog.fileName(), QStringLiteral("/data/liti/a.zdy"));

        dialog.setDialogTitle(QStringLiteral("保存计算成果"));
        QCOMPARE(dialog.showOpen(), QString());
        QCOMPARE(host.calls.size(), 2);
        QCOMPARE(host.calls[0].kind, QStringLiteral("save"));
        QCOMPARE(host.calls[1].kind, QStringLiteral("open"));
        const korvel::DialogSettings& later = host.calls[1].settings;
        QCOMPARE(later.title, QStringLiteral("保存计算成果"));
        QCOMPARE(later.initDir, QStringLiteral("/data/liti"));
        QCOMPARE(later.filter, QStringLiteral("zdy文件(*.zdy)|*zdy"));
        QCOMPARE(later.defaultExt, QStringLiteral("zdy"));
        QCOMPARE(later.fileName, QStringLiteral("/data/liti/a.zdy"));
    }

    // The real save dialog: title, folder, the description shown as written while the
    // pattern is "*zdy", and the default extension added to a typed name.
    void realSaveDialog() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QtDialogHost host;
        korvel::DialogSettings settings{QStringLiteral("保存参数"), QString(), dir.path(),
                                        QStringLiteral("zdy文件(*.zdy)|*zdy"),
                                        QStringLiteral("zdy")};
        QStringList seen;
        whenModalOpens<QFileDialog>([&seen, &dir](QFileDialog* d) {
            seen << d->windowTitle() << QDir(d->directory()).canonicalPath()
                 << d->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))->currentText()
                 << d->findChild<QFileSystemModel*>()->nameFilters().join(QLatin1Char(','))
                 << QString::number(d->acceptMode());
            d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                ->setText(QStringLiteral("abc"));
            static_cast<QDialog*>(d)->accept();
        });
        const QString chosen = host.saveFile(nullptr, settings);
        QCOMPARE(seen, (QStringList{QStringLiteral("保存参数"), QDir(dir.path()).canonicalPath(),
                                    QStringLiteral("zdy文件(*.zdy)"), QStringLiteral("*zdy"),
                                    QString::number(QFileDialog::AcceptSave)}));
        QCOMPARE(QFileInfo(chosen).fileName(), QStringLiteral("abc.zdy"));
        QCOMPARE(QFileInfo(chosen).absolutePath(), QFileInfo(dir.path()).absoluteFilePath());
    }

    // The real open dialog accepts a name that does not exist, and cancelling gives "".
    void realOpenDialog() {
        QTemporaryDir dir;
        QtDialogHost host;
        korvel::DialogSettings settings{QStringLiteral("读取参数"), QString(), dir.path(),
                                        QStringLiteral("文本文件(*.zdy)|*.zdy"), QString()};
        whenModalOpens<QFileDialog>([](QFileDialog* d) {
            QCOMPARE(d->acceptMode(), QFileDialog::AcceptOpen);
            d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                ->setText(QStringLiteral("missing.zdy"));
            static_cast<QDialog*>(d)->accept();
        });
        QCOMPARE(QFileInfo(host.openFile(nullptr, settings)).fileName(),
                 QStringLiteral("missing.zdy"));
        whenModalOpens<QFileDialog>([](QFileDialog* d) { d->reject(); });
        QCOMPARE(host.openFile(nullptr, settings), QString());
    }

    // The real message box: caption "Korvel", the text, no icon, one button "确定", modal.
    void realMessageBox() {
        QtDialogHost host;
        QStringList seen;
        whenModalOpens<QMessageBox>([&seen](QMessageBox* box) {
            seen << box->windowTitle() << box->text() << QString::number(box->icon())
                 << QString::number(box->buttons().size()) << box->buttons().first()->text()
                 << QString::number(box->isModal());
            box->buttons().first()->click();
        });
        host.showMessage(nullptr, QStringLiteral("间隔数应大于0"));
        QCOMPARE(seen, (QStringList{QStringLiteral("Korvel"), QStringLiteral("间隔数应大于0"),
                                    QString::number(QMessageBox::NoIcon), QStringLiteral("1"),
                                    QStringLiteral("确定"), QStringLiteral("1")}));
    }
};

QTEST_MAIN(DialogTest)
#include "dialog_test.moc"
