#include "files/parameter_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include "files/parameter_file.h"

namespace korvel {
namespace {

// True when a new file can be made in the existing folder `folder`: one is created there and
// removed at once. Asking is not enough: on Windows QFileInfo::isWritable reads the read-only
// attribute, not the access rights, so Program Files looks writable to a user who cannot
// write there; and a file system out of room for new files says so only when one is made.
bool canCreateFilesIn(const QString& folder) {
    if (!QFileInfo(folder).isDir()) {
        return false;
    }
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".korvel-probe-XXXXXX")));
    return probe.open();  // removed again when `probe` goes
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
    if (canCreateFilesIn(besideProgram)) {
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
