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

// Every problem's sentence: the file first when there is one, the subject where the sentence
// names it, the system's words in brackets.
TEST(ProblemText, OneSentenceEachCode) {
    using P = ProblemCode;
    const std::pair<Problem, const char*> cases[] = {
        {{}, ""},
        {fileProblem(P::NoFileName, ""), "没有文件名"},
        {fileProblem(P::NotRegularFile, "/tmp/a"), "/tmp/a: 不是普通文件"},
        {fileProblem(P::CannotOpen, "/r/a.gsi", "Permission denied"),
         "/r/a.gsi: 无法创建文件（Permission denied）"},
        {fileProblem(P::CannotWrite, "stdout", "No space left on device"),
         "stdout: 写入失败（No space left on device）"},
        {fileProblem(P::CannotCommit, "a.txt", "x"), "a.txt: 无法替换原文件（x）"},
        {fileProblem(P::CannotBuildWorkbook, "a.xls", "x"), "a.xls: 无法生成工作簿（x）"},
        {fileProblem(P::CannotRead, "a.zdy", "No such file or directory"),
         "a.zdy: 无法读取文件（No such file or directory）"},
        {problemAbout(P::UnknownOption, "--bogus"), "未知选项：--bogus"},
        {problemAbout(P::MissingValue, "-o"), "选项缺少值：-o"},
        {problemAbout(P::BadPosition, "5"), "位置应为1到4：5"},
        {problemAbout(P::UnknownEnding, "成果.pdf"),
         "未知的文件类型：成果.pdf（可用 .txt .xls .xlsx .dat .gsi .csv .xml .dxf）"},
        {problemAbout(P::ParamsWithTexts), "--params 与数据不能同时给出"},
        {problemAbout(P::WrongTextCount, "6"), "应有7或8个数据，实有6个"},
        {problemAbout(P::ElevationNotNumber, "12,5"), "坡脚高程应为数：12,5"},
        {problemAbout(P::IllegalPrefix, "A B"), "点名前缀只能含字母、数字和 - _ .：A B"},
        {problemAbout(P::NameTooLong, "ABUTMENT-NORTH-10"), "点名超过16个字符：ABUTMENT-NORTH-10"},
        {problemAbout(P::CoordinateTooLongForGsi, "K3"), "点K3的坐标超出GSI-16的16位"},
        {problemAbout(P::CoordinateBeyondDrawing, "K4"), "点K4的坐标超出绘图范围"},
        {problemAbout(P::NotPointFormat), "不是点文件格式"},
    };
    for (const auto& [problem, text] : cases) {
        EXPECT_EQ(problemText(problem), text) << static_cast<int>(problem.code);
    }
}

}  // namespace
}  // namespace korvel
