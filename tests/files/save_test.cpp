// The results text byte for byte, and every kind of save replacing an existing file whole;
// the failures are driven through the window in tests/ui/file_faults_test.cpp.
#include "files/save.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "files/results_text.h"
#include "files/workbook/workbook.h"
#include "readers.h"

namespace korvel {
namespace {

// The lines as they stand, each with CR LF, then one more CR LF; GBK for Chinese.
TEST(ResultsText, LinesThenOneMoreLineEnd) {
    EXPECT_EQ(encodeResultsText({}), QByteArray("\r\n"));
    EXPECT_EQ(encodeResultsText({QStringLiteral("  1     3003.069     5008.352"),
                                 QStringLiteral("100     0.000     -0.001 备注")}),
              QByteArray("  1     3003.069     5008.352\r\n"
                         "100     0.000     -0.001 \xB1\xB8\xD7\xA2\r\n\r\n"));
}

// Each save replaces an existing, longer file whole and leaves nothing else beside it.
TEST(SaveSuccess, ReplacesAnExistingFileWhole) {
    QTemporaryDir dir;
    const QStringList lines = {QStringLiteral("  1     3003.069     5008.352")};
    for (const char* name : {"a.txt", "a.xls", "a.xlsx"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(test::put(path, QByteArray(200000, 'x')));
        ASSERT_FALSE(path.endsWith(QLatin1String(".txt"))
                         ? saveFileAtomically(path, encodeResultsText(lines))
                         : saveWorkbook(path, lines))
            << name;
        const QByteArray bytes = test::bytesOf(path);
        EXPECT_FALSE(bytes.contains(QByteArray(100, 'x'))) << name;
        EXPECT_LT(bytes.size(), 200000) << name;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"a.txt", "a.xls", "a.xlsx"}));
}

// A folder, a named pipe or a device node where the file should be is refused, and stays
// what it was: renaming over it would put a plain file in its place.
TEST(SaveRefused, NotARegularFile) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("成果.txt"));
    const QString pipe = dir.filePath(QStringLiteral("pipe.dat"));
    const QString device = dir.filePath(QStringLiteral("null.dxf"));  // a copy of /dev/null
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const bool root =
        mknod(QFile::encodeName(device).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    for (const QString& path :
         root ? QStringList{folder, pipe, device} : QStringList{folder, pipe}) {
        const Problem saved = saveFileAtomically(path, "rows\r\n");
        EXPECT_EQ(saved.code, ProblemCode::NotRegularFile) << path.toStdString();
        EXPECT_EQ(saved.file, QDir::toNativeSeparators(path).toStdString());
        EXPECT_FALSE(QFileInfo(path).isFile()) << path.toStdString();
    }
    EXPECT_EQ(QDir(dir.path())
                  .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)
                  .size(),
              root ? 3 : 2);
}

}  // namespace
}  // namespace korvel
