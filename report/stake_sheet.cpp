#include "report/stake_sheet.h"

#include <utility>

#include "core/polar.h"
#include "report/sheet_blocks.h"
#include "report/sheet_layout.h"
#include "report/sheet_pdf.h"
#include "report/sheet_table.h"

namespace korvel {
namespace {

// The station check's code as the files layer names it.
ProblemCode stationProblem(StationCheck check) {
    switch (check) {
        case StationCheck::Ok:
            break;
        case StationCheck::StationWithoutBacksight:
            return ProblemCode::StationWithoutBacksight;
        case StationCheck::BacksightWithoutStation:
            return ProblemCode::BacksightWithoutStation;
        case StationCheck::StationNotNumber:
            return ProblemCode::StationNotNumber;
        case StationCheck::BacksightNotNumber:
            return ProblemCode::BacksightNotNumber;
        case StationCheck::StationSameAsBacksight:
            return ProblemCode::StationSameAsBacksight;
    }
    return ProblemCode::None;
}

// The coordinates of a sheet's station as core reads them.
std::optional<TypedPlace> typed(const std::optional<SheetStation>& place) {
    if (!place) {
        return std::nullopt;
    }
    return TypedPlace{place->x, place->y};
}

// The texts the header prints with their captions, the station's and backsight's included.
std::vector<std::pair<const char*, const std::string*>> headerTexts(const StakeSheet& sheet) {
    std::vector<std::pair<const char*, const std::string*>> texts = {
        {"工程名称", &sheet.header.project},
        {"桩号及部位", &sheet.header.part},
        {"仪器型号及编号", &sheet.header.instrument},
        {"日期", &sheet.header.date},
    };
    if (sheet.station) {
        texts.insert(texts.end(), {{"测站点名", &sheet.station->name},
                                   {"测站X坐标", &sheet.station->x},
                                   {"测站Y坐标", &sheet.station->y}});
    }
    if (sheet.backsight) {
        texts.insert(texts.end(), {{"后视点名", &sheet.backsight->name},
                                   {"后视X坐标", &sheet.backsight->x},
                                   {"后视Y坐标", &sheet.backsight->y}});
    }
    return texts;
}

// The typed text a station problem is about: the station's or the backsight's X and Y.
std::string stationSubject(ProblemCode code, const StakeSheet& sheet) {
    const std::optional<SheetStation>& place =
        code == ProblemCode::StationNotNumber ? sheet.station : sheet.backsight;
    if ((code != ProblemCode::StationNotNumber && code != ProblemCode::BacksightNotNumber) ||
        !place) {
        return {};
    }
    return place->x + " " + place->y;
}

// Without a station the four columns share the width; with one the name and H give room to
// the three polar columns.
std::vector<TableColumn> stakeColumns(bool polar) {
    if (!polar) {
        return {{"点名", 105, Align::Left}, {"X(m)", 140}, {"Y(m)", 140}, {"H(m)", 125}};
    }
    return {{"点名", 62, Align::Left},
            {"X(m)", 80},
            {"Y(m)", 80},
            {"H(m)", 60},
            {"方位角", 74},
            {"水平角", 74},
            {"水平距离(m)", 80}};
}

// A point's row: its name with its line's prefix, the list's own X and Y digits, its line's
// elevation as H, and the polar data from `setup` when there is one.
TableRow stakeTableRow(const NamedPoints& line, const StakeRow& row,
                       const std::optional<StationSetup>& setup) {
    std::vector<QString> cells = {QString::fromStdString(pointName(line.prefix, row)),
                                  QString::fromLatin1(row.x), QString::fromLatin1(row.y),
                                  QString::fromLatin1(line.elevation)};
    if (setup) {
        const PolarTexts polar = polarTexts(*setup, row);
        cells.push_back(QString::fromStdString(polar.azimuth));
        cells.push_back(QString::fromStdString(polar.horizontalAngle));
        cells.push_back(QString::fromLatin1(polar.distance));
    }
    return {std::move(cells), RowLook::Plain};
}

// The rows `first` to `first + count - 1` of the lines taken one after the other.
std::vector<TableRow> stakeTableRows(const std::vector<NamedPoints>& lines,
                                     const std::optional<StationSetup>& setup, std::size_t first,
                                     std::size_t count) {
    std::vector<TableRow> rows;
    rows.reserve(count);
    std::size_t skip = first;
    for (const NamedPoints& line : lines) {
        for (std::size_t k = skip; k < line.rows.size() && rows.size() < count; ++k) {
            rows.push_back(stakeTableRow(line, line.rows[k], setup));
        }
        skip -= std::min(skip, line.rows.size());
    }
    return rows;
}

// The stake-out sheet names the three who sign for the staking.
SheetFrame stakeSheetFrame(const StakeSheet& sheet) {
    return {QStringLiteral("锥坡放样记录表"),
            sheet.header,
            sheet.station,
            sheet.backsight,
            {QStringLiteral("测量："), QStringLiteral("记录："), QStringLiteral("复核：")}};
}

}  // namespace

std::vector<NamedPoints> sheetLines(const StakeSheet& sheet) {
    std::vector<NamedPoints> lines = {{sheet.prefix, sheet.elevation, sheet.rows}};
    if (sheet.heights && sheet.heights->layered) {
        for (const PointLine& line : sheet.heights->lines) {
            lines.push_back(namedPoints(line));
        }
    }
    return lines;
}

// Lengths first: they need nothing else. The station pair is checked as core checks it.
Problem checkStakeSheet(const StakeSheet& sheet) {
    for (const auto& [caption, value] : headerTexts(sheet)) {
        if (characterCount(*value) > kMaxHeaderCharacters) {
            return problemAbout(ProblemCode::HeaderTextTooLong, caption);
        }
    }
    const ProblemCode code =
        stationProblem(checkStations(typed(sheet.station), typed(sheet.backsight)));
    if (code != ProblemCode::None) {
        return problemAbout(code, stationSubject(code, sheet));
    }
    return {};
}

// The stake points' table after the first page's blocks; nothing closes the sheet.
SheetPdf renderStakeSheet(const StakeSheet& sheet) {
    if (Problem problem = checkStakeSheet(sheet)) {
        return {{}, std::move(problem)};
    }
    const std::optional<StationSetup> setup =
        readStationSetup(typed(sheet.station), typed(sheet.backsight));
    const std::vector<NamedPoints> lines = sheetLines(sheet);
    std::size_t rowCount = 0;
    for (const NamedPoints& line : lines) {
        rowCount += line.rows.size();
    }
    const PagedSheet paged{.frame = stakeSheetFrame(sheet),
                           .opening = openingBlocks(sheet),
                           .columns = stakeColumns(setup.has_value()),
                           .rowCount = rowCount,
                           .rows =
                               [&lines, &setup](std::size_t first, std::size_t count) {
                                   return stakeTableRows(lines, setup, first, count);
                               },
                           .closing = {}};
    return renderPagedSheet(paged);
}

}  // namespace korvel
