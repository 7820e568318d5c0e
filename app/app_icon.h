#pragma once

#include <wx/bitmap.h>
#include <wx/iconbndl.h>

// The application icon: a hexagon tile with a settlement, drawn at any size.
wxBitmap AppIcon(int size);
wxIconBundle AppIcons();
