// Writing a file so that it is either wholly replaced or left as it was.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace korvel {

// Outcome of a save; on failure `error` names the file (native separators) and the
// reason the system gave. The window shows saveFailureMessage(error) (messages.h).
struct SaveOutcome {
    bool ok = true;
    QString error;
};

// Writes `bytes` to a temporary file beside `path`, then renames it over `path`. On
// failure the old file is untouched and no temporary file is left behind. A `path` that
// exists and is not a regular file (a folder, a device, a named pipe) is refused.
SaveOutcome saveFileAtomically(const QString& path, QByteArrayView bytes);

// A failed outcome for `path` with the given reason.
SaveOutcome saveFailure(const QString& path, const QString& reason);

}  // namespace korvel
