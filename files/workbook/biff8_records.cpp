#include "files/workbook/biff8_records.h"

#include <bit>

namespace korvel::biff8 {

namespace {

// Stores `v` little-endian at `out`.
template <typename T>
void putLe(char* out, T v) {
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        out[i] = static_cast<char>((static_cast<std::uint64_t>(v) >> (8 * i)) & 0xFF);
    }
}

// The 8 bytes of an IEEE double, little-endian.
std::uint64_t doubleBits(double v) {
    return std::bit_cast<std::uint64_t>(v);
}

}  // namespace

// Appends one byte.
Bytes& Bytes::u8(std::uint8_t v) {
    data.append(static_cast<char>(v));
    return *this;
}

// Appends a 16-bit number, low byte first.
Bytes& Bytes::u16(std::uint16_t v) {
    char b[2];
    putLe(b, v);
    data.append(b, 2);
    return *this;
}

// Appends a 32-bit number, low byte first.
Bytes& Bytes::u32(std::uint32_t v) {
    char b[4];
    putLe(b, v);
    data.append(b, 4);
    return *this;
}

// Appends an IEEE double, low byte first.
Bytes& Bytes::f64(double v) {
    char b[8];
    putLe(b, doubleBits(v));
    data.append(b, 8);
    return *this;
}

// Appends bytes as they are.
Bytes& Bytes::raw(QByteArrayView v) {
    data.append(v);
    return *this;
}

// Type, body length, body.
QByteArray record(std::uint16_t type, QByteArrayView body) {
    return Bytes{}.u16(type).u16(static_cast<std::uint16_t>(body.size())).raw(body).data;
}

// BIFF8 is version 0x0600; build 0x0DBB of 1996 (0x07CC) is what Excel 97 writes; the
// file history flags 0x41 and lowest version 6 mark a BIFF8 file.
QByteArray bofRecord(std::uint16_t substream) {
    return record(kBof, Bytes{}
                            .u16(0x0600)
                            .u16(substream)
                            .u16(0x0DBB)
                            .u16(0x07CC)
                            .u32(0x00000041)
                            .u32(0x00000006)
                            .data);
}

// EOF has an empty body.
QByteArray eofRecord() {
    return record(kEof, {});
}

// 1200 is the code page number of UTF-16: every BIFF8 string is Unicode.
QByteArray codepageRecord() {
    return record(kCodepage, Bytes{}.u16(1200).data);
}

// Position and size in twips (Excel's defaults), flags 0x0038 (horizontal and vertical
// scroll bars, sheet tabs), active and first tab 0, one sheet selected, tab bar 60 %
// (600 per mille) of the window width.
QByteArray window1Record() {
    return record(kWindow1, Bytes{}
                                .u16(0x0000)
                                .u16(0x0000)
                                .u16(0x25BC)
                                .u16(0x1572)
                                .u16(0x0038)
                                .u16(0)
                                .u16(0)
                                .u16(1)
                                .u16(600)
                                .data);
}

// Height 200 twips (10 pt), no attributes, colour 0x7FFF (window text), weight 400
// (normal), no escapement or underline, family and charset 0, then the name as a short
// string: 1-byte length, 1-byte flags (0: one byte a character), the characters.
QByteArray fontRecord() {
    const QByteArray name = "Arial";
    return record(kFont, Bytes{}
                             .u16(200)
                             .u16(0)
                             .u16(0x7FFF)
                             .u16(400)
                             .u16(0)
                             .u8(0)
                             .u8(0)
                             .u8(0)
                             .u8(0)
                             .u8(static_cast<std::uint8_t>(name.size()))
                             .u8(0)
                             .raw(name)
                             .data);
}

