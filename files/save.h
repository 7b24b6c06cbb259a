// Writing a file so that it is either wholly replaced or left as it was.
#pragma once

#include <QByteArrayView>
#include <QString>

#include "files/problem.h"

namespace korvel {

// Writes `bytes` to a temporary file beside `path`, then renames it over `path`. On
// failure the old file is untouched and no temporary file is left behind, and the problem
// names the file (native separators) with the system's reason: NoFileName, NotRegularFile
// for a `path` that exists and is not a regular file (a folder, a device, a named pipe),
// CannotOpen, CannotWrite or CannotCommit. None when the file was written.
Problem saveFileAtomically(const QString& path, QByteArrayView bytes);

// A problem about the file at `path`, with the system's reason if any.
Problem saveProblem(ProblemCode code, const QString& path, const QString& reason = {});

}  // namespace korvel
