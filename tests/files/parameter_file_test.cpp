// The parameter file: its exact bytes, the reading rules for odd files, the bounds on
// what a read takes in, and the shipped sample files.
#include "files/parameter_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "files/gbk.h"
#include "files/save.h"

namespace korvel {
namespace {

// Eight texts from UTF-8 literals, the missing ones empty.
ParameterTexts texts(std::initializer_list<const char*> values) {
    ParameterTexts t;
    int i = 0;
    for (const char* v : values) {
        t[i++] = QString::fromUtf8(v);
    }
    return t;
}

// The whole file, or a marker when it cannot be read.
QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

TEST(ParameterFileWrite, WorkedExampleIsThe34ByteFile) {
    const QByteArray bytes =
        encodeParameterFile(texts({"30", "15", "90", "500", "800", "45.3", "2", "6"}));
    EXPECT_EQ(bytes, QByteArray("30\r\n15\r\n90\r\n500\r\n800\r\n45.3\r\n2\r\n6\r\n"));
    EXPECT_EQ(bytes.size(), 34);
}

TEST(ParameterFileWrite, ChineseTextIsGbkWithoutBom) {
    const QByteArray bytes = encodeParameterFile(texts({"例1", "", "", "", "", "", "", ""}));
    // 例 is C0 FD in code page 936.
    EXPECT_EQ(bytes, QByteArray("\xC0\xFD"
                                "1\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));
}

TEST(ParameterFileWrite, SavedFileReadsBackToTheSameTexts) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("参数.zdy"));
    const ParameterTexts saved =
        texts({"", "  6 ", "60.3", "椭圆 长轴", "-5000.25", "", "abc", "\t4.25"});
    ASSERT_TRUE(saveFileAtomically(path, encodeParameterFile(saved)).ok);
    const ParameterRead read = readParameterFile(path);
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_EQ(read.texts, saved);
}

TEST(ParameterFileRead, LineRules) {
    const struct {
        const char* name;
        QByteArray bytes;
        ParameterTexts expected;
    } cases[] = {
        {"last line without CR LF", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8",
         texts({"1", "2", "3", "4", "5", "6", "7", "8"})},
        {"five lines", "1\r\n2\r\n3\r\n4\r\n5\r\n", texts({"1", "2", "3", "4", "5"})},
        {"more than eight", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n",
         texts({"1", "2", "3", "4", "5", "6", "7", "8"})},
        {"empty file", "", texts({})},
        {"one empty line", "\r\n", texts({""})},
        {"empty lines keep their place", "\r\n\r\nx\r\n", texts({"", "", "x"})},
        {"LF only", "1\n2\n3\n4\n5\n6\n7\n8\n", texts({"1", "2", "3", "4", "5", "6", "7", "8"})},
        {"lone CR", "1\r2\r3\r", texts({"1", "2", "3"})},
        {"LF CR is two line ends", "1\n\r2", texts({"1", "", "2"})},
        {"blanks kept", " 1 \r\n\t2\r\n", texts({" 1 ", "\t2"})},
        {"GBK text",
         "\xC0\xFD"
         "1\r\n",
         texts({"例1"})},
        // An editor's "UTF-8 with BOM": the mark is dropped and 例 is E4 BE 8B, not "锘?".
        {"UTF-8 after the mark",
         "\xEF\xBB\xBF"
         "12.5\r\n\xE4\xBE\x8B"
         "1\r\n",
         texts({"12.5", "例1"})},
        {"the mark alone", "\xEF\xBB\xBF", texts({})},
        {"no mark at the start: GBK",
         "\xC0\xFD"
         "1\r\n\xEF\xBB",
         texts({"例1", "锘"})},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(decodeParameterFile(c.bytes), c.expected) << c.name;
    }
}

TEST(ParameterFileRead, MissingOrUnreadablePathGivesTheMessage) {
    QTemporaryDir dir;
    for (const QString& path :
         {dir.filePath(QStringLiteral("missing.zdy")),
          dir.filePath(QStringLiteral("no/such/folder/a.zdy")), dir.path(), QString()}) {
        const ParameterRead read = readParameterFile(path);
        EXPECT_FALSE(read.ok) << path.toStdString();
        EXPECT_EQ(read.error, QStringLiteral("文件路径错误")) << path.toStdString();
        EXPECT_EQ(read.texts, ParameterTexts{}) << path.toStdString();
        EXPECT_TRUE(read.reason.startsWith(QDir::toNativeSeparators(path) + QStringLiteral(": ")))
            << read.reason.toStdString();
        EXPECT_GT(read.reason.size(), QDir::toNativeSeparators(path).size() + 2);
    }
}

TEST(ParameterFileRead, BinaryOrHugeFileIsReadWithinBounds) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.bin"));
    {
        // 4 MB without a line end, then short lines that must not be reached.
        QByteArray bytes(4 * 1024 * 1024, '\x81');
        bytes += "\r\nA\r\nB\r\n";
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    const ParameterRead read = readParameterFile(path);
    ASSERT_TRUE(read.ok);
    EXPECT_LE(read.texts[0].size(), kMaxParameterLineBytes);
    EXPECT_GT(read.texts[0].size(), 0);
    for (int i = 1; i < 8; ++i) {
        EXPECT_TRUE(read.texts[i].isEmpty()) << i;
    }

    QByteArray noise(1 << 16, '\0');
    for (int i = 0; i < noise.size(); ++i) {
        noise[i] = static_cast<char>((i * 7919) >> 3);
    }
    const ParameterTexts t = decodeParameterFile(noise);
    qsizetype total = 0;
    for (const QString& s : t) {
        total += s.size();
    }
    EXPECT_LE(total, noise.size());
}

TEST(ParameterFileRead, ShippedSamplesBesideTheProgram) {
    const QString liti = QStringLiteral(KORVEL_LITI_DIR "/");
    const QByteArray step = fileBytes(liti + QStringLiteral("例1_按步长.zdy"));
    EXPECT_EQ(step, "12.5\r\n6\r\n60.3\r\n3000\r\n5000\r\n45.153\r\n2.5\r\n4.25\r\n");
    const ParameterRead angle = readParameterFile(liti + QStringLiteral("例2_按角值.zdy"));
    ASSERT_TRUE(angle.ok);
    EXPECT_EQ(angle.texts, texts({"10", "6", "60", "1000", "500", "0", "15", "4"}));
}

TEST(LitiFolder, OneSeparatorBeforeLiti) {
#ifdef _WIN32
    EXPECT_EQ(litiFolder(QStringLiteral("C:/Program Files/Korvel")),
              QStringLiteral("C:\\Program Files\\Korvel\\liti"));
    EXPECT_EQ(litiFolder(QStringLiteral("C:\\")), QStringLiteral("C:\\liti"));
    EXPECT_EQ(litiFolder(QStringLiteral("D:\\tools\\")), QStringLiteral("D:\\tools\\liti"));
#else
    EXPECT_EQ(litiFolder(QStringLiteral("/opt/korvel/bin")),
              QStringLiteral("/opt/korvel/bin/liti"));
    EXPECT_EQ(litiFolder(QStringLiteral("/")), QStringLiteral("/liti"));
    EXPECT_EQ(litiFolder(QStringLiteral("/opt/korvel/")), QStringLiteral("/opt/korvel/liti"));
#endif
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
