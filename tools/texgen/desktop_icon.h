#pragma once

#include <cairo.h>

#include <string>

// The program's icon for desktop menus and file managers: three tiles (forest,
// field, sea) meeting at one corner with a settlement on that corner.
// The square of side `size` at the origin is painted; the rest stays clear.
void PaintDesktopIcon(cairo_t* cr, double size);

// The icon's sizes in the hicolor theme, smallest first.
inline constexpr int kDesktopIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Writes <themeDirectory>/<n>x<n>/apps/<name>.png for every size; false and
// a message in `error` when a file cannot be written.
bool WriteDesktopIcons(const std::string& themeDirectory, const std::string& name, std::string& error);
