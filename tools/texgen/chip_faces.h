#pragma once

#include <cairo.h>

#include <span>

// Chip faces: the board maps the whole square onto the round chip.

// Numbers of the chip sequence in chipOrder order; chip face k of a board
// kind's archive shows entry k.
inline constexpr int kStandardChipSequence[18] = {5, 2, 6, 3, 8, 10, 9, 12, 11, 4, 8, 10, 9, 4, 5, 6, 3, 11};
inline constexpr int kLargeChipSequence[28] = {2, 5, 4, 6, 3, 9, 8, 11, 11, 10, 6, 3, 8, 4,
                                               8, 10, 11, 12, 10, 5, 4, 9, 5, 9, 12, 3, 2, 6};

// Dots counting the ways two dice make the number: 1 for 2 and 12 up to 5 for 6 and 8.
constexpr int ChanceDots(int number) { return 6 - (number > 7 ? number - 7 : 7 - number); }

// Paints the face of a chip with the given number on a square of side size.
void PaintChipFace(cairo_t* cr, int number, double size);
