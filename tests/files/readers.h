// Small file helpers, and reading a saved workbook back with spreadsheet readers written
// elsewhere, with the one comparison of the cells read with the cells expected.
#pragma once

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "file_bytes.h"

namespace korvel::test {

// Cells as "row<TAB>column<TAB>n<TAB>number" (17 significant digits) or
// "row<TAB>column<TAB>s<TAB>text", rows and columns from 0.
using Cells = std::set<QString>;

// A numeric cell; -0 is written as 0, as some readers give it.
inline QString number(int row, int column, double value) {
    return QStringLiteral("%1\t%2\tn\t%3").arg(row).arg(column).arg(value + 0.0, 0, 'g', 17);
}
// A text cell.
inline QString text(int row, int column, const QString& value) {
    return QStringLiteral("%1\t%2\ts\t%3")
        .arg(QString::number(row), QString::number(column), value);
}

struct WorkbookContents {
    QString failure;  // empty when the reader succeeded
    QStringList sheets;
    Cells cells;  // of the first sheet
};

// Runs a Debian reader on `path`: Spreadsheet::ParseExcel (Perl) when `perl`, else xlrd
// or openpyxl by the file's ending; the interpreters from /usr/bin, not the PATH.
inline WorkbookContents readWorkbook(const QString& path, bool perl) {
    const QString script = QStringLiteral(KORVEL_READERS_DIR "/") +
                           (perl ? QStringLiteral("read_xls.pl") : QStringLiteral("read_book.py"));
    WorkbookContents contents;
    QProcess process;
    process.start(perl ? QStringLiteral("/usr/bin/perl") : QStringLiteral("/usr/bin/python3"),
                  {script, path});
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        contents.failure = script + QStringLiteral(" failed: ") + process.errorString() +
                           QString::fromUtf8(process.readAllStandardError());
        return contents;
    }
    const QString output = QString::fromUtf8(process.readAllStandardOutput());
    for (const QString& line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList f = line.split(QLatin1Char('\t'));
        if (f[0] == QLatin1String("sheet") && f.size() == 2) {
            contents.sheets << f[1];
        } else if (f[0] == QLatin1String("cell") && f.size() == 5) {
            contents.cells.insert(f[3] == QLatin1String("n")
                                      ? number(f[1].toInt(), f[2].toInt(), f[4].toDouble())
                                      : f.mid(1).join(QLatin1Char('\t')));
        } else {
            contents.failure = QStringLiteral("unexpected reader output: ") + line;
        }
    }
    return contents;
}

// The cells only one side has, the first ten of them shortened; empty when equal.
inline std::string difference(const Cells& expected, const Cells& read) {
    std::vector<QString> only;
    std::set_symmetric_difference(expected.begin(), expected.end(), read.begin(), read.end(),
                                  std::back_inserter(only));
    QString diff = only.empty() ? QString() : QStringLiteral("%1 differ:\n").arg(only.size());
    for (std::size_t k = 0; k < std::min<std::size_t>(only.size(), 10); ++k) {
        diff +=
            (expected.contains(only[k]) ? "missing: " : "unexpected: ") + only[k].left(60) + '\n';
    }
    return diff.toStdString();
}

}  // namespace korvel::test
