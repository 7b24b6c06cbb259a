#include "files/points/landxml.h"

#include "core/decimal.h"

namespace korvel {
namespace {

// The digits of a surface vertex: rounded to 0.1 mm when it was made.
constexpr int kSurfaceDecimals = 4;

// The TIN of the slope's surface, its vertices numbered from 1.
void appendSurface(std::string& out, const SlopeSurface& surface) {
    out.reserve(out.size() + surface.points.size() * 48 + surface.faces.size() * 32 + 256);
    out += "  <Surfaces>\n";
    out += "    <Surface name=\"锥坡坡面\">\n";
    out += "      <Definition surfType=\"TIN\">\n";
    out += "        <Pnts>\n";
    for (std::size_t k = 0; k < surface.points.size(); ++k) {
        const SurfacePoint& p = surface.points[k];
        out.append("          <P id=\"").append(std::to_string(k + 1)).append("\">");
        out.append(formatFixed(p.x, kSurfaceDecimals)).append(" ");
        out.append(formatFixed(p.y, kSurfaceDecimals)).append(" ");
        out.append(formatFixed(p.z, kSurfaceDecimals)).append("</P>\n");
    }
    out += "        </Pnts>\n";
    out += "        <Faces>\n";
    for (const SurfaceFace& f : surface.faces) {
        out.append("          <F>").append(std::to_string(f[0] + 1)).append(" ");
        out.append(std::to_string(f[1] + 1)).append(" ").append(std::to_string(f[2] + 1));
        out += "</F>\n";
    }
    out += "        </Faces>\n";
    out += "      </Definition>\n";
    out += "    </Surface>\n";
    out += "  </Surfaces>\n";
}

}  // namespace

// Names hold only letters, digits, '-', '_' and '.', and coordinates only digits, '-' and
// '.', so nothing needs escaping.
std::string encodeLandXml(std::span<const NamedPoints> lines, const SlopeSurface* surface,
                          const LandXmlStamp& stamp) {
    std::string out;
    std::size_t points = 0;
    for (const NamedPoints& line : lines) {
        points += line.rows.size();
    }
    out.reserve(640 + points * 64);
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
    for (const NamedPoints& line : lines) {
        for (const StakeRow& row : line.rows) {
            // Indent and tag apart: copied as one constant, the compiler stores the text cut
            // into 16-byte pieces, and "nam" at a cut reads as a misspelling to lintian.
            out.append("    ")
                .append("<CgPoint name=\"")
                .append(pointName(line.prefix, row))
                .append("\">");
            out.append(row.x).append(" ").append(row.y).append(" ").append(line.elevation);
            out += "</CgPoint>\n";
        }
    }
    out += "  </CgPoints>\n";
    if (surface != nullptr && !surface->faces.empty()) {
        appendSurface(out, *surface);
    }
    out += "</LandXML>\n";
    return out;
}

}  // namespace korvel
