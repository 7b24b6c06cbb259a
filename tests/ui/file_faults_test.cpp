// The file commands when the system says no (full disk, size limit, read-only folder, a folder
// or device in the file's place, a missing file): the window says so, stays usable, and
// leaves an existing file byte for byte as it was and no temporary file behind.
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <functional>

#include "read_only_folder.h"
#include "window_fixture.h"

namespace {

const QByteArray kOld = "old contents\r\n";
// The four save targets: parameters, results text, both workbook kinds.
const char* const kTargets[] = {"p.zdy", "r.txt", "r.xls", "r.xlsx"};

}  // namespace

class FileFaultsTest : public QObject, WindowFixture {
    Q_OBJECT

    // Fills the list with 32767 rows (about a megabyte of text) and Text1 with 64 KiB.
    void fillWindow() {
        compute(Texts{"32765", "6", "60.3", "3000", "5000", "45.153", "1", "4.25"}, true, 1);
        QCOMPARE(w_->listLines().size(), 32767);
        w_->Text1->setText(QString(65536, QLatin1Char('7')));
    }

    // Runs the three save commands onto the targets in `folder` and into a missing folder;
    // each must fail, say "文件保存失败", the native path and the reason, and leave the
    // folder and the target exactly as they were.
    void expectEverySaveRefused(const QString& folder) {
        const QStringList before = entries(folder);
        void (Form1::*const commands[])() = {&Form1::baocun_Click, &Form1::baocuncg_Click,
                                             &Form1::save_Click, &Form1::save_Click,
                                             &Form1::save_Click};
        const char* const names[] = {"p.zdy", "r.txt", "r.xls", "r.xlsx", "missing/r.xlsx"};
        for (std::size_t k = 0; k < std::size(names); ++k) {
            const QString target = QDir(folder).filePath(QString::fromLatin1(names[k]));
            const QByteArray old = bytesOf(target);
            host_.messages.clear();
            host_.answers = {target};
            (w_.get()->*commands[k])();
            QCOMPARE(host_.messages.size(), 1);
            const QString head = QStringLiteral("文件保存失败\n") +
                                 QDir::toNativeSeparators(target) + QStringLiteral(": ");
            QVERIFY2(host_.messages[0].startsWith(head) && host_.messages[0].size() > head.size(),
                     qPrintable(host_.messages[0]));
            QCOMPARE(bytesOf(target), old);
            QCOMPARE(entries(folder), before);
        }
        w_->Command2_Click();  // still usable
        QVERIFY(w_->listLines().isEmpty());
    }

  private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    // Saves the system refuses. Mounting needs root; as another user the read-only folder
    // is made by permissions and the full file system is skipped.
    void savesRefused_data() {
        QTest::addColumn<QString>("fault");
        for (const char* fault : {"full", "read-only", "size limit", "folders in place"}) {
            QTest::newRow(fault) << QString::fromLatin1(fault);
        }
    }
    void savesRefused() {
        QFETCH(QString, fault);
        const QString folder = path("target");
        QVERIFY(QDir().mkpath(folder));
        const QByteArray at = QFile::encodeName(folder);
        const bool root = geteuid() == 0;
        std::function<void()> undo = [] {};
        const auto restore = qScopeGuard([&] { undo(); });
        if (fault == "full") {
            if (!root) {
                QSKIP("mounting a tmpfs needs root");
            }
            QVERIFY(::mount("tmpfs", at.constData(), "tmpfs", 0, "size=256k") == 0);
            undo = [at] { ::umount2(at.constData(), MNT_DETACH); };
        }
        for (const char* name : kTargets) {
            const QString target = QDir(folder).filePath(QString::fromLatin1(name));
            QVERIFY(fault == "folders in place" ? QDir().mkdir(target) : put(target, kOld));
        }
        if (fault == "full") {
            // Fill what is left, in one file the saves do not touch.
            QFile filler(QDir(folder).filePath(QStringLiteral("filler")));
            QVERIFY(filler.open(QIODevice::WriteOnly));
            const QByteArray block(4096, 'x');
            while (filler.write(block) == block.size() && filler.flush()) {
            }
        } else if (fault == "read-only") {
            undo = [at] { makeWritable(at); };
            QVERIFY(makeReadOnly(at));
        }
        fillWindow();
        if (fault == "size limit") {
            // RLIMIT_FSIZE far below what the saves write.
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit old{};
            QVERIFY(::getrlimit(RLIMIT_FSIZE, &old) == 0);
            rlimit tight = old;
            tight.rlim_cur = 1024;
            QVERIFY(::setrlimit(RLIMIT_FSIZE, &tight) == 0);
            undo = [old] { ::setrlimit(RLIMIT_FSIZE, &old); };
        }
        expectEverySaveRefused(folder);
    }

    // Reads that cannot give a parameter file: the texts stay, "文件路径错误" is shown.
    void unreadableSources_data() {
        QTest::addColumn<QString>("source");
        QTest::newRow("removed after the dialog") << QStringLiteral("<removed>");
        QTest::newRow("a folder") << QStringLiteral("<folder>");
        QTest::newRow("zero device") << QStringLiteral("/dev/zero");
        QTest::newRow("a pipe without writer") << QStringLiteral("<fifo>");
    }
    void unreadableSources() {
        QFETCH(QString, source);
        const Texts typed = {"1", "2", "3", "4", "5", "6", "7", "8"};
        w_->setInputTexts(typed);
        if (source == QStringLiteral("<removed>")) {
            source = path("gone.zdy");
            QVERIFY(put(source, "9\r\n9\r\n"));
            host_.removeBeforeOpen = true;
        } else if (source == QStringLiteral("<folder>")) {
            source = dir_->path();
        } else if (source == QStringLiteral("<fifo>")) {
            source = path("pipe.zdy");
            QVERIFY(::mkfifo(QFile::encodeName(source).constData(), 0600) == 0);
        }
        host_.answers = {source};
        w_->duqu_Click();
        QCOMPARE(host_.messages, QStringList{QStringLiteral("文件路径错误")});
        QCOMPARE(w_->inputTexts(), typed);
    }
};

QTEST_MAIN(FileFaultsTest)
#include "file_faults_test.moc"
