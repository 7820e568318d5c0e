#pragma once

#include <cairo.h>

// The 62 pictures of the game history tree, 16 x 16 each, by index:
// 0..12 tile types, 13/14/17/55 the set-up groups, 15/16 first and second
// chip, 18/19 players selected/sorted, 20..25 settlements, 26..31 cities,
// 32..37 roads (also the status-row player badges), 38..43 turn groups (each
// set white, blue, green, orange, red, brown), 44 rolled, 45 started
// actions, 46 placement options, 47 robber, 48 bought a card, 49..53 the
// Victory Point, Soldier (Largest Army badge), Road Building (Longest Road
// badge), Year of Plenty and Monopoly cards, 54 ended turn, 56 trade,
// 57 steal, 58 Undo (no history entry uses it), 59 cards lost on a 7,
// 60 won, 61 wasted points.
inline constexpr int kHistoryIconCount = 62;
inline constexpr int kHistoryIconSize = 16;

// Draws picture `index` on a transparent 16 x 16 canvas.
void DrawHistoryIcon(cairo_t* cr, int index);
