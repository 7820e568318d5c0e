#pragma once

#include <cairo.h>

// Pictures of the panels and buttons, each drawn on a transparent canvas of
// its control's size (the sizes below).

inline constexpr int kPieceIconSize = 52;      // build buttons (tiny.tex)
inline constexpr int kPaletteIconSize = 36;    // board set-up palette (build.tex)
inline constexpr int kCardWidth = 36;          // trade and card dialogs (res.tex 0..4, 10)
inline constexpr int kCardHeight = 48;
inline constexpr int kStatusResourceSize = 20;  // status rows (res.tex 5..9)
inline constexpr int kControlWidth = 128;       // turn-panel buttons (control.tex)
inline constexpr int kControlHeight = 32;

// A resource card: the resource's emblem on its colour inside a cream card.
void DrawResourceCard(cairo_t* cr, int resource);
// The back of a resource card, for cards whose kind is not shown.
void DrawCardBack(cairo_t* cr);
// Turn-panel button 0 Trade, 1 Play D.C., 2 End Turn, 3 Buy D.C.; the
// disabled form is greyed out.
void DrawControlButton(cairo_t* cr, int button, bool enabled);
