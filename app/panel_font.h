#pragma once

#include <wx/font.h>

// The panels draw their texts in "Tahoma" at a pixel height; where the face is
// missing the toolkit falls back to its sans-serif face of the same height.
wxFont PanelFont(int pixelHeight, wxFontWeight weight = wxFONTWEIGHT_NORMAL);
