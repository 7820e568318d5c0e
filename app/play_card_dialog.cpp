#include "play_card_dialog.h"

#include <wx/button.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

#include "command_ids.h"
#include "player_buttons.h"
#include "radio_choice.h"

CPlayCardDialog::CPlayCardDialog(wxWindow* parent, const std::array<wxString, kMaxPlayers>& names,
                                 const std::array<wxColour, kMaxPlayers>& tints, int currentPlayer, OfferSource offerFor)
    : wxDialog(parent, IDD_PLAY_CARD, "Play a Development Card"), offerFor_(std::move(offerFor)) {
  players_ = std::make_unique<CPlayerButtons>(this, names, tints, [this](int player) { SelectPlayer(player); });
  kinds_ = std::make_unique<CRadioChoice>(
      this, "Development Cards",
      std::vector<wxString>{"Victory Point", "Monopoly", "Road Building", "Year of Plenty", "Soldier"});
  for (int k = 0; k < 5; ++k) {
    kinds_->Button(k)->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { UpdateOk(); });
  }
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(players_->Sizer(), 0, wxALL, 10);
  row->Add(kinds_->Sizer(), 1, wxEXPAND | wxALL, 10);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(row, 1, wxEXPAND);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 10);
  ok_ = static_cast<wxButton*>(FindWindow(wxID_OK));

  const PlayCardOffer offer = offerFor_(currentPlayer);
  for (int p = 0; p < kMaxPlayers; ++p) players_->Show(p, offer.listed[static_cast<size_t>(p)]);
  SetSizerAndFit(top);
  SelectPlayer(offer.selected);
  CentreOnParent();
}

CPlayCardDialog::~CPlayCardDialog() = default;

void CPlayCardDialog::SelectPlayer(int player) {
  players_->Select(player);
  const PlayCardOffer offer = offerFor_(player);
  for (int k = 0; k < 5; ++k) kinds_->Enable(k, offer.kinds[static_cast<size_t>(k)]);
  // "Victory Point" is checked again on every selection.
  kinds_->Check(VictoryPointCard);
  UpdateOk();
}

void CPlayCardDialog::UpdateOk() {
  const int kind = kinds_->Checked();
  ok_->Enable(players_->Selected() >= 0 && kind >= 0 && kinds_->IsEnabled(kind));
}

CPlayCardDialog::Choice CPlayCardDialog::Chosen() const {
  return {players_->Selected(), static_cast<DevCardKind>(kinds_->Checked())};
}

std::optional<CPlayCardDialog::Choice> CPlayCardDialog::Ask(wxWindow* parent, const std::array<wxString, kMaxPlayers>& names,
                                                           const std::array<wxColour, kMaxPlayers>& tints, int currentPlayer,
                                                           OfferSource offerFor) {
  CPlayCardDialog dialog(parent, names, tints, currentPlayer, std::move(offerFor));
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  return dialog.Chosen();
}
