#include "chip_panel.h"

#include "command_ids.h"

namespace {

// Room for the longer, second-chip text at the panel's font.
constexpr int kTextHeight = 120;
constexpr int kPanelHeight = 4 + kTextHeight + 4;

}  // namespace

CChipPanel::CChipPanel(wxWindow* parent, const CInterfaceImages& images, std::function<void()> onUndo)
    : CSidePanel(parent, IDC_CHIP_PANEL, kPanelHeight, kTextHeight, images, std::move(onUndo)) {
  SetText("Select the tile where the first roll chip will be placed.");
}
