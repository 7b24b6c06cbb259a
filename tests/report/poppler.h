// The printed sheets read back with poppler-utils, which nobody here wrote: page sizes and
// metadata (pdfinfo), embedded fonts (pdffonts), and the text as a reader extracts it
// (pdftotext), shared by the sheets' suites.
#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

namespace korvel::test {

// What a poppler tool writes to standard output for `args`; fails the test when it fails.
inline QString run(const QString& tool, const QStringList& args) {
    QProcess process;
    process.start(tool, args);
    EXPECT_TRUE(process.waitForFinished(120000)) << tool.toStdString();
    EXPECT_EQ(process.exitCode(), 0)
        << tool.toStdString() << " " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The PDF written to "sheet.pdf" in `dir`; KORVEL_SHEET_COPIES=folder keeps a copy of each
// sheet under the test's name, to look at by hand.
inline QString writePdf(const QByteArray& pdf, const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(pdf);
    file.close();
    if (const QString copies = qEnvironmentVariable("KORVEL_SHEET_COPIES"); !copies.isEmpty()) {
        const QString name = testing::UnitTest::GetInstance()->current_test_info()->name();
        QFile::remove(copies + "/" + name + ".pdf");
        QFile::copy(path, copies + "/" + name + ".pdf");
    }
    return path;
}

// Every page's text, as pdftotext -layout puts it (pages end in a form feed).
inline QStringList pageTexts(const QString& path) {
    QStringList pages = run("pdftotext", {"-layout", path, "-"}).split(QChar('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) {
        pages.removeLast();
    }
    return pages;
}

// The lines of `text` that hold `words` in that order, blanks of any width between them.
inline QRegularExpression lineWith(const QStringList& words) {
    QStringList quoted;
    for (const QString& w : words) {
        quoted << QRegularExpression::escape(w);
    }
    return QRegularExpression(
        QStringLiteral("(^|\\s)") + quoted.join(QStringLiteral("\\s+")) + QStringLiteral("(\\s|$)"),
        QRegularExpression::MultilineOption);
}

// Checks the document: the title `title`, A4 pages only, every font embedded; returns the
// number of pages (0 when pdfinfo gives none).
inline int expectA4WithEmbeddedFonts(const QString& path, const QString& title) {
    const QString info = run("pdfinfo", {path});
    const int pages = QRegularExpression("Pages:\\s+(\\d+)").match(info).captured(1).toInt();
    EXPECT_GT(pages, 0);
    EXPECT_TRUE(info.contains(QRegularExpression("Title:\\s+" + title + "\\s")))
        << info.toStdString();
    const QString sizes = run("pdfinfo", {"-f", "1", "-l", QString::number(pages), path});
    EXPECT_EQ(
        sizes.count(QRegularExpression("size:\\s+595(\\.\\d+)? x 842(\\.\\d+)? pts \\(A4\\)")),
        pages);
    const QStringList fonts = run("pdffonts", {path}).split('\n', Qt::SkipEmptyParts).mid(2);
    EXPECT_FALSE(fonts.isEmpty());
    for (const QString& font : fonts) {
        const QStringList columns = font.split(' ', Qt::SkipEmptyParts);
        EXPECT_GE(columns.size(), 6);
        EXPECT_EQ(columns.value(columns.size() - 5), "yes") << font.toStdString();  // emb
    }
    return pages;
}

}  // namespace korvel::test
