// The results text file: exact bytes.
#include "files/results_text.h"

#include <gtest/gtest.h>

namespace korvel {
namespace {

TEST(ResultsText, EmptyListIsOneLineEnd) {
    EXPECT_EQ(encodeResultsText({}), QByteArray("\r\n"));
}

TEST(ResultsText, LinesAsTheyStandThenOneMoreLineEnd) {
    const QStringList lines = {QStringLiteral("  1     3003.069     5008.352"),
                               QStringLiteral(" 10     -12.500     5008.352"),
                               QStringLiteral("100     0.000     -0.001")};
    EXPECT_EQ(encodeResultsText(lines), QByteArray("  1     3003.069     5008.352\r\n"
                                                   " 10     -12.500     5008.352\r\n"
                                                   "100     0.000     -0.001\r\n"
                                                   "\r\n"));
}

}  // namespace
}  // namespace korvel
