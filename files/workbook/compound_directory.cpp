#include "files/workbook/compound_directory.h"

#include <QtEndian>
#include <algorithm>
#include <optional>
#include <vector>

namespace korvel {
namespace {

constexpr qsizetype kSector = 512;            // sector size of a version 3 file
constexpr qsizetype kEntry = 128;             // size of a directory entry
constexpr quint32 kLastRegular = 0xFFFFFFF9;  // larger sector numbers mark ends and free
constexpr qsizetype kLinks = 0x44;            // left, right and child entry numbers
constexpr int kHeaderFatSectors = 109;        // FAT sectors listed in the header

// The little-endian 32-bit value at `at`, or nothing beyond the end.
std::optional<quint32> word(const QByteArray& file, qsizetype at) {
    if (at < 0 || at + 4 > file.size()) {
        return std::nullopt;
    }
    return qFromLittleEndian<quint32>(file.constData() + at);
}

// The sectors of the directory, in chain order, following the FAT from the header's first
// directory sector; empty when the file is not one this understands.
std::vector<quint32> directorySectors(const QByteArray& file) {
    const std::optional<quint32> fatCount = word(file, 0x2C);
    if (file.size() < kSector || qFromLittleEndian<quint16>(file.constData() + 0x1E) != 9 ||
        !fatCount || *fatCount > kHeaderFatSectors) {
        return {};
    }
    const auto next = [&](quint32 sector) -> std::optional<quint32> {
        const std::optional<quint32> fatSector = word(file, 0x4C + 4 * (sector / 128));
        if (sector / 128 >= *fatCount || !fatSector || *fatSector > kLastRegular) {
            return std::nullopt;
        }
        return word(file, (*fatSector + 1) * kSector + 4 * (sector % 128));
    };
    std::vector<quint32> chain;
    for (std::optional<quint32> s = word(file, 0x30); s && *s <= kLastRegular; s = next(*s)) {
        if (chain.size() * kSector >= static_cast<std::size_t>(file.size())) {
            return {};  // a loop in the chain
        }
        chain.push_back(*s);
    }
    return chain;
}

}  // namespace

QByteArray withUnusedDirectoryEntriesEmptied(QByteArray file) {
    const std::vector<quint32> sectors = directorySectors(file);
    const auto entryAt = [&](quint32 entry) -> qsizetype {
        const std::size_t sector = entry / (kSector / kEntry);
        return sector < sectors.size()
                   ? (sectors[sector] + 1) * kSector + (entry % (kSector / kEntry)) * kEntry
                   : -1;
    };
    const quint32 entries = static_cast<quint32>(sectors.size() * (kSector / kEntry));
    if (entries == 0 || entryAt(entries - 1) + kEntry > file.size()) {
        return file;
    }
    // The entries the root's tree reaches through left, right and child links.
    std::vector<bool> reached(entries, false);
    std::vector<quint32> todo = {0};
    while (!todo.empty()) {
        const quint32 entry = todo.back();
        todo.pop_back();
        if (entry >= entries || reached[entry]) {
            continue;
        }
        reached[entry] = true;
        for (int link = 0; link < 3; ++link) {
            todo.push_back(*word(file, entryAt(entry) + kLinks + 4 * link));
        }
    }
    for (quint32 entry = 0; entry < entries; ++entry) {
        if (!reached[entry]) {
            char* e = file.data() + entryAt(entry);
            std::fill(e, e + kEntry, '\0');
            std::fill(e + kLinks, e + kLinks + 12, '\xFF');
        }
    }
    return file;
}

}  // namespace korvel
