// What a save leaves on disk when it succeeds, and how a failure is worded. The failures
// themselves (full disk, size limit, read-only folder, a folder in the file's place) are
// driven through the window's commands in the window tests.
#include "files/save.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "files/messages.h"
#include "files/results_text.h"
#include "files/workbook.h"

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

// The whole file, or a marker when it cannot be read.
QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// Everything in a folder, hidden files included.
QStringList entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

TEST(SaveFailure, MessageIsTheHeadlineThenTheReason) {
    EXPECT_EQ(saveFailureMessage(QStringLiteral("/x/y.xls: No such file or directory")),
              QStringLiteral("文件保存失败\n/x/y.xls: No such file or directory"));
}

// Each save replaces an existing, longer file whole and leaves nothing else beside it.
TEST(SaveSuccess, ReplacesAnExistingFileWhole) {
    QTemporaryDir dir;
    const QStringList lines = {QStringLiteral("  1     3003.069     5008.352")};
    for (const SaveKind& kind : kKinds) {
        const QString path = dir.filePath(QStringLiteral("a") + kind.extension);
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(200000, 'x'));
        old.close();
        ASSERT_TRUE(kind.save(path, lines).ok) << kind.name;
        const QByteArray bytes = fileBytes(path);
        EXPECT_FALSE(bytes.contains(QByteArray(100, 'x'))) << kind.name;
        EXPECT_LT(bytes.size(), 200000) << kind.name;
    }
    EXPECT_EQ(entries(dir.path()).size(), 3) << entries(dir.path()).join(u' ').toStdString();
    ASSERT_TRUE(
        saveFileAtomically(dir.filePath(QStringLiteral("a.txt")), encodeResultsText({})).ok);
    EXPECT_EQ(fileBytes(dir.filePath(QStringLiteral("a.txt"))), QByteArray("\r\n"));
}

}  // namespace
}  // namespace korvel
