// Makes a folder read-only for this process and back again. Root ignores permission bits,
// so for root the folder is bind-mounted read-only onto itself; for others its mode is 0555.
// For root also a folder that still reads as writable but takes no new file.
#pragma once

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>

// Makes the folder `path` read-only; false when the system refuses.
inline bool makeReadOnly(const QByteArray& path) {
    if (geteuid() != 0) {
        return ::chmod(path.constData(), 0555) == 0;
    }
    return ::mount(path.constData(), path.constData(), nullptr, MS_BIND, nullptr) == 0 &&
           ::mount(nullptr, path.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) ==
               0;
}

// Makes the folder `path` refuse new files while access(W_OK) still says it is writable, as
// Program Files does on Windows to a standard user: a tmpfs without a free inode is mounted
// on it. Root only; false for others.
inline bool makeFullForNewFiles(const QByteArray& path) {
    return geteuid() == 0 &&
           ::mount("tmpfs", path.constData(), "tmpfs", 0, "nr_inodes=1,size=64k") == 0;
}

// Undoes makeReadOnly and makeFullForNewFiles.
inline void makeWritable(const QByteArray& path) {
    if (geteuid() == 0) {
        ::umount2(path.constData(), MNT_DETACH);
    } else {
        ::chmod(path.constData(), 0755);
    }
}