namespace {

// The 20-byte XF body. `protection` holds the locked bit, the style bit (0x0004) and
// the parent style in its top 12 bits; alignment 0x20 is "general, bottom"; the pattern
// colours 0x20C0 are the automatic foreground (64) and background (65) of the palette.
QByteArray xfRecord(std::uint16_t font, std::uint16_t protection, std::uint8_t usedAttributes) {
    return record(kXf, Bytes{}
                           .u16(font)
                           .u16(0)  // number format 0, "General"
                           .u16(protection)
                           .u8(0x20)
                           .u8(0)
                           .u8(0)
                           .u8(usedAttributes)
                           .u32(0)  // no borders
                           .u32(0)
                           .u16(0x20C0)
                           .data);
}

}  // namespace

// 0xFFF5: locked, a style XF, parent 0xFFF (none). Style XFs 1 to 14 mark their font,
// alignment, border, pattern and protection groups as not used (0xF4), as Excel does.
QByteArray styleXfRecord(int index) {
    return xfRecord(0, 0xFFF5, index == 0 ? 0x00 : 0xF4);
}

// 0x0001: locked, a cell XF, parent style XF 0; no group of its own (0x00).
QByteArray cellXfRecord() {
    return xfRecord(0, 0x0001, 0x00);
}

// 0x8000 marks a built-in style on XF 0; built-in style 0 is "Normal"; level 0xFF (none).
QByteArray styleRecord() {
    return record(kStyle, Bytes{}.u16(0x8000).u8(0).u8(0xFF).data);
}

// Offset of the sheet's BOF, flags 0 (visible worksheet), then the name as a short
// string in UTF-16 (flag 1).
QByteArray boundsheetRecord(std::uint32_t sheetOffset, const QString& name) {
    Bytes body;
    body.u32(sheetOffset).u16(0).u8(static_cast<std::uint8_t>(name.size())).u8(1);
    for (QChar c : name) {
        body.u16(c.unicode());
    }
    return record(kBoundsheet, body.data);
}

// First row, last row + 1 (32-bit), first column, last column + 1 (16-bit), reserved.
QByteArray dimensionsRecord(int firstRow, int lastRow, int firstColumn, int lastColumn) {
    const bool empty = lastRow < firstRow;
    return record(kDimensions, Bytes{}
                                   .u32(empty ? 0 : static_cast<std::uint32_t>(firstRow))
                                   .u32(empty ? 0 : static_cast<std::uint32_t>(lastRow + 1))
                                   .u16(empty ? 0 : static_cast<std::uint16_t>(firstColumn))
                                   .u16(empty ? 0 : static_cast<std::uint16_t>(lastColumn + 1))
                                   .u16(0)
                                   .data);
}

// Flags 0x06B6: show grid lines, row and column headers, zero values, default grid
// colour, outline symbols; sheet selected and shown. Top row and left column 0, header
// colour 64 (automatic), zoom factors left at 0 (default).
QByteArray window2Record() {
    return record(kWindow2,
                  Bytes{}.u16(0x06B6).u16(0).u16(0).u16(64).u16(0).u16(0).u16(0).u32(0).data);
}

// Row, column, XF index, value.
NumberRecord numberRecord(std::uint16_t row, std::uint16_t column, double value) {
    NumberRecord r;
    putLe(r.data(), kNumber);
    putLe(r.data() + 2, std::uint16_t{14});
    putLe(r.data() + 4, row);
    putLe(r.data() + 6, column);
    putLe(r.data() + 8, kCellXf);
    putLe(r.data() + 10, doubleBits(value));
    return r;
}

// Row, column, XF index, SST index.
LabelSstRecord labelSstRecord(std::uint16_t row, std::uint16_t column, std::uint32_t sstIndex) {
    LabelSstRecord r;
    putLe(r.data(), kLabelSst);
    putLe(r.data() + 2, std::uint16_t{10});
    putLe(r.data() + 4, row);
    putLe(r.data() + 6, column);
    putLe(r.data() + 8, kCellXf);
    putLe(r.data() + 10, sstIndex);
    return r;
}

}  // namespace korvel::biff8
