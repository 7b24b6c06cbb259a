#include "outcome.h"

#include <QString>
#include <cerrno>
#include <cstdio>
#include <cstring>
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

Problem standardOutputProblem() {
    return fileProblem(ProblemCode::CannotWrite, "stdout",
                       QString::fromLocal8Bit(std::strerror(errno)).toStdString());
}

int printQuantities(const SlopeQuantities& quantities) {
    const std::string lines = quantityLines(quantities, "\n");
    if (std::fwrite(lines.data(), 1, lines.size(), stdout) != lines.size() ||
        std::fflush(stdout) != 0) {
        return reportSave(standardOutputProblem());
    }
    return kExitRows;
}

}  // namespace korvel::cli
