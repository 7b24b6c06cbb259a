// The results text byte for byte, and every kind of save replacing an existing file whole;
// the failures are driven through the window in tests/ui/file_faults_test.cpp.
#include "files/save.h"

#include <gtest/gtest.h>

#include <QDir>
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
        ASSERT_TRUE((path.endsWith(QLatin1String(".txt"))
                         ? saveFileAtomically(path, encodeResultsText(lines))
                         : saveWorkbook(path, lines))
                        .ok)
            << name;
        const QByteArray bytes = test::bytesOf(path);
        EXPECT_FALSE(bytes.contains(QByteArray(100, 'x'))) << name;
        EXPECT_LT(bytes.size(), 200000) << name;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"a.txt", "a.xls", "a.xlsx"}));
}

}  // namespace
}  // namespace korvel
