// Where the parameter dialogs start: the "liti" folder beside the program while it can be
// written; otherwise the user's own folder, stocked once with the installed samples, whose
// files are never replaced afterwards.
#include "files/parameter_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <cstdio>

#include "read_only_folder.h"
#include "readers.h"

using korvel::chooseParameterFolder;
using korvel::test::bytesOf;
using korvel::test::put;

const QString kSamples = QStringLiteral(KORVEL_LITI_DIR);

TEST(ParameterFolder, ProgramLitiWhileWritableElseUserFolderStockedOnce) {
    // NoNewFiles: the folder reads as writable (access(W_OK), the read-only attribute) but
    // takes no new file, as Program Files for a standard user on Windows.
    enum class Liti { Writable, ReadOnly, NoNewFiles, Missing };
    for (const Liti kind : {Liti::Writable, Liti::ReadOnly, Liti::NoNewFiles, Liti::Missing}) {
        SCOPED_TRACE(static_cast<int>(kind));
        QTemporaryDir root;
        const QString program = root.filePath(QStringLiteral("bin"));
        const QString liti = program + QStringLiteral("/liti");
        const QString user = root.filePath(QStringLiteral("home/.local/share/korvel/liti"));
        ASSERT_TRUE(QDir().mkpath(kind == Liti::Missing ? program : liti));
        const QByteArray litiPath = QFile::encodeName(liti);
        if (kind == Liti::NoNewFiles && !makeFullForNewFiles(litiPath)) {
            std::puts("NoNewFiles skipped: mounting a full file system takes root");
            continue;
        }
        if (kind == Liti::ReadOnly) {
            ASSERT_TRUE(makeReadOnly(litiPath));
        }
        const auto restore = qScopeGuard([&] {
            if (kind == Liti::ReadOnly || kind == Liti::NoNewFiles)
                makeWritable(litiPath);
        });

        const QString first = chooseParameterFolder(program, kSamples, user);
        if (kind == Liti::Writable) {
            EXPECT_EQ(first, liti);
            EXPECT_FALSE(QFileInfo::exists(user));
            continue;
        }
        EXPECT_EQ(first, user);
        const QStringList samples = QDir(kSamples).entryList(QDir::Files, QDir::Name);
        ASSERT_EQ(samples.size(), 2);
        EXPECT_EQ(QDir(user).entryList(QDir::Files, QDir::Name), samples);
        for (const QString& name : samples) {
            EXPECT_EQ(bytesOf(QDir(user).filePath(name)), bytesOf(QDir(kSamples).filePath(name)));
        }

        // The user edits one sample, deletes the other and adds a file of their own: the
        // second start copies nothing and keeps all of it.
        ASSERT_TRUE(put(QDir(user).filePath(samples[0]), "mine\r\n"));
        ASSERT_TRUE(QFile::remove(QDir(user).filePath(samples[1])));
        ASSERT_TRUE(put(QDir(user).filePath(QStringLiteral("own.zdy")), "own\r\n"));
        const QString second = chooseParameterFolder(program, kSamples, user);
        EXPECT_EQ(second, user);
        EXPECT_EQ(bytesOf(QDir(user).filePath(samples[0])), "mine\r\n");
        EXPECT_FALSE(QFileInfo::exists(QDir(user).filePath(samples[1])));
        EXPECT_EQ(bytesOf(QDir(user).filePath(QStringLiteral("own.zdy"))), "own\r\n");
    }
}

// The installed samples are in <prefix>/share/korvel/liti. Installed under ~/.local, that is
// the user's folder itself: chosen as it stands, with the user's changes, and made anew
// (empty) when it was removed.
TEST(ParameterFolder, HomeInstallUsesTheSamplesFolderAsItStands) {
    QTemporaryDir root;
    const QString program = root.filePath(QStringLiteral(".local/bin"));
    const QString user = root.filePath(QStringLiteral(".local/share/korvel/liti"));
    ASSERT_EQ(korvel::installedSamplesFolder(program), user);
    ASSERT_TRUE(QDir().mkpath(program));
    EXPECT_EQ(chooseParameterFolder(program, user, user), user);
    EXPECT_TRUE(QDir(user).isEmpty());
    ASSERT_TRUE(put(QDir(user).filePath(QStringLiteral("例1_按步长.zdy")), "mine\r\n"));
    EXPECT_EQ(chooseParameterFolder(program, user, user), user);
    EXPECT_EQ(QDir(user).entryList(QDir::Files), QStringList{QStringLiteral("例1_按步长.zdy")});
    EXPECT_EQ(bytesOf(QDir(user).filePath(QStringLiteral("例1_按步长.zdy"))), "mine\r\n");
}
