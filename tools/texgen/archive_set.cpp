#include "tools/texgen/archive_set.h"

#include <functional>
#include <span>

#include "engine/board/tile_type.h"
#include "tools/texgen/canvas.h"
#include "tools/texgen/chip_faces.h"
#include "tools/texgen/history_icons.h"
#include "tools/texgen/image_encode.h"
#include "tools/texgen/interface_pictures.h"
#include "tools/texgen/palette.h"
#include "tools/texgen/piece_icons.h"
#include "tools/texgen/resource_symbols.h"
#include "tools/texgen/tile_faces.h"
#include "tools/texgen/tile_icons.h"

namespace {

// Entry names, by tile type and by player colour; they only show up in the
// program's messages about an unreadable entry.
constexpr const char* kTileNames[13] = {"timber", "wheat", "ore", "clay", "sheep", "desert", "ocean",
                                        "port3for1", "port_timber", "port_wheat", "port_ore",
                                        "port_clay", "port_sheep"};
constexpr const char* kControlNames[4] = {"trade", "playdc", "endturn", "buydc"};

using Painter = std::function<void(cairo_t*)>;

TextureArchiveEntry Picture(std::string name, int width, int height, ArchiveImageKind kind,
                            const Painter& paint) {
  Canvas canvas(width, height);
  paint(canvas.cr());
  const bool jpeg = kind == ArchiveImageKind::Jpeg;
  return {name + (jpeg ? ".jpg" : ".bmp"), jpeg ? EncodeJpeg(canvas.surface()) : EncodeKeyedBmp(canvas.surface())};
}

GeneratedArchive TileArchive(int size) {
  GeneratedArchive archive{std::to_string(size) + ".tex", ArchiveImageKind::Jpeg, {}};
  for (int type = 0; type < 13; ++type) {
    archive.entries.push_back(Picture(kTileNames[type] + std::string("_") + std::to_string(size), size,
                                      size, archive.kind,
                                      [&](cairo_t* cr) { PaintTileFace(cr, type, size); }));
  }
  return archive;
}

GeneratedArchive ChipArchive(const char* fileName, std::span<const int> sequence) {
  constexpr int kChipSize = 128;
  GeneratedArchive archive{fileName, ArchiveImageKind::Jpeg, {}};
  for (size_t order = 0; order < sequence.size(); ++order) {
    const int number = sequence[order];
    archive.entries.push_back(Picture("chip" + std::to_string(order) + "_" + std::to_string(number),
                                      kChipSize, kChipSize, archive.kind,
                                      [&](cairo_t* cr) { PaintChipFace(cr, number, kChipSize); }));
  }
  return archive;
}

GeneratedArchive TinyArchive() {
  GeneratedArchive archive{"tiny.tex", ArchiveImageKind::Bmp, {}};
  const struct {
    PieceKind kind;
    const char* name;
  } groups[] = {{PieceKind::Settlement, "settlement"}, {PieceKind::Road, "road"}, {PieceKind::City, "city"}};
  const double s = kPieceIconSize;
  for (const auto& group : groups) {
    for (int color = 0; color < 6; ++color) {
      archive.entries.push_back(Picture(group.name + std::string("_") + kPlayerColours[static_cast<std::size_t>(color)].name, kPieceIconSize,
                                        kPieceIconSize, archive.kind, [&](cairo_t* cr) {
                                          DrawPieceIcon(cr, group.kind, palette::kPlayers[color], s / 2,
                                                        s / 2, s - 6);
                                        }));
    }
  }
  return archive;
}

GeneratedArchive BuildArchive() {
  GeneratedArchive archive{"build.tex", ArchiveImageKind::Bmp, {}};
  const double s = kPaletteIconSize;
  for (int type = 0; type < 13; ++type) {
    archive.entries.push_back(Picture(std::string("build_") + kTileNames[type], kPaletteIconSize,
                                      kPaletteIconSize, archive.kind,
                                      [&](cairo_t* cr) { DrawTileIcon(cr, type, s / 2, s / 2, s / 2 - 0.5); }));
  }
  return archive;
}

GeneratedArchive ResArchive() {
  GeneratedArchive archive{"res.tex", ArchiveImageKind::Bmp, {}};
  for (int r = 0; r < kResourceCount; ++r) {
    archive.entries.push_back(Picture("card_" + LowerTileName(r), kCardWidth, kCardHeight,
                                      archive.kind, [&](cairo_t* cr) { DrawResourceCard(cr, r); }));
  }
  const double s = kStatusResourceSize;
  for (int r = 0; r < kResourceCount; ++r) {
    archive.entries.push_back(Picture("small_" + LowerTileName(r), kStatusResourceSize,
                                      kStatusResourceSize, archive.kind,
                                      [&](cairo_t* cr) { DrawResourceSymbol(cr, r, s / 2, s / 2, s - 1); }));
  }
  archive.entries.push_back(Picture("card_back", kCardWidth, kCardHeight, archive.kind, DrawCardBack));
  return archive;
}

GeneratedArchive HistoryArchive() {
  GeneratedArchive archive{"history.tex", ArchiveImageKind::Bmp, {}};
  for (int index = 0; index < kHistoryIconCount; ++index) {
    archive.entries.push_back(Picture("history" + std::to_string(index), kHistoryIconSize, kHistoryIconSize,
                                      archive.kind, [&](cairo_t* cr) { DrawHistoryIcon(cr, index); }));
  }
  return archive;
}

GeneratedArchive ControlArchive() {
  GeneratedArchive archive{"control.tex", ArchiveImageKind::Bmp, {}};
  for (bool enabled : {true, false}) {
    for (int button = 0; button < 4; ++button) {
      archive.entries.push_back(Picture(kControlNames[button] + std::string(enabled ? "" : "_disabled"),
                                        kControlWidth, kControlHeight, archive.kind,
                                        [&](cairo_t* cr) { DrawControlButton(cr, button, enabled); }));
    }
  }
  return archive;
}

}  // namespace

std::vector<GeneratedArchive> GenerateAllArchives() {
  std::vector<GeneratedArchive> archives;
  for (int size : {512, 256, 128, 64}) archives.push_back(TileArchive(size));
  archives.push_back(ChipArchive("chip34.tex", kStandardChipSequence));
  archives.push_back(ChipArchive("chip56.tex", kLargeChipSequence));
  archives.push_back(TinyArchive());
  archives.push_back(BuildArchive());
  archives.push_back(ResArchive());
  archives.push_back(HistoryArchive());
  archives.push_back(ControlArchive());
  return archives;
}

std::vector<uint8_t> ArchiveBytes(const GeneratedArchive& archive) {
  std::vector<uint8_t> bytes;
  for (const TextureArchiveEntry& entry : archive.entries) AppendTextureArchiveEntry(bytes, entry.name, entry.bytes);
  return bytes;
}
