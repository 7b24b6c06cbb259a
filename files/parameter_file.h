// The parameter file (extension zdy): the eight input texts Text1 to Text8, one line each.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>

#include "files/problem.h"

namespace korvel {

// Text1 to Text8: a, b, β, X, Y, azimuth, step, D.
using ParameterTexts = std::array<QString, 8>;

// The most bytes one line keeps; the rest of a longer line is dropped. A text box line
// holds at most 32767 characters, two GBK bytes each at worst.
inline constexpr qsizetype kMaxParameterLineBytes = 65534;
// The most bytes a read looks at: eight longest lines, each with its CR LF.
inline constexpr qsizetype kMaxParameterFileBytes = 8 * (kMaxParameterLineBytes + 2);

// The eight texts of a parameter file, or why it could not be read: CannotRead with the
// file and the system's reason. The window shows "文件路径错误" for any problem.
struct ParameterRead {
    ParameterTexts texts;
    Problem problem;
};

// The file bytes: each text in GBK followed by CR LF, nothing else.
QByteArray encodeParameterFile(const ParameterTexts& texts);

// The eight texts from file bytes. A line ends at CR LF, a lone LF or a lone CR; the last
// line counts without its line end; lines missing give empty texts, lines after the eighth
// are ignored. Bytes that begin with the UTF-8 mark EF BB BF are UTF-8 after the mark (an
// editor's "UTF-8 with BOM"); all others are GBK.
ParameterTexts decodeParameterFile(QByteArrayView bytes);

// Reads the file at `path`, looking at no more than kMaxParameterFileBytes.
ParameterRead readParameterFile(const QString& path);

// The starting folder of the parameter dialogs: `exeDir`, the native separator unless it
// already ends with one, then "liti".
QString litiFolder(const QString& exeDir);

}  // namespace korvel
