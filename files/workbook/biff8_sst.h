// The shared string table of a BIFF8 workbook: SST, its CONTINUE records and EXTSST.
#pragma once

#include <QByteArray>
#include <QStringList>
#include <cstdint>

namespace korvel::biff8 {

// SST holding `strings` (each once, in LABELSST index order) and `references`, the number
// of cells that use them, continued in CONTINUE records so that no body exceeds
// kMaxRecordBody, followed by EXTSST. `streamOffset` is the stream position where the SST
// record will start; EXTSST records absolute positions.
QByteArray sharedStringRecords(const QStringList& strings, std::uint32_t references,
                               std::uint32_t streamOffset);

}  // namespace korvel::biff8
