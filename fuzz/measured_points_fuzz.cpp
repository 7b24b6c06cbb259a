// The measured-point reader on arbitrary bytes in every format: it gives points or a
// refusal with a code, never a crash. A point has a name and decimal texts; every line is
// a point or a line passed over, every point a peg or a repeat; the check and the face check
// take whatever was read, and their aligned texts lay every row out.
#include <QByteArrayView>
#include <cstdint>
#include <string>

#include "core/stake_check.h"
#include "files/check_outputs.h"
#include "files/face_outputs.h"
#include "files/measured/measured_points.h"
#include "fuzz/fuzz_check.h"

namespace {

// The lines of `bytes` as the reader counts them: each ended by LF, CR LF or CR, the last
// one possibly without an end.
int lineCount(QByteArrayView bytes) {
    int lines = 0;
    for (qsizetype k = 0; k < bytes.size(); ++k) {
        if (bytes[k] == '\n' ||
            (bytes[k] == '\r' && (k + 1 == bytes.size() || bytes[k + 1] != '\n'))) {
            ++lines;
        }
    }
    return lines + (!bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r' ? 1 : 0);
}

// Whether `text` is a coordinate as the reader gives it: decimalText leaves it as it is.
bool isDecimalText(std::string_view text) {
    return korvel::decimalText(text) == text;
}

// How many lines `text` has, each ended by `lineEnd`, none of them empty.
std::size_t endedLines(std::string_view text, std::string_view lineEnd) {
    std::size_t lines = 0;
    for (std::size_t at = 0; at < text.size(); ++lines) {
        const std::size_t end = text.find(lineEnd, at);
        if (end == std::string_view::npos || end == at) {
            return 0;
        }
        at = end + lineEnd.size();
    }
    return lines;
}

// The face check of the shots: each shot with an H one row with one verdict, a design and
// ΔH exactly on the face, and a line a row.
void checkFace(const korvel::MeasuredShots& shots) {
    // A slope 4 m high on a toe of 10 m by 6 m about the origin, where small numbers land.
    const korvel::CalcInput input{10, 6, 60, 0, 0, 0, 1, 0};
    const korvel::SlopeBody body =
        korvel::slopeBody(input, korvel::SlopePosition::Position2, {0, 4, 1.5, 1.0}).body;
    const korvel::FaceReport report =
        korvel::makeFaceReport(body, shots.shots, shots.linesPassedOver, korvel::Tolerance{});
    const korvel::FaceCheck& check = report.check;
    FUZZ_CHECK(
        check.rows.size() + static_cast<std::size_t>(check.withoutHeight) == shots.shots.size(),
        "a row for each shot with an H");
    FUZZ_CHECK(check.within + check.high + check.low + check.beyondToe + check.outside ==
                   static_cast<int>(check.rows.size()),
               "one verdict a row");
    for (const korvel::FaceRow& row : check.rows) {
        const auto fields = korvel::faceFields(check, row);
        const bool off = row.verdict == korvel::FaceVerdict::BeyondToe ||
                         row.verdict == korvel::FaceVerdict::Outside;
        FUZZ_CHECK(fields[4].empty() == off && fields[5].empty() == off,
                   "a design and ΔH exactly on the face");
    }
    FUZZ_CHECK(endedLines(korvel::faceText(report, "\r\n"), "\r\n") == check.rows.size() + 2,
               "the captions, a line a row and the summary");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    using korvel::ProblemCode;
    const auto format = static_cast<korvel::MeasuredFormat>(data[0] % 3);
    const auto order = static_cast<korvel::CoordinateOrder>(data[0] / 3 % 2);
    const QByteArrayView bytes(data + 1, static_cast<qsizetype>(size - 1));
    const korvel::MeasuredShots shots = korvel::decodeMeasuredShots(bytes, format, order);
    const korvel::MeasuredPoints read = korvel::decodeMeasuredPoints(bytes, format, order);

    FUZZ_CHECK(read.problem.code == shots.problem.code, "one refusal for both");
    if (read.problem) {
        const ProblemCode code = read.problem.code;
        FUZZ_CHECK(code == ProblemCode::MeasuredBinary || code == ProblemCode::MeasuredNoPoints ||
                       (format == korvel::MeasuredFormat::Gsi &&
                        (code == ProblemCode::GsiBadWord || code == ProblemCode::GsiFeet ||
                         code == ProblemCode::GsiBadUnit)),
                   "a refusal of the decoder's own");
        FUZZ_CHECK(read.points.pegs.empty() && read.linesPassedOver == 0 &&
                       read.points.repeats == 0 && shots.shots.empty() &&
                       shots.linesPassedOver == 0,
                   "nothing half-read");
        FUZZ_CHECK(!korvel::problemText(read.problem).empty(), "a sentence for the refusal");
        return 0;
    }
    const std::size_t pegs = read.points.pegs.size();
    FUZZ_CHECK(pegs > 0, "points or a refusal");
    FUZZ_CHECK(static_cast<int>(shots.shots.size()) + shots.linesPassedOver == lineCount(bytes),
               "every line a point or passed over");
    FUZZ_CHECK(pegs + static_cast<std::size_t>(read.points.repeats) == shots.shots.size() &&
                   read.linesPassedOver == shots.linesPassedOver,
               "every point a peg or a repeat");
    for (const korvel::SlopeShot& p : shots.shots) {
        FUZZ_CHECK(!p.name.empty(), "a name");
        FUZZ_CHECK(isDecimalText(p.x) && isDecimalText(p.y) && (p.h.empty() || isDecimalText(p.h)),
                   "decimal texts");
    }

    // The check against design points 1 to 5 named as GSI names them: every design point
    // gets one verdict, every other peg is listed once.
    std::vector<korvel::StakeRow> design;
    for (int n = 1; n <= 5; ++n) {
        design.push_back({n, std::to_string(n) + ".000", "-" + std::to_string(n) + ".500"});
    }
    const korvel::StakeCheck check =
        korvel::checkStakeOut(design, "", read.points, korvel::Tolerance{});
    FUZZ_CHECK(check.within + check.beyond + check.notMeasured == 5 &&
                   check.rows.size() == 5 + static_cast<std::size_t>(check.noDesign) &&
                   check.within + check.beyond + check.noDesign == static_cast<int>(pegs),
               "one row for each design point and each other peg");
    const korvel::CheckReport report{
        check, korvel::checkSummary(check, read.linesPassedOver, read.points.repeats),
        korvel::Tolerance{}};
    FUZZ_CHECK(!report.summary.empty(), "a summary");
    // The captions, a line a row and the summary, whatever the names hold.
    FUZZ_CHECK(endedLines(korvel::checkText(report, "\r\n"), "\r\n") == check.rows.size() + 2,
               "a line a row");
    checkFace(shots);
    return 0;
}
