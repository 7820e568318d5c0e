#include "board_setup_panel.h"

#include "colour_label.h"
#include "command_ids.h"
#include "engine/session/session_fields.h"
#include "flat_bitmap_button.h"
#include "interface_images.h"
#include "panel_font.h"

namespace {

// The palette items top to bottom: tile type, caption and caption colour.
struct PaletteItem {
  int tileType;
  const char* caption;
  unsigned char r, g, b;
};
constexpr PaletteItem kPaletteItems[CBoardSetupPanel::kItemCount] = {
    {0, "TIMBER", 61, 104, 55},     {1, "WHEAT", 225, 189, 70},    {4, "SHEEP", 157, 193, 109},
    {2, "ORE", 151, 151, 151},      {3, "CLAY", 180, 123, 78},     {5, "DESERT", 120, 98, 7},
    {6, "OCEAN", 101, 115, 142},    {7, "3-TRADE", 101, 115, 142}, {8, "TIMBER", 101, 115, 142},
    {9, "WHEAT", 101, 115, 142},    {12, "SHEEP", 101, 115, 142},  {10, "ORE", 101, 115, 142},
    {11, "CLAY", 101, 115, 142},
};

constexpr int kTextHeight = 58;
constexpr int kItemHeight = 40;
constexpr int kPanelHeight = 4 + kTextHeight + 4 + CBoardSetupPanel::kItemCount * kItemHeight + 4;

}  // namespace

CBoardSetupPanel::CBoardSetupPanel(wxWindow* parent, const CInterfaceImages& images, std::function<void()> onUndo,
                                   std::function<void(int)> onChoose)
    : CSidePanel(parent, IDC_BOARD_SETUP_PANEL, kPanelHeight, kTextHeight, images, std::move(onUndo)) {
  SetText("Click on a resource type to set the current game board piece to that type.");
  for (int i = 0; i < kItemCount; ++i) {
    const PaletteItem& spec = kPaletteItems[i];
    const int top = ContentTop() + i * kItemHeight;
    auto* picture = new CFlatBitmapButton(this, IDC_PALETTE_FIRST + spec.tileType, wxPoint(10, top + 2),
                                          wxSize(36, 36));
    picture->SetPictures(images.Bitmap(InterfaceArchive::Build, spec.tileType));
    new CColourLabel(this, IDC_PALETTE_CAPTION, spec.caption, wxPoint(50, top + 5), wxSize(98, 17),
                     PanelFont(18, wxFONTWEIGHT_BOLD), wxColour(spec.r, spec.g, spec.b), *wxBLACK);
    // Room for "Remaining: 11" (the Large board's Ocean) in the fallback face,
    // which is wider than Tahoma.
    auto* remaining = new CColourLabel(this, IDC_PALETTE_REMAINING, wxString(), wxPoint(73, top + 23),
                                       wxSize(75, 15), PanelFont(12), *wxWHITE, *wxBLACK);
    items_[spec.tileType] = {picture, remaining};
  }
  Bind(wxEVT_BUTTON, [onChoose = std::move(onChoose)](wxCommandEvent& event) {
    if (onChoose) onChoose(event.GetId() - IDC_PALETTE_FIRST);
  }, IDC_PALETTE_FIRST, IDC_PALETTE_FIRST + kItemCount - 1);
}

void CBoardSetupPanel::ShowPalette(const CPaletteState& palette) {
  for (int type = 0; type < kItemCount; ++type) {
    items_[type].remaining->SetLabel(wxString::Format("Remaining: %d", palette.remaining[type]));
    items_[type].picture->Enable(palette.enabled[type]);
  }
}

wxWindow* CBoardSetupPanel::PictureButton(int tileType) const {
  return tileType >= 0 && tileType < kItemCount ? items_[tileType].picture : nullptr;
}

wxWindow* CBoardSetupPanel::RemainingLabel(int tileType) const {
  return tileType >= 0 && tileType < kItemCount ? items_[tileType].remaining : nullptr;
}
