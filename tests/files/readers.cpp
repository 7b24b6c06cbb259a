#include "readers.h"

#include <QProcess>

namespace korvel::test {

// A numeric cell.
CellValue number(double value) {
    return CellValue{true, value, {}};
}
// A text cell.
CellValue text(const QString& value) {
    return CellValue{false, 0.0, value};
}

// The interpreters from Debian's packages, not whatever comes first on the PATH.
WorkbookContents readWorkbook(Reader reader, const QString& path) {
    const QString dir = QStringLiteral(KORVEL_READERS_DIR "/");
    QString program = QStringLiteral("/usr/bin/python3");
    QString script = dir + QStringLiteral("read_xls.py");
    if (reader == Reader::ParseExcel) {
        program = QStringLiteral("/usr/bin/perl");
        script = dir + QStringLiteral("read_xls.pl");
    } else if (reader == Reader::Openpyxl) {
        script = dir + QStringLiteral("read_xlsx.py");
    }
    WorkbookContents contents;
    QProcess process;
    process.start(program, {script, path});
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        contents.failure = program + QLatin1Char(' ') + script + QStringLiteral(" failed: ") +
                           process.errorString() + QLatin1Char('\n') +
                           QString::fromUtf8(process.readAllStandardError());
        return contents;
    }
    const QString output = QString::fromUtf8(process.readAllStandardOutput());
    for (QStringView line : QStringView(output).split(u'\n', Qt::SkipEmptyParts)) {
        const auto fields = line.split(u'\t');
        if (fields[0] == u"sheet" && fields.size() == 2) {
            contents.sheets.append(fields[1].toString());
        } else if (fields[0] == u"cell" && fields.size() == 5) {
            const std::pair<int, int> at{fields[1].toInt(), fields[2].toInt()};
            contents.cells[at] = fields[3] == u"n" ? number(fields[4].toDouble())
                                 : fields[3] == u"s"
                                     ? text(fields[4].toString())
                                     : text(QStringLiteral("?") + fields[4].toString());
        } else {
            contents.failure = QStringLiteral("unexpected reader output: ") + line.toString();
        }
    }
    return contents;
}

namespace {

// One cell of a grid for a failure message.
QString describe(const Grid::const_iterator& it, const Grid& grid) {
    if (it == grid.end()) {
        return QStringLiteral("(none)");
    }
    return it->second.numeric ? QString::number(it->second.number, 'g', 17)
                              : QLatin1Char('"') + it->second.text.left(40) + QLatin1Char('"');
}

}  // namespace

// Every cell of each grid looked up in the other; the first ten differences listed.
std::string gridDifference(const Grid& expected, const Grid& actual) {
    QString diff;
    int shown = 0;
    auto report = [&](const std::pair<int, int>& at) {
        if (++shown <= 10) {
            diff +=
                QStringLiteral("row %1 col %2: expected %3, read %4\n")
                    .arg(at.first)
                    .arg(at.second)
                    .arg(describe(expected.find(at), expected), describe(actual.find(at), actual));
        }
    };
    for (const auto& [at, value] : expected) {
        const auto it = actual.find(at);
        if (it == actual.end() || !(it->second == value)) {
            report(at);
        }
    }
    for (const auto& [at, value] : actual) {
        if (!expected.contains(at)) {
            report(at);
        }
    }
    if (shown > 10) {
        diff += QStringLiteral("... %1 differences in all\n").arg(shown);
    }
    return diff.toStdString();
}

}  // namespace korvel::test
