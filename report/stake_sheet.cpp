#include "report/stake_sheet.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <utility>

#include "core/polar.h"
#include "report/sheet_font.h"
#include "report/sheet_layout.h"
#include "report/sheet_page.h"
#include "report/sheet_table.h"
#include "report/slope_picture.h"

#ifndef KORVEL_VERSION
#define KORVEL_VERSION "0"
#endif

namespace korvel {
namespace {

// PostScript points: the painter's unit is the point, as in sheet_layout.h.
constexpr int kPointsPerInch = 72;

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

// The pages: the first page, then the rest of the table; every page gets its frame.
void paintSheet(QPdfWriter& writer, QPainter& painter, const QFont& font, const StakeSheet& sheet) {
    const std::optional<StationSetup> setup =
        readStationSetup(typed(sheet.station), typed(sheet.backsight));
    const bool withStation = setup.has_value();
    const std::size_t firstRows = rowsBetween(firstTableTop(withStation));
    const std::size_t laterRows = rowsBetween(laterTableTop(withStation));
    const std::size_t pages = pageCount(sheet.rows.size(), firstRows, laterRows);
    for (std::size_t page = 0; page < pages; ++page) {
        if (page > 0) {
            writer.newPage();
        }
        paintPageFrame(painter, font, sheet, page + 1, pages);
        const std::size_t first = firstRowOnPage(page, firstRows, laterRows);
        const std::size_t count =
            std::min(page == 0 ? firstRows : laterRows, sheet.rows.size() - first);
        if (page == 0) {
            const double top = headerBottom(withStation) + kBlockGap;
            paintParameters(painter, font, sheet, top);
            const double pictureTop = top + kParameterLineHeight * kParameterLines + kBlockGap;
            paintSlopePicture(painter, QRectF(kLeft, pictureTop, kContentWidth, kDrawingHeight),
                              sheet.drawing, font);
            paintTable(painter, font, sheet, setup, firstTableTop(withStation), first, count);
        } else {
            paintTable(painter, font, sheet, setup, laterTableTop(withStation), first, count);
        }
    }
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

// QPdfWriter writes the finished pages into the buffer; the painter's unit is the point, so
// the layout's numbers go straight onto the page, which has no margins of its own.
SheetPdf renderStakeSheet(const StakeSheet& sheet) {
    if (Problem problem = checkStakeSheet(sheet)) {
        return {{}, std::move(problem)};
    }
    const SheetFont font = loadSheetFont();
    if (font.problem) {
        return {{}, font.problem};
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPointsPerInch);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Point));
        writer.setTitle(QStringLiteral("锥坡放样记录表"));
        writer.setCreator(QStringLiteral("Korvel " KORVEL_VERSION));
        QPainter painter;
        if (!painter.begin(&writer)) {
            return {{}, problemAbout(ProblemCode::CannotMakePdf)};
        }
        painter.setRenderHint(QPainter::Antialiasing);
        QFont base(font.family);
        base.setPointSizeF(10);
        paintSheet(writer, painter, base, sheet);
        if (!painter.end()) {
            return {{}, problemAbout(ProblemCode::CannotMakePdf)};
        }
    }
    buffer.close();
    return {std::move(bytes), {}};
}

}  // namespace korvel
