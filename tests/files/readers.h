// Reading a saved workbook back with spreadsheet readers written elsewhere.
#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <string>
#include <utility>

namespace korvel::test {

enum class Reader { Xlrd, ParseExcel, Openpyxl };

// One cell as a reader sees it: a number or a text.
struct CellValue {
    bool numeric = false;
    double number = 0.0;
    QString text;
    bool operator==(const CellValue&) const = default;
};

// (row, column), both from 0.
using Grid = std::map<std::pair<int, int>, CellValue>;

struct WorkbookContents {
    QString failure;  // empty when the reader succeeded
    QStringList sheets;
    Grid cells;  // of the first sheet
};

// Runs the reader's script (in this folder) on `path`.
WorkbookContents readWorkbook(Reader reader, const QString& path);

// A readable list of the first differences between two grids; empty when equal.
std::string gridDifference(const Grid& expected, const Grid& actual);

CellValue number(double value);
CellValue text(const QString& value);

}  // namespace korvel::test
