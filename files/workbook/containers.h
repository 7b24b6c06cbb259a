// The two containers the workbooks come in, done by each platform's own libraries: the OLE2
// compound file around an .xls (libgsf on Linux, ole32 structured storage on Windows) and
// the zip package of an .xlsx, read back to check it (libgsf on Linux, minizip on Windows).
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "files/workbook/worksheet.h"

namespace korvel {

// An OLE2 compound file holding `stream` as its one stream "Workbook", returned as bytes (or
// the system's error) for the caller to write where it belongs. libgsf builds it in memory;
// on Windows ole32 builds it as a file in a private temporary folder, whose bytes are read
// back and the folder removed.
//   compoundFileWithWorkbook(xlsWorkbookStream(grid)).bytes starts D0 CF 11 E0 A1 B1 1A E1
WorkbookFile compoundFileWithWorkbook(const QByteArray& stream);

// The bytes of the entry `entryPath` ("xl/worksheets/sheet1.xml") in the zip file at
// `zipPath`; nothing when the file is no zip, lacks the entry, or cannot be read whole.
std::optional<QByteArray> zipEntry(const QString& zipPath, const char* entryPath);

}  // namespace korvel
