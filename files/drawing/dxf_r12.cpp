#include "files/drawing/dxf_r12.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <vector>

namespace korvel {
namespace {

// Writes DXF group pairs: the code right-aligned in three places, the value, each on a line.
struct DxfWriter {
    std::string out;
    std::string_view z;

    void group(int code, std::string_view value) {
        const std::string digits = std::to_string(code);
        out.append(3 - std::min<std::size_t>(3, digits.size()), ' ').append(digits);
        out.append("\r\n").append(value).append("\r\n");
    }
    // The x, y and z of a place as codes 10+k, 20+k, 30+k.
    void at(const DrawingPlace& p, int k = 0) {
        group(10 + k, p.eastDigits);
        group(20 + k, p.northDigits);
        group(30 + k, p.heightDigits.empty() ? z : p.heightDigits);
    }
    // The start of an entity: its type and its layer.
    void entity(std::string_view type, Layer layer) {
        group(0, type);
        group(8, layerName(layer));
    }
};

// HEADER: the version, the extents, and points shown as a circle with a cross of the texts'
// height, so that CAD programs show them at every zoom.
void writeHeader(DxfWriter& w, const Drawing& d) {
    w.group(0, "SECTION");
    w.group(2, "HEADER");
    w.group(9, "$ACADVER");
    w.group(1, "AC1009");
    w.group(9, "$EXTMIN");
    w.at(d.low);
    w.group(9, "$EXTMAX");
    w.at(d.high);
    w.group(9, "$PDMODE");
    w.group(70, "34");
    w.group(9, "$PDSIZE");
    w.group(40, d.textHeightDigits);
    w.group(0, "ENDSEC");
}

// Whether the drawing draws anything on `layer`.
bool drawsOn(const Drawing& d, Layer layer) {
    return std::any_of(d.entities.begin(), d.entities.end(), [layer](const DrawingEntity& e) {
        return std::visit([layer](const auto& entity) { return entity.layer == layer; }, e);
    });
}

// The layers a drawing file lists: every layer but those of the heights it does not draw on.
std::vector<LayerStyle> listedLayers(const Drawing& d) {
    std::vector<LayerStyle> listed;
    for (const LayerStyle& style : kLayerStyles) {
        if (!style.heightsOnly || drawsOn(d, style.layer)) {
            listed.push_back(style);
        }
    }
    return listed;
}

// TABLES: the solid line type, the layers, the standard text style.
void writeTables(DxfWriter& w, const Drawing& d) {
    w.group(0, "SECTION");
    w.group(2, "TABLES");
    w.group(0, "TABLE");
    w.group(2, "LTYPE");
    w.group(70, "1");
    w.group(0, "LTYPE");
    w.group(2, "CONTINUOUS");
    w.group(70, "0");
    w.group(3, "Solid line");
    w.group(72, "65");
    w.group(73, "0");
    w.group(40, "0.0");
    w.group(0, "ENDTAB");
    w.group(0, "TABLE");
    w.group(2, "LAYER");
    const std::vector<LayerStyle> layers = listedLayers(d);
    w.group(70, std::to_string(layers.size()));
    for (const LayerStyle& style : layers) {
        w.group(0, "LAYER");
        w.group(2, style.name);
        w.group(70, "0");
        w.group(62, std::to_string(style.colour));
        w.group(6, "CONTINUOUS");
    }
    w.group(0, "ENDTAB");
    w.group(0, "TABLE");
    w.group(2, "STYLE");
    w.group(70, "1");
    w.group(0, "STYLE");
    w.group(2, "STANDARD");
    w.group(70, "0");
    w.group(40, "0.0");
    w.group(41, "1.0");
    w.group(50, "0.0");
    w.group(71, "0");
    w.group(42, "1.0");
    w.group(3, "txt");
    w.group(4, "");
    w.group(0, "ENDTAB");
    w.group(0, "ENDSEC");
}

// POINT at its place.
void writePoint(DxfWriter& w, const DrawingPoint& p) {
    w.entity("POINT", p.layer);
    w.at(p.at);
}

// TEXT of the drawing's text height, its lower left corner at its place.
void writeText(DxfWriter& w, const DrawingText& t, std::string_view height) {
    w.entity("TEXT", t.layer);
    w.at(t.corner);
    w.group(40, height);
    w.group(1, t.text);
}

// LINE from one place to the other.
void writeLine(DxfWriter& w, const DrawingLine& l) {
    w.entity("LINE", l.layer);
    w.at(l.from);
    w.at(l.to, 1);
}

// A 3D POLYLINE: its own entity at the origin, a VERTEX per place, SEQEND.
void writePolyline(DxfWriter& w, const DrawingPolyline& p) {
    w.entity("POLYLINE", p.layer);
    w.group(66, "1");  // vertices follow
    w.at({0, 0, "0.000", "0.000", {}});
    w.group(70, "8");  // a 3D polyline
    for (const DrawingPlace& vertex : p.vertices) {
        w.entity("VERTEX", p.layer);
        w.at(vertex);
        w.group(70, "32");  // a vertex of a 3D polyline
    }
    w.entity("SEQEND", p.layer);
}

// 3DFACE: a triangle's three corners, the third given twice as R12 takes four.
void writeFace(DxfWriter& w, const DrawingFace& f) {
    w.entity("3DFACE", f.layer);
    w.at(f.corners[0]);
    w.at(f.corners[1], 1);
    w.at(f.corners[2], 2);
    w.at(f.corners[2], 3);
}

// Calls the writer of one entity's kind.
struct EntityWriter {
    DxfWriter& w;
    std::string_view textHeight;

    void operator()(const DrawingPoint& p) const { writePoint(w, p); }
    void operator()(const DrawingText& t) const { writeText(w, t, textHeight); }
    void operator()(const DrawingLine& l) const { writeLine(w, l); }
    void operator()(const DrawingPolyline& p) const { writePolyline(w, p); }
    void operator()(const DrawingFace& f) const { writeFace(w, f); }
};

}  // namespace

std::string encodeDxfR12(const Drawing& drawing) {
    DxfWriter w{{}, drawing.elevationDigits};
    w.out.reserve(4096 + drawing.entities.size() * 210);
    writeHeader(w, drawing);
    writeTables(w, drawing);
    w.group(0, "SECTION");
    w.group(2, "ENTITIES");
    for (const DrawingEntity& entity : drawing.entities) {
        std::visit(EntityWriter{w, drawing.textHeightDigits}, entity);
    }
    w.group(0, "ENDSEC");
    w.group(0, "EOF");
    return std::move(w.out);
}

}  // namespace korvel
