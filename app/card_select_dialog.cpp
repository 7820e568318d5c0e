#include "card_select_dialog.h"

#include <numeric>

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

#include "command_ids.h"
#include "player_buttons.h"
#include "resource_card.h"
#include "resource_card_row.h"

namespace {

constexpr int kYearOfPlentyCards = 2;

int32_t Total(const ResourceCounts& counts) { return std::accumulate(counts.begin(), counts.end(), 0); }

}  // namespace

CCardSelectDialog::CCardSelectDialog(wxWindow* parent, Mode mode, const wxString& caption,
                                     const CInterfaceImages& images, const wxString& availableCaption,
                                     const wxString& chosenCaption)
    : wxDialog(parent, IDD_CARD_SELECT, caption), mode_(mode) {
  available_ = std::make_unique<CResourceCardRow>(this, availableCaption, images, [this](int r) { Take(r); });
  chosen_row_ = std::make_unique<CResourceCardRow>(this, chosenCaption, images, [this](int r) { Return(r); });
  columns_ = new wxBoxSizer(wxHORIZONTAL);
}

CCardSelectDialog::CCardSelectDialog(wxWindow* parent, const CInterfaceImages& images, const ResourceCounts& bank)
    : CCardSelectDialog(parent, Mode::YearOfPlenty, "Select two cards from the bank", images,
                        "Available bank resources", "Selected resources") {
  source_[0] = bank;
  selected_ = 0;
  Finish();
}

CCardSelectDialog::CCardSelectDialog(wxWindow* parent, const CInterfaceImages& images, const StealOffer& offer,
                                     const std::array<wxString, kMaxPlayers>& names, const std::array<wxColour, kMaxPlayers>& tints)
    : CCardSelectDialog(parent, Mode::Steal, "Steal a card from a player", images, "Cards for ", "Stolen card") {
  source_ = offer.hands;
  captionFor_[0] = "Cards for %s";
  AddPlayers("Players to steal from", names, tints, offer.candidates);
  Finish();
}

CCardSelectDialog::CCardSelectDialog(wxWindow* parent, const CInterfaceImages& images, const DiscardOffer& offer,
                                     const std::array<wxString, kMaxPlayers>& names, const std::array<wxColour, kMaxPlayers>& tints)
    : CCardSelectDialog(parent, Mode::Discards, "Lose cards because of a 7", images, "Cards for ", "Cards lost for ") {
  source_ = offer.hands;
  required_ = offer.required;
  captionFor_[0] = "Cards for %s";
  captionFor_[1] = "Cards lost for %s";
  std::array<wxString, kMaxPlayers> labels;
  std::array<bool, 6> listed{};
  for (size_t p = 0; p < kMaxPlayers; ++p) {
    listed[p] = required_[p] > 0;
    labels[p] = wxString::Format("%s: %d", names[p], required_[p]);
  }
  AddPlayers("Players losing cards", labels, tints, listed);
  names_ = names;
  for (int p = 0; p < 6 && selected_ < 0; ++p) {
    if (listed[static_cast<size_t>(p)]) SelectPlayer(p);
  }
  Finish();
}

CCardSelectDialog::~CCardSelectDialog() = default;

void CCardSelectDialog::AddPlayers(const wxString& caption, const std::array<wxString, kMaxPlayers>& names,
                                   const std::array<wxColour, kMaxPlayers>& tints, const std::array<bool, 6>& listed) {
  names_ = names;
  players_ = std::make_unique<CPlayerButtons>(this, names, tints, [this](int player) { SelectPlayer(player); });
  for (int p = 0; p < kMaxPlayers; ++p) players_->Show(p, listed[static_cast<size_t>(p)]);
  auto* group = new wxStaticBoxSizer(wxVERTICAL, this, caption);
  group->Add(players_->Sizer(), 0, wxEXPAND | wxALL, 4);
  columns_->Add(group, 0, wxEXPAND | wxALL, 8);
}

void CCardSelectDialog::Finish() {
  auto* cards = new wxBoxSizer(wxVERTICAL);
  cards->Add(available_->Sizer(), 0, wxEXPAND | wxBOTTOM, 8);
  cards->Add(chosen_row_->Sizer(), 0, wxEXPAND);
  columns_->Add(cards, 1, wxEXPAND | wxALL, 8);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(columns_, 1, wxEXPAND);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 8);
  ok_ = static_cast<wxButton*>(FindWindow(wxID_OK));
  SetSizer(top);
  Update();
  Fit();
  CentreOnParent();
}

void CCardSelectDialog::SelectPlayer(int player) {
  if (player < 0 || player >= 6) return;
  if (mode_ == Mode::Steal && player != selected_ && selected_ >= 0) chosen_[selected_] = {};
  selected_ = player;
  if (players_) players_->Select(player);
  const wxString name = names_[static_cast<size_t>(player)];
  if (!captionFor_[0].empty()) available_->SetCaption(wxString::Format(captionFor_[0], name));
  if (!captionFor_[1].empty()) chosen_row_->SetCaption(wxString::Format(captionFor_[1], name));
  if (ok_ != nullptr) Update();
}

int CCardSelectDialog::ChosenTotal(int player) const { return Total(chosen_[static_cast<size_t>(player)]); }

void CCardSelectDialog::Take(int resource) {
  if (selected_ < 0) return;
  ResourceCounts& chosen = chosen_[static_cast<size_t>(selected_)];
  if (chosen[resource] >= source_[static_cast<size_t>(selected_)][resource]) return;
  switch (mode_) {
    case Mode::YearOfPlenty:
      if (ChosenTotal(selected_) >= kYearOfPlentyCards) return;
      break;
    case Mode::Steal:
      chosen = {};  // one card: a new mark replaces the old one
      break;
    case Mode::Discards:
      break;
  }
  ++chosen[resource];
  Update();
}

void CCardSelectDialog::Return(int resource) {
  if (selected_ < 0) return;
  ResourceCounts& chosen = chosen_[static_cast<size_t>(selected_)];
  if (chosen[resource] <= 0) return;
  --chosen[resource];
  Update();
}

void CCardSelectDialog::Update() {
  ResourceCounts left{};
  ResourceCounts chosen{};
  if (selected_ >= 0) {
    chosen = chosen_[static_cast<size_t>(selected_)];
    for (int r = 0; r < kResourceCount; ++r) left[r] = source_[static_cast<size_t>(selected_)][r] - chosen[r];
  }
  available_->ShowCounts(left);
  chosen_row_->ShowCounts(chosen);
  const bool full = mode_ == Mode::YearOfPlenty && ChosenTotal(0) >= kYearOfPlentyCards;
  for (int r = 0; r < kResourceCount; ++r) available_->Enable(r, !full);
  ok_->Enable(OkEnabled());
  Layout();
}

bool CCardSelectDialog::OkEnabled() const {
  switch (mode_) {
    case Mode::YearOfPlenty: return ChosenTotal(0) == kYearOfPlentyCards;
    case Mode::Steal: return selected_ >= 0;
    case Mode::Discards:
      for (int p = 0; p < kMaxPlayers; ++p) {
        if (required_[static_cast<size_t>(p)] > 0 && ChosenTotal(p) != required_[static_cast<size_t>(p)]) return false;
      }
      return true;
  }
  return false;
}

StealChoice CCardSelectDialog::Steal() const {
  StealChoice choice;
  choice.victim = selected_;
  if (selected_ < 0) return choice;
  const ResourceCounts& chosen = chosen_[static_cast<size_t>(selected_)];
  for (int r = 0; r < kResourceCount; ++r) {
    if (chosen[r] > 0) choice.resource = r;
  }
  return choice;
}
