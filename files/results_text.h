// The results text file (extension txt): the result list as plain text.
#pragma once

#include <QByteArray>
#include <QStringList>

namespace korvel {

// Every list line plus CR LF, then one more CR LF, in GBK; an empty list gives "\r\n".
QByteArray encodeResultsText(const QStringList& lines);

}  // namespace korvel
