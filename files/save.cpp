#include "files/save.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace korvel {

// "<native path>: <reason>".
SaveOutcome saveFailure(const QString& path, const QString& reason) {
    return SaveOutcome{false, QDir::toNativeSeparators(path) + QLatin1String(": ") + reason};
}

// QSaveFile writes beside the target and renames on commit; without commit it removes
// its temporary file. Direct writing is never allowed as a fallback.
SaveOutcome saveFileAtomically(const QString& path, QByteArrayView bytes) {
    if (path.isEmpty()) {
        return saveFailure(path, QStringLiteral("No file name"));
    }
    // Renaming over a device, a named pipe or a folder would replace it with a plain file
    // (a device node, for root) instead of writing into it.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        return saveFailure(path, QStringLiteral("不是普通文件"));
    }
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        return saveFailure(path, file.errorString());
    }
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return saveFailure(path, reason);
    }
    if (!file.commit()) {
        return saveFailure(path, file.errorString());
    }
    return {};
}

}  // namespace korvel
