// Where the parameter dialogs start: the folder "liti" beside the program when a file can be
// made in it (a build tree, a portable copy), otherwise a folder of the user's own that is
// stocked with the installed samples the first time it is needed.
#pragma once

#include <QString>

namespace korvel {

// The installed samples of a program in `programDir`: <prefix>/share/korvel/liti for a
// program in <prefix>/bin.
QString installedSamplesFolder(const QString& programDir);

// "liti" beside the program in `programDir` when that folder exists and a file can be made
// in it (tried, not asked: see parameter_folder.cpp); otherwise `userDir`, which, when it does not
// exist yet, is created and filled with the files of `samplesDir`. No existing file is ever
// replaced. The folder comes with the platform's separators.
QString chooseParameterFolder(const QString& programDir, const QString& samplesDir,
                              const QString& userDir);

}  // namespace korvel
