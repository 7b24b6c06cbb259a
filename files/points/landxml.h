// LandXML 1.2: the stake points as CgPoints, for controllers and design software that import
// LandXML. UTF-8, LF line ends.
#pragma once

#include <string>
#include <string_view>
#include <vector>

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
// holding one CgPoint per point with the text "N E Z" (the list's X, Y and H).
//   {1, "3003.069", "5008.352"}, {"0.000", "L2-"} -> ...<CgPoint name="L2-1">3003.069 5008.352
//   0.000</CgPoint>...
std::string encodeLandXml(const std::vector<StakeRow>& rows, const PointOptions& options,
                          const LandXmlStamp& stamp);

}  // namespace korvel
