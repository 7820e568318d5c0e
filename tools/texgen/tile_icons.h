#pragma once

#include <cairo.h>

// A tile type as a small upright hexagon (palette buttons, history icons):
// the land shows its own tile face, the harbours a large trade badge so the
// resource reads even at 16 pixels. r is the hexagon's circumradius.
void DrawTileIcon(cairo_t* cr, int tileType, double cx, double cy, double r);
