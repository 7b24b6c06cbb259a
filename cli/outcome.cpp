#include "outcome.h"

#include <cstdio>
#include <string>

#include "files/messages.h"

namespace korvel::cli {

void reportError(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
}

int usageError(const Problem& problem) {
    reportError("korvel-calc: " + problemText(problem) + "\n(korvel-calc --help)");
    return kExitError;
}

int reportSave(const Problem& problem) {
    if (problem) {
        reportError(saveFailureMessage(problem).toStdString());
        return kExitError;
    }
    return kExitRows;
}

}  // namespace korvel::cli
