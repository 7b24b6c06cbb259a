#include "core/face_check.h"

#include <cmath>

#include "core/decimal.h"
#include "core/decimal_text.h"

namespace korvel {
namespace {

// The design elevation is printed with 4 decimals: in units of 0.1 mm, 100 micrometres.
constexpr int kDesignDecimals = 4;
constexpr std::int64_t kMicrometresPerUnit = 100;

// A row of a shot on the face: the design elevation rounded as printed, and ΔH from the
// digits: the measured H in micrometres less the printed design, then rounded once to tenths
// of a millimetre, halves away from zero.
FaceRow onFace(std::size_t shot, std::string_view measured, double design, Tolerance tolerance) {
    FaceRow row;
    row.shot = shot;
    row.designTenthMillimetres =
        std::llround(roundFixed(design, kDesignDecimals) * std::pow(10.0, kDesignDecimals));
    const std::optional<std::int64_t> h = decimalMicrometres(measured);
    if (!h) {  // an H of 10^12 m or more: no ΔH, and never 合格
        row.verdict = measured.starts_with('-') ? FaceVerdict::Low : FaceVerdict::High;
        return row;
    }
    const std::int64_t delta = *h - row.designTenthMillimetres * kMicrometresPerUnit;
    const std::int64_t magnitude = (std::abs(delta) + 50) / 100;
    row.deltaTenths = delta < 0 ? -magnitude : magnitude;
    row.compared = true;
    // The printed ΔH against the tolerance: a shot exactly on it is 合格.
    if (magnitude * 100 <= tolerance.micrometres) {
        row.verdict = FaceVerdict::Within;
    } else {
        row.verdict = delta > 0 ? FaceVerdict::High : FaceVerdict::Low;
    }
    return row;
}

// Tenths of a millimetre with their point: 123 -> "12.3", -4 -> "-0.4".
std::string tenthsText(std::int64_t tenths) {
    return millimetresText(tenths * 100);
}

// Units of 0.1 mm as metres with 4 decimals: 1025000 -> "102.5000", -5 -> "-0.0005".
std::string designText(std::int64_t units) {
    const std::uint64_t magnitude = units < 0 ? 0 - static_cast<std::uint64_t>(units) : units;
    const std::string fraction = std::to_string(magnitude % 10000);
    std::string text = units < 0 ? "-" : "";
    text.append(std::to_string(magnitude / 10000)).append(".");
    text.append(4 - fraction.size(), '0').append(fraction);
    return text;
}

}  // namespace

std::string_view faceVerdictText(FaceVerdict verdict) {
    switch (verdict) {
        case FaceVerdict::Within:
            return "合格";
        case FaceVerdict::High:
            return "偏高";
        case FaceVerdict::Low:
            return "偏低";
        case FaceVerdict::BeyondToe:
            return "坡脚外";
        case FaceVerdict::Outside:
            return "坡面外";
    }
    return {};
}

FaceCheck checkFace(const SlopeBody& body, std::vector<SlopeShot> shots, Tolerance tolerance) {
    FaceCheck check;
    check.tolerance = tolerance;
    check.shots.reserve(shots.size());
    for (SlopeShot& shot : shots) {
        if (shot.h.empty()) {
            ++check.withoutHeight;
        } else {
            check.shots.push_back(std::move(shot));
        }
    }
    check.rows.reserve(check.shots.size());
    for (std::size_t k = 0; k < check.shots.size(); ++k) {
        const SlopeShot& shot = check.shots[k];
        const DesignHeight design =
            designHeight(body, {decimalValue(shot.x), decimalValue(shot.y)});
        FaceRow row;
        row.shot = k;
        switch (design.place) {
            case SlopePlace::Outside:
                row.verdict = FaceVerdict::Outside;
                ++check.outside;
                break;
            case SlopePlace::BeyondToe:
                row.verdict = FaceVerdict::BeyondToe;
                ++check.beyondToe;
                break;
            case SlopePlace::Face:
            case SlopePlace::Top:
                row = onFace(k, shot.h, design.elevation, tolerance);
                ++(row.verdict == FaceVerdict::Within ? check.within
                   : row.verdict == FaceVerdict::High ? check.high
                                                      : check.low);
                break;
        }
        check.rows.push_back(row);
    }
    check.passed = check.high == 0 && check.low == 0;
    return check;
}

std::array<std::string, kFaceColumns> faceFields(const FaceCheck& check, const FaceRow& row) {
    const SlopeShot& shot = check.shots[row.shot];
    const bool onTheFace =
        row.verdict != FaceVerdict::BeyondToe && row.verdict != FaceVerdict::Outside;
    return {shot.name,
            recordedDecimals(shot.x),
            recordedDecimals(shot.y),
            recordedDecimals(shot.h),
            onTheFace ? designText(row.designTenthMillimetres) : std::string(),
            !onTheFace     ? std::string()
            : row.compared ? tenthsText(row.deltaTenths)
                           : "—",
            std::string(faceVerdictText(row.verdict))};
}

std::array<std::string_view, kFaceColumns> faceCaptions() {
    return {"点名", "X", "Y", "实测H", "设计H", "ΔH(mm)", "结果"};
}

bool faceColumnIsNumber(std::size_t column) {
    return column >= 1 && column <= 5;
}

// The counts, the rate of 合格 among the shots on the face, then the notes that are not zero.
std::string faceSummary(const FaceCheck& check, int linesPassedOver) {
    const int onTheFace = check.within + check.high + check.low;
    std::string text = "共" + std::to_string(onTheFace) + "点：合格" +
                       std::to_string(check.within) + "点，偏高" + std::to_string(check.high) +
                       "点，偏低" + std::to_string(check.low) + "点；合格率" +
                       (onTheFace == 0 ? "—" : percentText(check.within, onTheFace) + "%");
    if (check.beyondToe > 0) {
        text += "；坡脚外" + std::to_string(check.beyondToe) + "点";
    }
    if (check.outside > 0) {
        text += "；坡面外" + std::to_string(check.outside) + "点";
    }
    const int passedOver = linesPassedOver + check.withoutHeight;
    if (passedOver > 0) {
        text += "；略过非点行" + std::to_string(passedOver) + "行";
    }
    return text;
}

}  // namespace korvel
