// BIFF8 records of an Excel 97-2003 workbook stream, each with its 4-byte header
// (record type, body length; little-endian like every number in BIFF8).
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstdint>

namespace korvel::biff8 {

// Record types.
inline constexpr std::uint16_t kBof = 0x0809, kEof = 0x000A, kCodepage = 0x0042, kWindow1 = 0x003D,
                               kFont = 0x0031, kXf = 0x00E0, kStyle = 0x0293, kBoundsheet = 0x0085,
                               kSst = 0x00FC, kContinue = 0x003C, kExtsst = 0x00FF,
                               kDimensions = 0x0200, kNumber = 0x0203, kLabelSst = 0x00FD,
                               kWindow2 = 0x023E;

// The largest record body BIFF8 allows; longer data goes on in CONTINUE records.
inline constexpr int kMaxRecordBody = 8224;

// BOF substream kinds.
inline constexpr std::uint16_t kWorkbookGlobals = 0x0005, kWorksheet = 0x0010;

// XF index of every cell: the 15 style XFs come first, the one cell XF is number 15.
inline constexpr std::uint16_t kCellXf = 15;

// Little-endian writer for record bodies.
struct Bytes {
    QByteArray data;
    Bytes& u8(std::uint8_t v);
    Bytes& u16(std::uint16_t v);
    Bytes& u32(std::uint32_t v);
    Bytes& f64(double v);
    Bytes& raw(QByteArrayView v);
};

// Header plus body.
QByteArray record(std::uint16_t type, QByteArrayView body);

// BOF opening the globals or a worksheet substream.
QByteArray bofRecord(std::uint16_t substream);
// EOF closing a substream.
QByteArray eofRecord();
// CODEPAGE 1200: the workbook's strings are UTF-16.
QByteArray codepageRecord();
// WINDOW1: the workbook window, first sheet active.
QByteArray window1Record();
// FONT: 10-point Arial, the workbook's default font.
QByteArray fontRecord();
// A style XF (index 0 is the "Normal" style, 1 to 14 the other built-in styles).
QByteArray styleXfRecord(int index);
// The cell XF: General format, font 0, inherits everything from style XF 0.
QByteArray cellXfRecord();
// STYLE: the built-in "Normal" style on XF 0.
QByteArray styleRecord();
// BOUNDSHEET for a visible worksheet; `sheetOffset` is the stream position of its BOF.
QByteArray boundsheetRecord(std::uint32_t sheetOffset, const QString& name);
// Where the sheet offset sits inside a BOUNDSHEET record, counted from the header.
inline constexpr int kBoundsheetOffsetPos = 4;
// DIMENSIONS: rows [firstRow, lastRow], columns [firstColumn, lastColumn]; empty when
// lastRow < firstRow.
QByteArray dimensionsRecord(int firstRow, int lastRow, int firstColumn, int lastColumn);
// WINDOW2: the sheet window, selected, grid lines and headers shown.
QByteArray window2Record();

// NUMBER: a cell holding a double (4-byte header + 14-byte body).
using NumberRecord = std::array<char, 18>;
NumberRecord numberRecord(std::uint16_t row, std::uint16_t column, double value);
// LABELSST: a cell holding string number `sstIndex` of the SST (4 + 10 bytes).
using LabelSstRecord = std::array<char, 14>;
LabelSstRecord labelSstRecord(std::uint16_t row, std::uint16_t column, std::uint32_t sstIndex);

}  // namespace korvel::biff8
