// The check of points shot anywhere on the slope against its design surface (坡面检测): for
// each shot its design elevation there and how far it lies above or below it, the 挖/填 of the
// stake. Shots have no design name: each is matched by its place, and every shot of a file is
// a row of its own, in the file's order.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/decimal_text.h"
#include "core/field_points.h"
#include "core/slope_body.h"

namespace korvel {

// A point shot on the slope, as its file records it: a measured point like a peg (name, X, Y and
// H as the decimal texts of the file, H empty when the line has none), but matched by its place,
// not its name.
using SlopeShot = FieldPoint;

// What the check says about one shot.
enum class FaceVerdict : std::uint8_t {
    Within,     // 合格: ΔH as printed is at most the tolerance either way
    High,       // 偏高: above the design by more: to cut
    Low,        // 偏低: below the design by more: to fill
    BeyondToe,  // 坡脚外: beyond the toe line
    Outside,    // 坡面外: behind the long axis or the road line of the quarter
};

// The verdict as the sheets write it: 合格, 偏高, 偏低, 坡脚外, 坡面外.
std::string_view faceVerdictText(FaceVerdict verdict);

// The columns of the check: 点名, X, Y, 实测H, 设计H, ΔH(mm) and 结果.
inline constexpr std::size_t kFaceColumns = 7;

// One row of the check, as numbers: the shot it is of, the design elevation in units of 0.1 mm
// (as printed with 4 decimals), ΔH as printed in tenths of a millimetre, and the verdict. A
// shot off the face has neither; an H too long to compare (10^12 m or more) has no ΔH.
struct FaceRow {
    std::size_t shot = 0;
    std::int64_t designTenthMillimetres = 0;
    std::int64_t deltaTenths = 0;
    bool compared = false;  // ΔH was worked out
    FaceVerdict verdict = FaceVerdict::Outside;
};

// The whole check: the shots with an H, in the order of their file, a row each, and the count
// of each verdict.
struct FaceCheck {
    std::vector<SlopeShot> shots;
    std::vector<FaceRow> rows;
    Tolerance tolerance;
    int within = 0;
    int high = 0;
    int low = 0;
    int beyondToe = 0;
    int outside = 0;
    int withoutHeight = 0;  // shots without an H, left out: lines that hold no point here
    // Every shot on the face is 合格, or none is on it.
    bool passed = true;
};

// Checks each shot with an H against the design elevation at its place (designHeight): 坡面外
// and 坡脚外 for places off the face, else 设计H rounded to 0.1 mm, ΔH = 实测H − 设计H from
// the decimal digits in micrometres, printed in millimetres with one decimal (halves away from
// zero), and 合格, 偏高 or 偏低 by the printed ΔH against the tolerance. Shots without an H are
// counted and left out. The shots are kept in the check.
//   a cone 100 to 104 on the worked example, a shot on the line at 102.5 with H "102.5123"
//     -> 设计H "102.5000", ΔH 12.3, 合格 within 50 mm
FaceCheck checkFace(const SlopeBody& body, std::vector<SlopeShot> shots, Tolerance tolerance);

// The texts of a row, in column order: the shot's name, X, Y and H as recordedDecimals shows
// them, 设计H with 4 decimals and ΔH with one (both empty off the face; ΔH "—" when it could
// not be worked out), and the verdict's word.
//   {"S1", "3001.2", "5009.87", "102.5123"}, on the face at 102.5 ->
//   {"S1", "3001.200", "5009.870", "102.5123", "102.5000", "12.3", "合格"}
std::array<std::string, kFaceColumns> faceFields(const FaceCheck& check, const FaceRow& row);

// The captions: 点名, X, Y, 实测H, 设计H, ΔH(mm) and 结果 (Δ is U+0394).
std::array<std::string_view, kFaceColumns> faceCaptions();

// Whether column `column` (from 0) holds numbers: X to ΔH, 1 to 5.
bool faceColumnIsNumber(std::size_t column);

// The summary under the check: "共N点：合格M点，偏高K点，偏低J点；合格率P%", N = M + K + J the
// shots on the face, P = M/N with one decimal or "—" (without %) when N = 0; then, each only
// when not zero, "；坡脚外L点", "；坡面外Q点" and "；略过非点行X行" (the file's lines that held no
// point, and the shots without an H).
//   3 on the face, 2 合格, 1 偏低, 1 坡脚外 ->
//   "共3点：合格2点，偏高0点，偏低1点；合格率66.7%；坡脚外1点"
std::string faceSummary(const FaceCheck& check, int linesPassedOver);

}  // namespace korvel
