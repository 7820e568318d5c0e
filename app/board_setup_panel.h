#pragma once

#include <array>
#include <functional>

#include "side_panel.h"

struct CPaletteState;

// The board set-up palette: one item per tile type with its picture button,
// caption and "Remaining: %d" count. A click on a picture chooses that type
// for the next board position; counts and enabled items come from the
// session's palette state.
class CBoardSetupPanel : public CSidePanel {
 public:
  static constexpr int kItemCount = 13;

  CBoardSetupPanel(wxWindow* parent, const CInterfaceImages& images, std::function<void()> onUndo,
                   std::function<void(int tileType)> onChoose);

  void ShowPalette(const CPaletteState& palette);

  // The picture button and the "Remaining: %d" label of a tile type.
  wxWindow* PictureButton(int tileType) const;
  wxWindow* RemainingLabel(int tileType) const;

 private:
  struct Item {
    wxWindow* picture = nullptr;
    class CColourLabel* remaining = nullptr;
  };
  std::array<Item, kItemCount> items_;  // by tile type
};
