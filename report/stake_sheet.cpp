#include "report/stake_sheet.h"

#include <utility>

#include "core/polar.h"
#include "report/sheet_layout.h"
#include "report/sheet_pdf.h"

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

}  // namespace

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

// The stake points' table after the parameters and drawing; nothing closes the sheet.
SheetPdf renderStakeSheet(const StakeSheet& sheet) {
    if (Problem problem = checkStakeSheet(sheet)) {
        return {{}, std::move(problem)};
    }
    const std::optional<StationSetup> setup =
        readStationSetup(typed(sheet.station), typed(sheet.backsight));
    const PagedSheet paged{.frame = stakeSheetFrame(sheet),
                           .firstPage = &sheet,
                           .withStation = setup.has_value(),
                           .columns = tableColumns(setup.has_value()),
                           .rowCount = sheet.rows.size(),
                           .rows =
                               [&sheet, &setup](std::size_t first, std::size_t count) {
                                   return stakeTableRows(sheet, setup, first, count);
                               },
                           .closingHeight = 0,
                           .closing = {}};
    return renderPagedSheet(paged);
}

}  // namespace korvel
