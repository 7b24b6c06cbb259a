// The texts the window shows for the file commands.
#pragma once

#include <QString>

#include "files/problem.h"

namespace korvel {

// A parameter file that is missing or cannot be read.
inline const QString kMessageBadPath = QStringLiteral("文件路径错误");
// First line of the message for a save that did not reach the disk.
inline const QString kMessageSaveFailed = QStringLiteral("文件保存失败");

// The message box text for a failed save: "文件保存失败", a line break, the problem's sentence.
inline QString saveFailureMessage(const Problem& problem) {
    return kMessageSaveFailed + QLatin1Char('\n') + QString::fromStdString(problemText(problem));
}

}  // namespace korvel
