#include "turn_panel.h"

#include <wx/button.h>

#include "colour_label.h"
#include "command_ids.h"
#include "engine/session/session_fields.h"
#include "flat_bitmap_button.h"
#include "interface_images.h"
#include "panel_font.h"
#include "render/interface_slots.h"
#include "table_keys.h"

namespace {

constexpr int kMargin = 4;
constexpr int kTextHeight = 44;
// The dice pad: four buttons a row.
constexpr int kDiceColumns = 4;
constexpr int kDiceWidth = 34;
constexpr int kDiceHeight = 30;
constexpr int kDiceStep = 36;
// The production lines share the dice pad's place (they never show together).
constexpr int kLineHeight = 20;
constexpr int kMiddleHeight = 6 * kLineHeight;
// The action buttons: 128 x 32 pictures, top to bottom.
constexpr int kButtonWidth = 128;
constexpr int kButtonHeight = 32;
constexpr int kButtonStep = 36;
constexpr int kPanelHeight = kMargin + kTextHeight + kMargin + kMiddleHeight + kMargin + 4 * kButtonStep + kMargin;

// The action buttons top to bottom: command, caption, key and control.tex slot.
struct ActionButtonSpec {
  int id;
  const char* tooltip;
  char key;
  int slot;
};
constexpr ActionButtonSpec kActionButtons[4] = {
    {IDC_TRADE, "Trade", kTradeKey, kControlTradeSlot},
    {IDC_BUY_CARD, "Buy D.C.", kBuyCardKey, kControlBuyCardSlot},
    {IDC_PLAY_CARD, "Play D.C.", kPlayCardKey, kControlPlayCardSlot},
    {IDC_END_TURN, "End Turn", kEndTurnKey, kControlEndTurnSlot},
};

}  // namespace

CTurnPanel::CTurnPanel(wxWindow* parent, const CInterfaceImages& images, std::function<void()> onUndo,
                       TurnPanelActions actions)
    : CSidePanel(parent, IDC_TURN_PANEL, kPanelHeight, kTextHeight, images, std::move(onUndo)),
      actions_(std::move(actions)) {
  CreateDicePad();
  CreateProductionLines();
  CreateActionButtons(images);
}

void CTurnPanel::CreateDicePad() {
  for (int i = 0; i < kDiceCount; ++i) {
    const wxPoint place(kMargin + 3 + (i % kDiceColumns) * kDiceStep, ContentTop() + (i / kDiceColumns) * kDiceStep);
    dice_[i] = new wxButton(this, IDC_DICE_FIRST + i, wxString::Format("%d", i + 2), place,
                            wxSize(kDiceWidth, kDiceHeight), wxBU_EXACTFIT);
    dice_[i]->Hide();
  }
  Bind(wxEVT_BUTTON, [this](wxCommandEvent& event) {
    if (actions_.roll) actions_.roll(event.GetId() - IDC_DICE_FIRST + 2);
  }, IDC_DICE_FIRST, IDC_DICE_FIRST + kDiceCount - 1);
}

void CTurnPanel::CreateProductionLines() {
  for (size_t p = 0; p < lines_.size(); ++p) {
    lines_[p] = new CColourLabel(this, IDC_PRODUCTION_LINE, wxString(),
                                 wxPoint(kMargin, ContentTop() + static_cast<int>(p) * kLineHeight),
                                 wxSize(kWidth - 2 * kMargin, kLineHeight - 2), PanelFont(12), *wxBLACK, *wxWHITE);
    lines_[p]->SetCursor(wxCursor(wxCURSOR_HAND));
    lines_[p]->Hide();
  }
}

void CTurnPanel::CreateActionButtons(const CInterfaceImages& images) {
  const int top = ContentTop() + kMiddleHeight + kMargin;
  for (size_t i = 0; i < buttons_.size(); ++i) {
    const ActionButtonSpec& spec = kActionButtons[i];
    buttons_[i] = new CFlatBitmapButton(this, spec.id,
                                        wxPoint((kWidth - kButtonWidth) / 2, top + static_cast<int>(i) * kButtonStep),
                                        wxSize(kButtonWidth, kButtonHeight),
                                        wxString::Format("%s (%c)", spec.tooltip, spec.key));
    buttons_[i]->SetPictures(images.Bitmap(InterfaceArchive::Control, spec.slot),
                             images.Bitmap(InterfaceArchive::Control, spec.slot + kControlDisabledOffset));
    buttons_[i]->Disable();
    buttons_[i]->Hide();
  }
  Bind(wxEVT_BUTTON, [this](wxCommandEvent& event) {
    switch (event.GetId()) {
      case IDC_TRADE: if (actions_.trade) actions_.trade(); break;
      case IDC_BUY_CARD: if (actions_.buyCard) actions_.buyCard(); break;
      case IDC_PLAY_CARD: if (actions_.playCard) actions_.playCard(); break;
      case IDC_END_TURN: if (actions_.endTurn) actions_.endTurn(); break;
      // The labels send their clicks as commands with their ids.
      case IDC_PRODUCTION_LINE:
      case IDC_PANEL_TEXT: OnTextClick(); break;
      default: event.Skip();
    }
  });
}

void CTurnPanel::OnTextClick() {
  if (productionShown_ && actions_.continueTurn) actions_.continueTurn();
}

void CTurnPanel::ShowState(const CTurnPanelState& state, const std::array<wxColour, kMaxPlayers>& tints, int playerCount) {
  productionShown_ = state.goodsShown;
  for (wxButton* button : dice_) button->Show(state.dicePadShown);
  for (int p = 0; p < static_cast<int>(lines_.size()); ++p) {
    const bool shown = state.goodsShown && p < playerCount && state.productionLineShown[p];
    if (shown) {
      lines_[p]->SetColours(*wxBLACK, tints[p]);
      lines_[p]->SetLabel(wxString::FromUTF8(state.productionLines[p]));
    }
    lines_[p]->Show(shown);
  }
  const bool enabled[4] = {state.tradeEnabled, state.buyCardEnabled, state.playCardEnabled, state.endTurnEnabled};
  for (size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i]->Show(state.actionButtonsShown);
    buttons_[i]->Enable(enabled[i]);
  }
  StatusLine()->SetCursor(state.goodsShown ? wxCursor(wxCURSOR_HAND) : wxNullCursor);
}

wxWindow* CTurnPanel::DiceButton(int total) const {
  return total >= 2 && total <= 12 ? dice_[total - 2] : nullptr;
}

wxWindow* CTurnPanel::ProductionLine(int player) const {
  return player >= 0 && player < static_cast<int>(lines_.size()) ? lines_[player] : nullptr;
}

CFlatBitmapButton* CTurnPanel::ActionButton(int id) const {
  for (size_t i = 0; i < buttons_.size(); ++i) {
    if (kActionButtons[i].id == id) return buttons_[i];
  }
  return nullptr;
}
