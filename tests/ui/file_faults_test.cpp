// The file commands when the system says no: a full file system, a file-size limit, a
// read-only folder, a folder where the file should be; reads of a file removed after the
// dialog, a folder, devices and a pipe. Each time the window says so, stays usable, leaves
// an existing file byte for byte as it was, and leaves no temporary file behind.
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>

#include "read_only_folder.h"
#include "ui/dialog_host.h"
#include "ui/form1.h"

using korvel::Form1;

namespace {

// A host that answers every dialog with `answer`, and can remove that file in the moment
// between the dialog closing and the command opening it.
struct FaultHost final : korvel::DialogHost {
    QString answer;
    bool removeBeforeReturning = false;
    QStringList messages;

    QString openFile(QWidget*, const korvel::DialogSettings&) override {
        if (removeBeforeReturning)
            QFile::remove(answer);
        return answer;
    }
    QString saveFile(QWidget*, const korvel::DialogSettings&) override { return answer; }
    void showMessage(QWidget*, const QString& text) override { messages.append(text); }
};

const QByteArray kOld = "old contents\r\n";

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

}  // namespace

class FileFaultsTest : public QObject {
    Q_OBJECT

  private:
    FaultHost host_;
    std::unique_ptr<Form1> w_;
    std::unique_ptr<QTemporaryDir> dir_;

    // Fills the list with 32767 rows (about a megabyte of text) and Text1 with 64 KiB.
    void fillWindow() {
        w_->Option5->setChecked(true);
        w_->setInputTexts({QStringLiteral("32765"), QStringLiteral("6"), QStringLiteral("60.3"),
                           QStringLiteral("3000"), QStringLiteral("5000"), QStringLiteral("45.153"),
                           QStringLiteral("1"), QStringLiteral("4.25")});
        w_->Command1_Click();
        QCOMPARE(w_->listLines().size(), 32767);
        w_->Text1->setText(QString(65536, QLatin1Char('7')));
    }

    // Runs the three saves onto existing files in `folder`; each must fail, say so, and
    // leave the folder exactly as it was.
    void expectEverySaveRefused(const QString& folder) {
        const QStringList before = entries(folder);
        const auto check = [&](void (Form1::*command)(), const char* name) {
            host_.messages.clear();
            host_.answer = QDir(folder).filePath(QString::fromLatin1(name));
            (w_.get()->*command)();
            QCOMPARE(host_.messages.size(), 1);
            QVERIFY2(host_.messages[0].startsWith(QStringLiteral("文件保存失败\n")),
                     qPrintable(host_.messages[0]));
            QCOMPARE(readAll(host_.answer), kOld);
            QCOMPARE(entries(folder), before);
        };
        check(&Form1::baocun_Click, "p.zdy");
        check(&Form1::baocuncg_Click, "r.txt");
        check(&Form1::save_Click, "r.xls");
        check(&Form1::save_Click, "r.xlsx");
        // Still usable: a calculation runs as ever.
        w_->Command2_Click();
        QVERIFY(w_->listLines().isEmpty());
    }

    // Puts the four target files into `folder` with known contents.
    void placeTargets(const QString& folder) {
        for (const char* name : {"p.zdy", "r.txt", "r.xls", "r.xlsx"}) {
            QVERIFY(writeAll(QDir(folder).filePath(QString::fromLatin1(name)), kOld));
        }
    }

  private slots:
    void init() {
        host_ = FaultHost{};
        w_ = std::make_unique<Form1>(&host_);
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }
    void cleanup() {
        w_.reset();
        dir_.reset();
    }

