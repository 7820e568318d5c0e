#pragma once

#include <cairo.h>

// Tile faces. The board cuts a hexagon with corners at the middle of the left
// and right edges and at a quarter in from each end of the top and bottom
// edges; the whole square is painted so that filtering never pulls in a
// foreign colour. Painters work in board proportions: x from -1 to 1, y from
// -0.866 to 0.866 (the hexagon of circumradius 1), so round things stay round
// once the square is stretched onto the hexagon. The top of the picture lies
// away from the viewer; a harbour's land side is the bottom edge.

// Paints the face of tile type 0..12 on a square of side `size`.
void PaintTileFace(cairo_t* cr, int tileType, double size);

// The painters behind it, each in the coordinates above.
void PaintTimber(cairo_t* cr);
void PaintWheat(cairo_t* cr);
void PaintOre(cairo_t* cr);
void PaintClay(cairo_t* cr);
void PaintSheep(cairo_t* cr);
void PaintDesert(cairo_t* cr);
void PaintOcean(cairo_t* cr, int waveCount);
// tradeResource -1 for a 3:1 harbour, else the resource of a 2:1 harbour.
void PaintHarbour(cairo_t* cr, int tradeResource);

inline constexpr double kHexHalfHeight = 0.8660254037844386;
