// The point formats over arbitrary rows, typed prefixes and elevations, and outlines: every
// file written must read back, through a small reader of its own format here, to exactly the
// names and digits it was given; a refusal must have a cause (an elevation that is no number,
// an illegal or over-long name, a coordinate too long for GSI-16 or too far for the drawing).
#include <fuzzer/FuzzedDataProvider.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/decimal.h"
#include "core/stake_row.h"
#include "files/output_formats.h"
#include "fuzz/fuzz_check.h"

namespace {

// A point as a file names it, with the list's digits.
struct NamedPoint {
    std::string name;
    std::string x;
    std::string y;
};

// The lines of `text` cut at `end`, the empty rest after the last one dropped.
std::vector<std::string_view> linesOf(std::string_view text, std::string_view end) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t at = text.find(end);
        FUZZ_CHECK(at != std::string_view::npos, "every line ends");
        lines.push_back(text.substr(0, at));
        text.remove_prefix(at + end.size());
    }
    return lines;
}

// The comma-separated fields of a line.
std::vector<std::string_view> fieldsOf(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t at = line.find(',');; at = line.find(',')) {
        fields.push_back(line.substr(0, at));
        if (at == std::string_view::npos) {
            return fields;
        }
        line.remove_prefix(at + 1);
    }
}

// A GSI-16 word's data as the "0.000" text it came from: sign, digits, point.
std::string gsiMetres(std::string_view word) {
    std::string digits(word.substr(7));
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 4));
    digits.insert(digits.size() - 3, ".");
    return (word[6] == '-' ? "-" : "") + digits;
}

