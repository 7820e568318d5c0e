#pragma once

#include <cairo.h>

#include "tools/texgen/canvas.h"

// Player pieces as icons: a face in the player's colour over a darker side,
// outlined in ink so that even the white player's pieces stand out.
// Each fits the square of side `size` centred on (cx, cy).
enum class PieceKind { Settlement, City, Road };

void DrawPieceIcon(cairo_t* cr, PieceKind kind, Rgb color, double cx, double cy, double size);
