#include "files/save.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace korvel {

Problem saveProblem(ProblemCode code, const QString& path, const QString& reason) {
    return fileProblem(code, QDir::toNativeSeparators(path).toStdString(), reason.toStdString());
}

// QSaveFile writes beside the target and renames on commit; without commit it removes
// its temporary file. Direct writing is never allowed as a fallback.
Problem saveFileAtomically(const QString& path, QByteArrayView bytes) {
    if (path.isEmpty()) {
        return saveProblem(ProblemCode::NoFileName, path);
    }
    // Renaming over a device, a named pipe or a folder would replace it with a plain file
    // (a device node, for root) instead of writing into it.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        return saveProblem(ProblemCode::NotRegularFile, path);
    }
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        return saveProblem(ProblemCode::CannotOpen, path, file.errorString());
    }
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return saveProblem(ProblemCode::CannotWrite, path, reason);
    }
    if (!file.commit()) {
        return saveProblem(ProblemCode::CannotCommit, path, file.errorString());
    }
    return {};
}

}  // namespace korvel
