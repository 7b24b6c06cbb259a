#include "files/parameter_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "files/parameter_file.h"

namespace korvel {
namespace {

// True when `folder` is an existing folder this process may create files in. Qt asks the
// system (access(W_OK) on Unix), so a read-only mount counts even for root.
bool folderIsWritable(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

}  // namespace

// The path from the program's folder to the samples is fixed when the program is built.
QString installedSamplesFolder(const QString& programDir) {
    return QDir::cleanPath(programDir + QLatin1String("/" KORVEL_SAMPLES_FROM_PROGRAM));
}

// The program's own liti folder if usable, else the per-user one, made and stocked once.
QString chooseParameterFolder(const QString& programDir, const QString& samplesDir,
                              const QString& userDir) {
    const QString besideProgram = litiFolder(programDir);
    if (folderIsWritable(besideProgram)) {
        return besideProgram;
    }
    const QString chosen = QDir::toNativeSeparators(userDir);
    if (QFileInfo::exists(userDir) || !QDir().mkpath(userDir)) {
        return chosen;
    }
    const QDir samples(samplesDir);
    for (const QString& name : samples.entryList(QDir::Files, QDir::Name)) {
        const QString target = QDir(userDir).filePath(name);
        // QFile::copy never replaces an existing file.
        if (QFile::copy(samples.filePath(name), target)) {
            // The installed samples are read-only; the user's copies are theirs to change.
            QFile::setPermissions(
                target, QFile::permissions(target) | QFile::ReadOwner | QFile::WriteOwner);
        }
    }
    return chosen;
}

}  // namespace korvel
