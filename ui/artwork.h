// The pictures Korvel draws itself: the plan-view diagram of Image1, the program icon and the
// icon of its parameter files on a Linux desktop.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPicture>

namespace korvel {

// Size of the diagram in device-independent pixels.
inline constexpr int kDiagramWidth = 262;
inline constexpr int kDiagramHeight = 145;

// The plan-view diagram: the ellipse against the road, the inputs a, b, β, D and the four
// positions. Recorded as vector commands, so it stays crisp at any scale.
QPicture slopeDiagram();
// The icon drawn on a transparent square of `size` pixels.
QImage iconImage(int size);
// The parameter files' icon: a sheet carrying the program's picture, on a transparent
// square of `size` pixels.
QImage fileTypeIconImage(int size);
// The icon at the sizes a desktop asks for.
QIcon appIcon();

}  // namespace korvel
