// The parameter file: its bytes, the reading rules for odd files, the bound on a read and the
// shipped samples. Failed reads are driven through the window and korvel-calc.
#include "files/parameter_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "files/gbk.h"
#include "readers.h"

namespace korvel {
namespace {

// Eight lines, each with CR LF, in GBK without a mark: 例 is C0 FD in code page 936.
TEST(ParameterFileWrite, EightCrLfLinesInGbk) {
    EXPECT_EQ(encodeParameterFile(ParameterTexts{"例1", "15", "90", "500", "800", "45.3", "2"}),
              QByteArray("\xC0\xFD"
                         "1\r\n15\r\n90\r\n500\r\n800\r\n45.3\r\n2\r\n\r\n"));
}

TEST(ParameterFileRead, LineRules) {
    const std::pair<QByteArray, ParameterTexts> cases[] = {
        {"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8", {"1", "2", "3", "4", "5", "6", "7", "8"}},
        {"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n",
         {"1", "2", "3", "4", "5", "6", "7", "8"}},
        {"", {}},
        {"\r\n\r\nx\r\n", {"", "", "x"}},  // empty lines keep their place
        {"1\n2\n3\n4\n5\n6\n7\n8\n", {"1", "2", "3", "4", "5", "6", "7", "8"}},
        {"1\r2\r3\r", {"1", "2", "3"}},
        {"1\n\r2", {"1", "", "2"}},  // LF CR is two line ends
        {" 1 \r\n\t2\r\n", {" 1 ", "\t2"}},
        // An editor's "UTF-8 with BOM": the mark is dropped and 例 is E4 BE 8B, not "锘?".
        {"\xEF\xBB\xBF"
         "12.5\r\n\xE4\xBE\x8B"
         "1\r\n",
         {"12.5", "例1"}},
        {"\xEF\xBB\xBF", {}},
        {"\xC0\xFD"
         "1\r\n\xEF\xBB",
         {"例1", "锘"}},  // no mark at the start: GBK
    };
    for (const auto& [bytes, expected] : cases) {
        EXPECT_EQ(decodeParameterFile(bytes), expected) << bytes.toHex(' ').toStdString();
    }
}

// 4 MB without a line end, then short lines that must not be reached.
TEST(ParameterFileRead, HugeFileIsReadWithinBounds) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.bin"));
    ASSERT_TRUE(test::put(path, QByteArray(4 * 1024 * 1024, '\x81') + "\r\nA\r\nB\r\n"));
    const ParameterRead read = readParameterFile(path);
    ASSERT_FALSE(read.problem);
    EXPECT_LE(read.texts[0].size(), kMaxParameterLineBytes);
    EXPECT_GT(read.texts[0].size(), 0);
    EXPECT_EQ(ParameterTexts{read.texts[0]}, read.texts);
}

TEST(ParameterFileRead, ShippedSamplesBesideTheProgram) {
    EXPECT_EQ(test::bytesOf(QStringLiteral(KORVEL_LITI_DIR "/例1_按步长.zdy")),
              "12.5\r\n6\r\n60.3\r\n3000\r\n5000\r\n45.153\r\n2.5\r\n4.25\r\n");
    EXPECT_EQ(test::bytesOf(QStringLiteral(KORVEL_LITI_DIR "/例2_按角值.zdy")),
              "10\r\n6\r\n60\r\n1000\r\n500\r\n0\r\n15\r\n4\r\n");
}

TEST(LitiFolder, OneSeparatorBeforeLiti) {
    // Each row: a POSIX folder and its liti, then a Windows folder and its liti.
    const char* const cases[][4] = {{"/opt/korvel/bin", "/opt/korvel/bin/liti",
                                     "C:/Program Files/Korvel", "C:\\Program Files\\Korvel\\liti"},
                                    {"/", "/liti", "C:\\", "C:\\liti"},
                                    {"/opt/k/", "/opt/k/liti", "D:\\tools\\", "D:\\tools\\liti"}};
    const int column = QDir::separator() == QLatin1Char('\\') ? 2 : 0;
    for (const auto& row : cases) {
        EXPECT_EQ(litiFolder(QString::fromUtf8(row[column])), QString::fromUtf8(row[column + 1]));
    }
}

TEST(Gbk, QtAndPlatformCodecsAgree) {
    const QString sample = QStringLiteral("椭圆长轴a长 交 角 β 距路中距离D 0.5-€");
    const QByteArray qt = encodeGbk(sample);
    EXPECT_EQ(qt, encodeGbkByPlatform(sample));
    EXPECT_EQ(decodeGbk(qt), sample);
    EXPECT_EQ(decodeGbkByPlatform(qt), sample);
    // A character GBK lacks is written as "?" by both.
    EXPECT_EQ(encodeGbk(QStringLiteral("a😀b")), QByteArray("a?b"));
    EXPECT_EQ(encodeGbkByPlatform(QStringLiteral("a😀b")), QByteArray("a?b"));
}

}  // namespace
}  // namespace korvel