// Reads the points back from `bytes` and checks them against `points` and `h`.
void readBack(korvel::OutputFormat format, const std::string& bytes,
              const std::vector<NamedPoint>& points, const std::string& h) {
    using F = korvel::OutputFormat;
    std::vector<NamedPoint> read;
    std::vector<std::string> heights;
    if (format == F::CassDat || format == F::PointCsv) {
        for (const std::string_view line : linesOf(bytes, "\r\n")) {
            const auto f = fieldsOf(line);
            FUZZ_CHECK(f.size() == 5 && f[format == F::CassDat ? 1 : 4].empty(), "five fields");
            read.push_back(
                format == F::CassDat
                    ? NamedPoint{std::string(f[0]), std::string(f[3]), std::string(f[2])}
                    : NamedPoint{std::string(f[0]), std::string(f[1]), std::string(f[2])});
            heights.emplace_back(f[format == F::CassDat ? 4 : 3]);
        }
    } else if (format == F::LeicaGsi) {
        for (const std::string_view block : linesOf(bytes, "\r\n")) {
            FUZZ_CHECK(block.size() == 1 + 4 * 24 && block[0] == '*', "a block of four words");
            const std::string_view w[4] = {block.substr(1, 24), block.substr(25, 24),
                                           block.substr(49, 24), block.substr(73, 24)};
            FUZZ_CHECK(w[0].starts_with("11") && w[1].starts_with("81..10") &&
                           w[2].starts_with("82..10") && w[3].starts_with("83..10"),
                       "words 11, 81, 82, 83");
            std::string name(w[0].substr(7, 16));
            read.push_back({name, gsiMetres(w[2].substr(0, 23)), gsiMetres(w[1].substr(0, 23))});
            heights.push_back(gsiMetres(w[3].substr(0, 23)));
        }
        for (std::size_t k = 0; k < read.size(); ++k) {  // names are zero-filled to 16
            FUZZ_CHECK(
                read[k].name == std::string(16 - points[k].name.size(), '0') + points[k].name,
                "GSI name");
            read[k].name = points[k].name;
        }
    } else if (format == F::LandXml) {
        for (std::size_t at = bytes.find("<CgPoint name=\""); at != std::string::npos;
             at = bytes.find("<CgPoint name=\"", at + 1)) {
            const std::size_t q = bytes.find("\">", at + 15);
            const std::size_t end = bytes.find("</CgPoint>", q);
            const std::string name = bytes.substr(at + 15, q - at - 15);
            const std::string text = bytes.substr(q + 2, end - q - 2);
            const std::size_t s1 = text.find(' '), s2 = text.rfind(' ');
            read.push_back({name, text.substr(0, s1), text.substr(s1 + 1, s2 - s1 - 1)});
            heights.push_back(text.substr(s2 + 1));
        }
    } else {
        // DXF: code and value lines in pairs; each STAKE_POINT POINT then its STAKE_NAME TEXT.
        const std::vector<std::string_view> lines = linesOf(bytes, "\r\n");
        FUZZ_CHECK(lines.size() % 2 == 0 && lines.back() == "EOF", "group pairs to EOF");
        NamedPoint point;
        std::string_view entity, layer;
        for (std::size_t k = 0; k < lines.size(); k += 2) {
            int code = -1;
            const std::string_view c = lines[k].substr(lines[k].find_first_not_of(' '));
            FUZZ_CHECK(std::from_chars(c.data(), c.data() + c.size(), code).ec == std::errc(),
                       "a group code");
            const std::string_view v = lines[k + 1];
            if (code >= 10 && code <= 40) {
                double number = 0;
                const auto r = std::from_chars(v.data(), v.data() + v.size(), number);
                FUZZ_CHECK(
                    r.ec == std::errc() && r.ptr == v.data() + v.size() && std::isfinite(number),
                    "a finite number");
            }
            if (code == 0) {
                entity = v;
            } else if (code == 8) {
                layer = v;
            } else if (entity == "POINT" && layer == "STAKE_POINT") {
                if (code == 10)
                    point.y = v;
                if (code == 20)
                    point.x = v;
                if (code == 30)
                    heights.emplace_back(v);
            } else if (entity == "TEXT" && layer == "STAKE_NAME" && code == 1) {
                point.name = v;
                read.push_back(point);
            }
        }
    }
    FUZZ_CHECK(read.size() == points.size() && heights.size() == points.size(), "every point");
    for (std::size_t k = 0; k < read.size(); ++k) {
        FUZZ_CHECK(read[k].name == points[k].name && read[k].x == points[k].x &&
                       read[k].y == points[k].y && heights[k] == h,
                   "the list's own names and digits");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    korvel::TypedPointOptions typed;
    typed.prefix = in.ConsumeRandomLengthString(20);
    typed.elevation = in.ConsumeBool()
                          ? in.ConsumeRandomLengthString(24)
                          : korvel::formatFixed(in.ConsumeFloatingPointInRange(-1e20, 1e20), 3);
    std::optional<korvel::SlopeOutline> outline;
    if (in.ConsumeBool()) {
        korvel::SlopeOutline o;
        for (double* v :
             {&o.roadCentre.x, &o.roadCentre.y, &o.roadAzimuth, &o.centre.x, &o.centre.y,
              &o.vertex.x, &o.vertex.y, &o.shortAxisEnd.x, &o.shortAxisEnd.y}) {
            *v = in.ConsumeFloatingPoint<double>();
        }
        outline = o;
    }
    std::vector<korvel::StakeRow> rows;
    const int count = in.ConsumeIntegralInRange(0, 60);
    for (int k = 1; k <= count; ++k) {
        const double scale = std::pow(10.0, in.ConsumeIntegralInRange(-4, 20));
        rows.push_back(korvel::makeStakeRow(k, in.ConsumeFloatingPointInRange(-1.0, 1.0) * scale,
                                            in.ConsumeFloatingPointInRange(-1.0, 1.0) * scale));
    }
    using F = korvel::OutputFormat;
    using P = korvel::ProblemCode;
    for (const F format : {F::CassDat, F::LeicaGsi, F::PointCsv, F::LandXml, F::Dxf}) {
        const korvel::ExportRequest export_ =
            korvel::makeExportRequest(format, typed, {}, {{}, {}, rows, outline});
        if (export_.problem) {
            const P code = export_.problem.code;
            FUZZ_CHECK(
                code == P::ElevationNotNumber || code == P::IllegalPrefix || code == P::NameTooLong,
                "a typed text is refused for what it is");
            continue;
        }
        const korvel::OutputRequest& request = export_.request;
        // What GSI-16 (16 digits) and the drawing (±1e300) cannot hold.
        const std::string& h = request.points.elevation;
        bool longCoordinate = h.size() - (h[0] == '-') > 17;
        bool farCoordinate = false;
        std::vector<NamedPoint> named;
        for (const korvel::StakeRow& row : rows) {
            named.push_back({korvel::pointName(request.points.prefix, row), row.x, row.y});
            for (const std::string& v : {row.x, row.y}) {
                longCoordinate |= v.size() - (v[0] == '-') > 17;
                double value = 0;
                const auto r = std::from_chars(v.data(), v.data() + v.size(), value);
                farCoordinate |= r.ec != std::errc() || std::abs(value) > 1e300;
            }
        }
        const korvel::EncodedFile file = korvel::encodePointFile(format, request);
        if (file.problem) {
            FUZZ_CHECK(file.bytes.empty() && ((format == F::LeicaGsi && longCoordinate &&
                                               file.problem.code == P::CoordinateTooLongForGsi) ||
                                              (format == F::Dxf && farCoordinate &&
                                               file.problem.code == P::CoordinateBeyondDrawing)),
                       "only a coordinate GSI-16 or the drawing cannot hold is refused");
        } else {
            readBack(format, file.bytes, named, h);
        }
    }
    return 0;
}
