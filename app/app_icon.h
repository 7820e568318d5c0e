#pragma once

#include <wx/bitmap.h>
#include <wx/iconbndl.h>

// The application icon: the shipped desktop icon where one of that size is
// found beside the program, else a hexagon tile with a settlement drawn here.
wxBitmap AppIcon(int size);
wxIconBundle AppIcons();
