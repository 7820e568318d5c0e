#include "tools/texgen/contact_sheet.h"

#include <algorithm>
#include <cmath>

#include "render/image_decode.h"
#include "tools/texgen/canvas.h"
#include "tools/texgen/tile_faces.h"

namespace {

constexpr int kSheetWidth = 1500;
constexpr int kMargin = 12;
constexpr int kLabelHeight = 16;
constexpr int kTitleHeight = 26;

struct Section {
  std::string title;
  const GeneratedArchive* archive;
  bool dim;
};

bool IsKey(const uint8_t* p) { return p[0] == 0 && p[1] == 128 && p[2] == 128; }

// A cairo copy of a decoded picture; key pixels become a checkerboard.
cairo_surface_t* ToSurface(const RgbaImage& image, bool keyed, double light) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.width, image.height);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < image.height; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + size_t(y) * size_t(stride));
    for (int x = 0; x < image.width; ++x) {
      const uint8_t* p = image.Pixel(x, y);
      uint32_t r = p[0], g = p[1], b = p[2];
      if (keyed && IsKey(p)) r = g = b = ((x / 4 + y / 4) % 2) ? 0x60 : 0x40;
      row[x] = (uint32_t(r * light) << 16) | (uint32_t(g * light) << 8) | uint32_t(b * light);
    }
  }
  cairo_surface_mark_dirty(surface);
  return surface;
}

double DisplayScale(int width) {
  if (width >= 256) return 192.0 / width;
  if (width <= 20) return 3.0;
  return 1.0;
}

struct Layout {
  double x = kMargin, y = kMargin, rowHeight = 0;
  void Place(double w, double h) {
    if (x + w > kSheetWidth - kMargin) NewRow();
    rowHeight = std::max(rowHeight, h);
  }
  void Advance(double w) { x += w + 10; }
  void NewRow() {
    x = kMargin;
    y += rowHeight + kLabelHeight + 8;
    rowHeight = 0;
  }
};

// Draws one slot; with draw false it only measures. Returns false on a
// picture that does not decode.
bool DrawSlot(cairo_t* cr, Layout& layout, const Section& section, size_t slot, bool draw) {
  const TextureArchiveEntry& entry = section.archive->entries[slot];
  auto image = DecodeImage(entry.bytes, section.archive->kind);
  if (!image) return false;
  const bool tile = section.archive->entries.size() == 13 && section.archive->kind == ArchiveImageKind::Jpeg;
  const double scale = DisplayScale(image->width);
  const double w = image->width * scale, h = image->height * scale * (tile ? kHexHalfHeight : 1.0);
  layout.Place(w, h);
  if (draw) {
    cairo_surface_t* picture = ToSurface(*image, section.archive->kind == ArchiveImageKind::Bmp,
                                         section.dim ? 0.5 : 1.0);
    cairo_save(cr);
    if (tile) {
      HexagonPath(cr, layout.x + w / 2, layout.y + h / 2, w / 2, 1.0);
      cairo_clip(cr);
    }
    cairo_translate(cr, layout.x, layout.y);
    cairo_scale(cr, scale, scale * (tile ? kHexHalfHeight : 1.0));
    cairo_set_source_surface(cr, picture, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), scale > 1 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(picture);
    SetColor(cr, {0.9, 0.9, 0.9});
    CenteredText(cr, std::to_string(slot), layout.x + w / 2, layout.y + h + kLabelHeight / 2.0 + 2, 11, false);
  }
  layout.Advance(w);
  return true;
}

bool DrawSections(cairo_t* cr, const std::vector<Section>& sections, bool draw, double& height) {
  Layout layout;
  for (const Section& section : sections) {
    if (draw) {
      SetColor(cr, {1, 0.85, 0.4});
      cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
      cairo_set_font_size(cr, 15);
      cairo_move_to(cr, layout.x, layout.y + 16);
      cairo_show_text(cr, section.title.c_str());
    }
    layout.y += kTitleHeight;
    for (size_t slot = 0; slot < section.archive->entries.size(); ++slot) {
      if (!DrawSlot(cr, layout, section, slot, draw)) return false;
    }
    layout.NewRow();
  }
  height = layout.y + kMargin;
  return true;
}

}  // namespace

bool WriteContactSheet(const std::vector<GeneratedArchive>& archives, const std::string& pngPath) {
  std::vector<Section> sections;
  for (const GeneratedArchive& archive : archives) {
    sections.push_back({archive.fileName, &archive, false});
    if (archive.fileName == "64.tex") sections.push_back({"64.tex at half light (unlit tile)", &archive, true});
  }
  double height = 0;
  {
    Canvas probe(1, 1);
    if (!DrawSections(probe.cr(), sections, false, height)) return false;
  }
  Canvas sheet(kSheetWidth, int(std::ceil(height)));
  SetColor(sheet.cr(), {0.13, 0.14, 0.16});
  cairo_paint(sheet.cr());
  DrawSections(sheet.cr(), sections, true, height);
  return cairo_surface_write_to_png(sheet.surface(), pngPath.c_str()) == CAIRO_STATUS_SUCCESS;
}
