// The real dialogs behind CommonDialog1: the filter in Qt's form, and Qt's own file dialog
// and message box as the user sees them. What each command sets up, and what carries over
// from one command to the next, is checked through the window in file_commands_test.cpp.
#include <QApplication>
#include <QComboBox>
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

#include "ui/dialog_host.h"
#include "ui/look.h"

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
    void filterConversion_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("qt");
        QTest::newRow("zdy") << "zdy文件(*.zdy)|*zdy" << QStringList{"zdy文件(*.zdy) (*zdy)"};
        QTest::newRow("two") << "文本文件(*.txt)|*.txt|所有文件|*.*"
                             << QStringList{"文本文件(*.txt) (*.txt)", "所有文件 (*.*)"};
        QTest::newRow("list") << "表格|*.xls;*.xlsx" << QStringList{"表格 (*.xls *.xlsx)"};
        QTest::newRow("none") << "" << QStringList{};
    }
    void filterConversion() {
        QFETCH(QString, filter);
        QFETCH(QStringList, qt);
        QCOMPARE(toQtNameFilters(filter), qt);
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
