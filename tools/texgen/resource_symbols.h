#pragma once

#include <cairo.h>

// Emblems of the five resources (0 Timber, 1 Wheat, 2 Ore, 3 Clay, 4 Sheep),
// drawn with a dark outline so they read on any background and at 9 pixels.
// The emblem fits the square of side `size` centred on (cx, cy).
void DrawResourceSymbol(cairo_t* cr, int resource, double cx, double cy, double size);

// A sheep seen from the side, body width about 2 * r, facing right.
void DrawSheep(cairo_t* cr, double cx, double cy, double r, double outlineWidth);
