// LandXML 1.2: the stake points as CgPoints and the slope's design surface as a TIN, for
// controllers and design software that import LandXML. UTF-8, LF line ends.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/slope_surface.h"
#include "core/stake_row.h"
#include "files/points/point_options.h"

namespace korvel {

// When the file was written, as LandXML's root states it: date "2026-12-06", time "08:30:00".
struct LandXmlStamp {
    std::string date;
    std::string time;
};

// The root LandXML (namespace http://www.landxml.org/schema/LandXML-1.2, version 1.2, the
// stamp), Units/Metric in metres, Application naming Korvel and its version, and CgPoints
// holding one CgPoint per point with the text "N E Z" (the list's X, Y and the line's H), the
// lines one after the other. With a surface that has faces, then Surfaces/Surface "锥坡坡面"
// with its Definition surfType "TIN": Pnts of P elements numbered from 1 ("N E Z", 4 decimals)
// and Faces of F elements ("i j k", counterclockwise seen from above).
//   {"L2-", "0.000", {{1, "3003.069", "5008.352"}}}, no surface ->
//   ...<CgPoint name="L2-1">3003.069 5008.352 0.000</CgPoint>...
std::string encodeLandXml(std::span<const NamedPoints> lines, const SlopeSurface* surface,
                          const LandXmlStamp& stamp);

}  // namespace korvel