    // A file system with no room left (a small tmpfs; needs root to mount).
    void fullFileSystem() {
        if (geteuid() != 0)
            QSKIP("mounting a tmpfs needs root");
        const QByteArray mountPoint = QFile::encodeName(dir_->path());
        QVERIFY(::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=256k") == 0);
        const auto unmount = qScopeGuard([&] { ::umount2(mountPoint.constData(), MNT_DETACH); });
        placeTargets(dir_->path());
        // Fill what is left, in one file the saves do not touch.
        QFile filler(dir_->filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        filler.close();
        fillWindow();
        expectEverySaveRefused(dir_->path());
    }

    // A folder that cannot be written (a read-only mount for root, permissions otherwise).
    void readOnlyFolder() {
        const QString folder = dir_->filePath(QStringLiteral("ro"));
        QVERIFY(QDir().mkpath(folder));
        placeTargets(folder);
        const QByteArray path = QFile::encodeName(folder);
        QVERIFY(makeReadOnly(path));
        const auto restore = qScopeGuard([&] { makeWritable(path); });
        fillWindow();
        expectEverySaveRefused(folder);
    }

    // A file-size limit (RLIMIT_FSIZE) far below what the saves write.
    void fileSizeLimit() {
        placeTargets(dir_->path());
        fillWindow();
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &old) == 0);
        rlimit tight = old;
        tight.rlim_cur = 1024;
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &tight) == 0);
        const auto restore = qScopeGuard([&] { ::setrlimit(RLIMIT_FSIZE, &old); });
        expectEverySaveRefused(dir_->path());
    }

    // The chosen name is a folder, or lies in a folder that does not exist.
    void targetIsFolderOrFolderMissing() {
        for (const char* name : {"p.zdy", "r.txt", "r.xls", "r.xlsx"}) {
            QVERIFY(QDir(dir_->path()).mkdir(QString::fromLatin1(name)));
        }
        fillWindow();
        const QStringList before = entries(dir_->path());
        host_.answer = dir_->filePath(QStringLiteral("r.txt"));
        w_->baocuncg_Click();
        host_.answer = dir_->filePath(QStringLiteral("p.zdy"));
        w_->baocun_Click();
        host_.answer = dir_->filePath(QStringLiteral("r.xls"));
        w_->save_Click();
        host_.answer = dir_->filePath(QStringLiteral("missing/r.xlsx"));
        w_->save_Click();
        QCOMPARE(host_.messages.size(), 4);
        for (const QString& m : host_.messages) {
            QVERIFY2(m.startsWith(QStringLiteral("文件保存失败\n")), qPrintable(m));
        }
        // The reason names the file as the system writes paths.
        QVERIFY(host_.messages[3].contains(QDir::toNativeSeparators(host_.answer)));
        QCOMPARE(entries(dir_->path()), before);
    }

    // Reads that cannot give a parameter file: the texts stay, "文件路径错误" is shown.
    void unreadableSources_data() {
        QTest::addColumn<QString>("source");
        QTest::newRow("removed after the dialog") << QStringLiteral("<removed>");
        QTest::newRow("a folder") << QStringLiteral("<folder>");
        QTest::newRow("null device") << QStringLiteral("/dev/null");
        QTest::newRow("zero device") << QStringLiteral("/dev/zero");
        QTest::newRow("random device") << QStringLiteral("/dev/urandom");
        QTest::newRow("a pipe without writer") << QStringLiteral("<fifo>");
    }
    void unreadableSources() {
        QFETCH(QString, source);
        const std::array<QString, 8> typed = {
            QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
            QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8")};
        w_->setInputTexts(typed);
        if (source == QStringLiteral("<removed>")) {
            source = dir_->filePath(QStringLiteral("gone.zdy"));
            QVERIFY(writeAll(source, "9\r\n9\r\n"));
            host_.removeBeforeReturning = true;
        } else if (source == QStringLiteral("<folder>")) {
            source = dir_->path();
        } else if (source == QStringLiteral("<fifo>")) {
            source = dir_->filePath(QStringLiteral("pipe.zdy"));
            QVERIFY(::mkfifo(QFile::encodeName(source).constData(), 0600) == 0);
        }
        host_.answer = source;
        w_->duqu_Click();
        QCOMPARE(host_.messages, QStringList{QStringLiteral("文件路径错误")});
        QCOMPARE(w_->inputTexts(), typed);
    }
};

QTEST_MAIN(FileFaultsTest)
#include "file_faults_test.moc"
