// What a printed sheet is made of before anything is painted: the header texts as typed, a
// station, and the finished PDF. Plain data, needing Qt's core only, so that korvel-calc reads
// its options into them without Qt's GUI side.
#pragma once

#include <QByteArray>
#include <string>

#include "files/problem.h"

namespace korvel {

// The header texts (UTF-8, any characters, 60 at most each).
struct SheetHeader {
    std::string project;     // 工程名称
    std::string part;        // 桩号及部位, e.g. "K12+345 左幅"
    std::string instrument;  // 仪器型号及编号
    std::string date;        // 日期, as written
};

// A station or backsight as typed: its name and its X (northing) and Y (easting) texts.
struct SheetStation {
    std::string name;
    std::string x;
    std::string y;
};

// A sheet's PDF, or why it was not made.
struct SheetPdf {
    QByteArray pdf;
    Problem problem;  // None when `pdf` holds the sheet
};

}  // namespace korvel
