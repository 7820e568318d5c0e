#include "tools/texgen/tile_faces.h"

void PaintTileFace(cairo_t* cr, int tileType, double size) {
  cairo_save(cr);
  cairo_scale(cr, size / 2.0, size / (2.0 * kHexHalfHeight));
  cairo_translate(cr, 1.0, kHexHalfHeight);
  switch (tileType) {
    case 0: PaintTimber(cr); break;
    case 1: PaintWheat(cr); break;
    case 2: PaintOre(cr); break;
    case 3: PaintClay(cr); break;
    case 4: PaintSheep(cr); break;
    case 5: PaintDesert(cr); break;
    case 6: PaintOcean(cr, 34); break;
    case 7: PaintHarbour(cr, -1); break;
    default: PaintHarbour(cr, tileType - 8); break;
  }
  cairo_restore(cr);
}
