#pragma once

#include <string>
#include <vector>

#include "tools/texgen/archive_set.h"

// Writes a PNG that shows every slot of every archive with its slot number,
// decoded the way the program decodes it. Tile faces are shown cut to the
// board's hexagon, also at half light as on an unlit tile; interface
// pictures show their key colour as a checkerboard. Developers look at it;
// the program never reads it. Returns false when a picture does not decode.
bool WriteContactSheet(const std::vector<GeneratedArchive>& archives, const std::string& pngPath);
