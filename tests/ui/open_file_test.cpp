// A parameter file opened the ways people open files: named at start (korvel FILE.zdy, a
// double-click) or dropped on the window; read as "参数读取" reads it, with the dialog
// object left as that command leaves it.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "window_fixture.h"

namespace {

// A drag over the window bringing `urls` and `text`; true when the window takes it, and
// then the drop.
bool drag(Form1* window, const QList<QUrl>& urls, const QString& text = {}) {
    QMimeData data;
    data.setUrls(urls);
    if (!text.isEmpty()) {
        data.setText(text);
    }
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(window, &enter);
    if (!enter.isAccepted()) {
        return false;
    }
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(window, &drop);
    return true;
}

// The settings the dialog object holds, in one line.
QString dialogState(const Form1& window) {
    const korvel::DialogSettings& s = window.CommonDialog1->settings();
    return QStringList{s.title, s.fileName, s.initDir, s.filter, s.defaultExt}.join('|');
}

}  // namespace

class OpenFileTest : public QObject, WindowFixture {
    Q_OBJECT

  private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    // The eight texts of a file named at start, in GBK, and the dialog object as a
    // "参数读取" of that file leaves it; a missing file leaves the boxes empty and says so once.
    void namedAtStart() {
        QVERIFY(put(path("桥台.zdy"),
                    "12.5\r\n6\r\n60.3\r\n3000\r\n5000\r\n45.153\r\n2.5\r\n\xBD\xBB"
                    "\xBD\xC7\r\n"));
        w_->openParameterFile(path("桥台.zdy"));
        QCOMPARE(w_->inputTexts(),
                 (Texts{"12.5", "6", "60.3", "3000", "5000", "45.153", "2.5", "交角"}));
        ScriptedDialogHost chosen;
        chosen.answers = {QDir::toNativeSeparators(path("桥台.zdy"))};
        Form1 reference(&chosen);
        reference.duqu_Click();
        QCOMPARE(dialogState(*w_), dialogState(reference));
        QVERIFY(host_.messages.isEmpty());

        ScriptedDialogHost missing;
        Form1 fresh(&missing);
        fresh.openParameterFile(path("无此文件.zdy"));
        QCOMPARE(fresh.inputTexts(), Texts{});
        QCOMPARE(missing.messages, QStringList{"文件路径错误"});
    }

    // A dropped file is read; of several, the first; text and web addresses are refused.
    void dropped() {
        QVERIFY(put(path("a.zdy"), "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n"));
        QVERIFY(put(path("b.zdy"), "9\r\n"));
        QVERIFY(!drag(w_.get(), {}, QStringLiteral("12.5")));
        QVERIFY(!drag(w_.get(), {QUrl(QStringLiteral("https://example.org/a.zdy"))}));
        QCOMPARE(w_->inputTexts(), Texts{});
        QVERIFY(drag(w_.get(), {QUrl::fromLocalFile(path("b.zdy"))}));
        QCOMPARE(w_->inputTexts(), (Texts{"9", "", "", "", "", "", "", ""}));
        QVERIFY(drag(w_.get(),
                     {QUrl(QStringLiteral("https://example.org/b.zdy")),
                      QUrl::fromLocalFile(path("a.zdy")), QUrl::fromLocalFile(path("b.zdy"))}));
        QCOMPARE(w_->inputTexts(), (Texts{"1", "2", "3", "4", "5", "6", "7", "8"}));
        QVERIFY(host_.messages.isEmpty());
        // The boxes leave drops to the window.
        QVERIFY(!w_->Text1->acceptDrops() && !w_->Text8->acceptDrops());
    }
};

QTEST_MAIN(OpenFileTest)
#include "open_file_test.moc"
