// icongen: paints the program's desktop icon at every hicolor size.
//   icongen <theme directory> <icon name>
// writes <theme directory>/<n>x<n>/apps/<icon name>.png.
#include <cairo.h>

#include <cstdio>
#include <string>

#include "tools/texgen/desktop_icon.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: icongen <theme directory> <icon name>\n");
    return 2;
  }
  std::string error;
  const bool written = WriteDesktopIcons(argv[1], argv[2], error);
  cairo_debug_reset_static_data();  // lets leak checkers see a clean exit
  if (!written) {
    std::fprintf(stderr, "icongen: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
