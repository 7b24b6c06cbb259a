#include "files/points/slope_heights.h"

#include <charconv>

#include "core/decimal.h"
#include "core/messages.h"
#include "core/slope_layers.h"

namespace korvel {
namespace {

// A slope typed, or nothing for a blank box: a true cone's along that axis.
struct TypedSlope {
    std::optional<double> value;
    Problem problem;
};

TypedSlope readSlope(const std::string& typed) {
    if (withoutBlanksAround(typed).empty()) {
        return {};
    }
    const std::optional<double> value = typedNumber(typed);
    if (!value || !(*value > 0)) {
        return {{}, problemAbout(ProblemCode::SlopeNotPositive, typed)};
    }
    return {value, {}};
}

// The typed numbers, or the first one refused.
struct ReadHeights {
    SlopeHeights heights;
    std::optional<double> thickness;
    Problem problem;
};

ReadHeights readHeights(const TypedHeights& typed, const PointOptions& points) {
    ReadHeights read;
    // The top as the lines' elevations are written, to the millimetre, as the toe's is.
    const std::optional<std::string> top = elevationText(typed.top);
    if (!top) {
        read.problem = problemAbout(ProblemCode::TopNotNumber, typed.top);
        return read;
    }
    read.heights.top = *typedNumber(*top);
    read.heights.toe = typedNumber(points.elevation).value_or(0);
    for (const auto& [text, slope] : {std::pair{&typed.longSlope, &read.heights.longSlope},
                                      std::pair{&typed.shortSlope, &read.heights.shortSlope}}) {
        TypedSlope s = readSlope(*text);
        if (s.problem) {
            read.problem = std::move(s.problem);
            return read;
        }
        *slope = s.value;
    }
    if (!withoutBlanksAround(typed.thickness).empty()) {
        read.thickness = typedNumber(typed.thickness);
        if (!read.thickness || !(*read.thickness > 0)) {
            read.problem = problemAbout(ProblemCode::LayerNotPositive, typed.thickness);
        }
    }
    return read;
}

// The problem of a body that cannot be raised, about what was typed.
Problem bodyProblem(HeightFault fault, const SlopeBody& body, const TypedHeights& typed) {
    switch (fault) {
        case HeightFault::None:
            break;
        case HeightFault::NoQuarter:
            return problemAbout(ProblemCode::NoSlopeQuarter);
        case HeightFault::TopNotAboveToe:
            return problemAbout(ProblemCode::TopNotAboveToe, typed.top);
        case HeightFault::SlopeNotPositive:
            return problemAbout(ProblemCode::SlopeNotPositive, typed.longSlope);
        case HeightFault::SlopesDoNotFit:
            return problemAbout(ProblemCode::SlopesDoNotFit,
                                body.topA < 0 ? "长半轴 a−m·H = " + formatFixed(body.topA, 3)
                                              : "短半轴 b−n·H = " + formatFixed(body.topB, 3));
    }
    return {};
}

}  // namespace

bool layered(const TypedHeights& typed) {
    return !withoutBlanksAround(typed.top).empty() && !withoutBlanksAround(typed.thickness).empty();
}

std::string slopeRatioText(double slope) {
    return "1:" + formatFixed(slope, 3);
}

HeightRequest makeHeights(const TypedHeights& typed, const PointOptions& points,
                          const ListedRun& run, bool surface) {
    HeightRequest result;
    const std::optional<SlopePosition> position = selectedPosition(run.selection);
    if (withoutBlanksAround(typed.top).empty() || !position) {
        return result;
    }
    const ReadHeights read = readHeights(typed, points);
    if (read.problem) {
        result.problem = read.problem;
        return result;
    }
    const CalcInput input = readCalcInput(run.texts);
    const SlopeBodyResult body = slopeBody(input, *position, read.heights);
    if (body.fault != HeightFault::None) {
        result.problem = bodyProblem(body.fault, body.body, typed);
        return result;
    }
    SlopeInHeight heights;
    heights.body = body.body;
    heights.layered = read.thickness.has_value();
    // Lines beyond what the points may number are refused before any is computed.
    const long long room = kMaxRows - static_cast<long long>(run.rows.size());
    const std::vector<double> zs =
        lineHeights(body.body, read.thickness, room > 0 ? static_cast<std::size_t>(room) : 0);
    if (zs.empty()) {
        result.problem = problemAbout(ProblemCode::TooManyPoints);
        return result;
    }
    long long left = heights.layered ? room : kMaxRows;
    for (std::size_t k = 0; k < zs.size(); ++k) {
        GeneratedRows rows =
            slopeLineRows(input, *position, run.selection.option5, body.body, zs[k], left);
        if (rows.tooMany) {
            result.problem = problemAbout(ProblemCode::TooManyPoints);
            return result;
        }
        if (heights.layered) {
            left -= static_cast<long long>(rows.rows.size());
        }
        heights.lines.push_back({points.prefix + std::to_string(k + 1) + "-",
                                 formatFixed(body.body.toe + zs[k], 3), std::move(rows.rows)});
    }
    if (heights.layered) {
        std::vector<NamedPoints> named;
        for (const PointLine& line : heights.lines) {
            named.push_back(namedPoints(line));
        }
        if ((result.problem = nameLengthProblem(named))) {
            return result;
        }
    }
    heights.quantities = slopeQuantities(body.body);
    if (surface) {
        heights.surface = slopeSurface(body.body);
        if (!heights.surface.complete) {
            result.problem =
                problemAbout(ProblemCode::SurfaceTooLarge, std::to_string(kMostSurfaceFaces));
            return result;
        }
    }
    result.heights = std::move(heights);
    return result;
}

}  // namespace korvel
