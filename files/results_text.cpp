#include "files/results_text.h"

#include "files/gbk.h"

namespace korvel {

// Joins the lines with CR LF, adds the closing CR LF, encodes once.
QByteArray encodeResultsText(const QStringList& lines) {
    QString text;
    qsizetype size = 2;
    for (const QString& line : lines) {
        size += line.size() + 2;
    }
    text.reserve(size);
    for (const QString& line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    text += QLatin1String("\r\n");
    return encodeGbk(text);
}

}  // namespace korvel
