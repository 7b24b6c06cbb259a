// Any drawing as AutoCAD R12 ASCII DXF (AC1009), the version every CAD and GIS program opens.
// ASCII, CR LF line ends.
#pragma once

#include <string>

#include "files/drawing/drawing.h"

namespace korvel {

// The whole file: the HEADER with $ACADVER, the extents $EXTMIN/$EXTMAX and $PDMODE/$PDSIZE
// so that points show as a circled cross of the text height; the TABLES with the solid line
// type, every layer of kLayerStyles with its colour (those of the heights only when drawn on),
// and the standard text style; then one entity per drawing entity, in order, each by its own
// writer: DrawingPoint as POINT, DrawingText as TEXT, DrawingLine as LINE, DrawingPolyline as
// a 3D POLYLINE with its VERTEX entities and SEQEND, DrawingFace as 3DFACE. Every z is the
// drawing's elevation but where a place has its own; every coordinate is written with the
// place's own digits.
std::string encodeDxfR12(const Drawing& drawing);

}  // namespace korvel
