// Saves that fail must say why and leave the disk as it was: the old file byte for byte,
// no temporary file beside it. The checks hold when run as root, so the failures come from
// a missing folder, a directory in the file's place, or a file size limit.
#include "files/save.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "files/messages.h"
#include "files/results_text.h"
#include "files/workbook.h"

#ifdef __unix__
#include <sys/resource.h>

#include <csignal>
#endif

namespace korvel {
namespace {

// The three save commands, each from a path to its outcome.
struct SaveKind {
    const char* name;
    const char* extension;
    SaveOutcome (*save)(const QString& path, const QStringList& lines);
};

const SaveKind kKinds[] = {
    {"text", ".txt",
     [](const QString& p, const QStringList& l) {
         return saveFileAtomically(p, encodeResultsText(l));
     }},
    {"xls", ".xls", &saveWorkbook},
    {"xlsx", ".xlsx", &saveWorkbook},
};

// `count` result list lines.
QStringList manyLines(int count) {
    QStringList lines;
    for (int n = 1; n <= count; ++n) {
        lines << QStringLiteral("%1     %2     %3")
                     .arg(n, 3)
                     .arg(n * 1.5, 0, 'f', 3)
                     .arg(-n * 1.0, 0, 'f', 3);
    }
    return lines;
}

// The whole file, or a marker when it cannot be read.
QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// Everything in a folder, hidden files included.
QStringList entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

TEST(SaveFailure, MissingFolderIsReportedAndCreatesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gone/结果"));
    for (const SaveKind& kind : kKinds) {
        const SaveOutcome outcome = kind.save(path + kind.extension, manyLines(3));
        EXPECT_FALSE(outcome.ok) << kind.name;
        EXPECT_TRUE(outcome.error.startsWith(QDir::toNativeSeparators(path)))
            << kind.name << ": " << outcome.error.toStdString();
        // The path, ": ", and some reason after it.
        EXPECT_GT(outcome.error.size(), path.size() + 6) << outcome.error.toStdString();
        EXPECT_EQ(entries(dir.path()), QStringList()) << kind.name;
    }
}

TEST(SaveFailure, DirectoryInTheFilesPlaceIsLeftAlone) {
    QTemporaryDir dir;
    for (const SaveKind& kind : kKinds) {
        const QString path = dir.filePath(QStringLiteral("taken") + kind.extension);
        ASSERT_TRUE(QDir(dir.path()).mkdir(QFileInfo(path).fileName()));
        ASSERT_TRUE(QFile(path + QStringLiteral("/inside")).open(QIODevice::WriteOnly));
        const SaveOutcome outcome = kind.save(path, manyLines(3));
        EXPECT_FALSE(outcome.ok) << kind.name;
        EXPECT_TRUE(QFileInfo(path).isDir()) << kind.name;
        EXPECT_EQ(entries(path), QStringList{QStringLiteral("inside")}) << kind.name;
    }
    EXPECT_EQ(entries(dir.path()).size(), 3);
}

TEST(SaveFailure, MessageIsTheHeadlineThenTheReason) {
    EXPECT_EQ(saveFailureMessage(QStringLiteral("/x/y.xls: No such file or directory")),
              QStringLiteral("文件保存失败\n/x/y.xls: No such file or directory"));
}

#ifdef __unix__
// A write that runs into the process's file size limit fails half way, as a full disk
// would; the file that was there must survive whole.
TEST(SaveFailure, WriteFailingHalfWayKeepsTheOldFile) {
    QTemporaryDir dir;
    const QByteArray old = QByteArray("old contents\r\n").repeated(100);
    for (const SaveKind& kind : kKinds) {
        const QString path = dir.filePath(QStringLiteral("keep") + kind.extension);
        {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(old);
        }
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        rlimit limited = previous;
        limited.rlim_cur = 8 * 1024;
        setrlimit(RLIMIT_FSIZE, &limited);
        const SaveOutcome outcome = kind.save(path, manyLines(32767));
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);

        EXPECT_FALSE(outcome.ok) << kind.name;
        EXPECT_FALSE(outcome.error.isEmpty()) << kind.name;
        EXPECT_EQ(fileBytes(path), old) << kind.name;
    }
    EXPECT_EQ(entries(dir.path()).size(), 3) << entries(dir.path()).join(u' ').toStdString();
}
#endif

TEST(SaveSuccess, ReplacesAnExistingFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    ASSERT_TRUE(saveFileAtomically(path, QByteArray(5000, 'x')).ok);
    ASSERT_TRUE(saveFileAtomically(path, encodeResultsText({})).ok);
    EXPECT_EQ(fileBytes(path), QByteArray("\r\n"));
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("a.txt")});
}

}  // namespace
}  // namespace korvel
