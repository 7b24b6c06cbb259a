// The directory of an OLE2 compound file (the container of an .xls), put right after a
// writer that leaves unused entries holding whatever its memory held.
#pragma once

#include <QByteArray>

namespace korvel {

// `file` with every directory entry that the root's tree does not reach made empty, as the
// format defines an unused entry: all zeros, and NOSTREAM (FF FF FF FF) in its left, right
// and child links. Wine's structured storage over memory leaves such entries as it found
// the memory, and readers then fail on their names (xlrd: "can't decode"). A file this does
// not understand (not 512-byte sectors, a broken chain) is returned as it is.
//   a file whose entries 0 (Root Entry) and 4 (Workbook) are the tree and 1..3 hold garbage
//   -> entries 1..3 empty, all else byte for byte the same
QByteArray withUnusedDirectoryEntriesEmptied(QByteArray file);

}  // namespace korvel
