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

#include "read_only_folder.h"

using korvel::chooseParameterFolder;
using korvel::ParameterFolder;

namespace {

const QString kSamples = QStringLiteral(KORVEL_LITI_DIR);

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

TEST(ParameterFolder, ProgramLitiWhileWritableElseUserFolderStockedOnce) {
    enum class Liti { Writable, ReadOnly, Missing };
    const struct {
        const char* name;
        Liti liti;
    } cases[] = {{"writable liti", Liti::Writable},
                 {"read-only liti", Liti::ReadOnly},
                 {"no liti", Liti::Missing}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir root;
        ASSERT_TRUE(root.isValid());
        const QString program = root.filePath(QStringLiteral("bin"));
        const QString liti = program + QStringLiteral("/liti");
        const QString user = root.filePath(QStringLiteral("home/.local/share/Korvel/liti"));
        ASSERT_TRUE(QDir().mkpath(c.liti == Liti::Missing ? program : liti));
        const QByteArray litiPath = QFile::encodeName(liti);
        if (c.liti == Liti::ReadOnly) {
            ASSERT_TRUE(makeReadOnly(litiPath));
        }
        const auto restore = qScopeGuard([&] {
            if (c.liti == Liti::ReadOnly)
                makeWritable(litiPath);
        });

        const ParameterFolder first = chooseParameterFolder(program, kSamples, user);
        if (c.liti == Liti::Writable) {
            EXPECT_EQ(first.folder, liti);
            EXPECT_TRUE(first.copied.isEmpty());
            EXPECT_FALSE(QFileInfo::exists(user));
            continue;
        }
        EXPECT_EQ(first.folder, user);
        const QStringList samples = QDir(kSamples).entryList(QDir::Files, QDir::Name);
        ASSERT_EQ(samples.size(), 2);
        EXPECT_EQ(QDir(user).entryList(QDir::Files, QDir::Name), samples);
        EXPECT_EQ(first.copied.size(), 2);
        for (const QString& name : samples) {
            EXPECT_EQ(bytesOf(QDir(user).filePath(name)), bytesOf(QDir(kSamples).filePath(name)));
        }

        // The user edits one sample, deletes the other and adds a file of their own: the
        // second start copies nothing and keeps all of it.
        ASSERT_TRUE(put(QDir(user).filePath(samples[0]), "mine\r\n"));
        ASSERT_TRUE(QFile::remove(QDir(user).filePath(samples[1])));
        ASSERT_TRUE(put(QDir(user).filePath(QStringLiteral("own.zdy")), "own\r\n"));
        const ParameterFolder second = chooseParameterFolder(program, kSamples, user);
        EXPECT_EQ(second.folder, user);
        EXPECT_TRUE(second.copied.isEmpty());
        EXPECT_EQ(bytesOf(QDir(user).filePath(samples[0])), "mine\r\n");
        EXPECT_FALSE(QFileInfo::exists(QDir(user).filePath(samples[1])));
        EXPECT_EQ(bytesOf(QDir(user).filePath(QStringLiteral("own.zdy"))), "own\r\n");
    }
}

TEST(ParameterFolder, InstalledSamplesBesideBinUnderShare) {
    EXPECT_EQ(korvel::installedSamplesFolder(QStringLiteral("/usr/bin")),
              QStringLiteral("/usr/share/korvel/liti"));
    EXPECT_EQ(korvel::installedSamplesFolder(QStringLiteral("/home/u/.local/bin")),
              QStringLiteral("/home/u/.local/share/korvel/liti"));
}
