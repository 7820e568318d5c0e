#pragma once

#include <array>
#include <memory>
#include <optional>

#include <wx/dialog.h>

#include "engine/session/session_ui.h"

class CInterfaceImages;
class CPlayerButtons;
class CResourceCardRow;
class wxButton;

// The card selection dialog in one of its three modes:
// - Year of Plenty, "Select two cards from the bank": two cards from the
//   bank's stock;
// - Steal, "Steal a card from a player": one of the offered players and, if
//   any, one card of that player's hand;
// - Discards, "Lose cards because of a 7": for each listed player exactly the
//   required number of cards from the hand.
// Clicks move single cards between the upper row (what can be chosen) and the
// lower row (what is chosen). The dialog only collects the answer.
class CCardSelectDialog : public wxDialog {
 public:
  enum class Mode { YearOfPlenty, Steal, Discards };

  // Year of Plenty from the bank's counts.
  CCardSelectDialog(wxWindow* parent, const CInterfaceImages& images, const ResourceCounts& bank);
  // Steal among the offered players.
  CCardSelectDialog(wxWindow* parent, const CInterfaceImages& images, const StealOffer& offer,
                    const std::array<wxString, kMaxPlayers>& names, const std::array<wxColour, kMaxPlayers>& tints);
  // Discards on a 7.
  CCardSelectDialog(wxWindow* parent, const CInterfaceImages& images, const DiscardOffer& offer,
                    const std::array<wxString, kMaxPlayers>& names, const std::array<wxColour, kMaxPlayers>& tints);
  ~CCardSelectDialog() override;

  Mode DialogMode() const { return mode_; }
  ResourceCounts YearOfPlentyCounts() const { return chosen_[0]; }
  StealChoice Steal() const;
  const SeatMatrix& Discards() const { return chosen_; }

  // What the tests and the view look at.
  void SelectPlayer(int player);
  int SelectedPlayer() const { return selected_; }
  const CResourceCardRow& Available() const { return *available_; }
  const CResourceCardRow& Chosen() const { return *chosen_row_; }
  const CPlayerButtons* Players() const { return players_.get(); }
  bool OkEnabled() const;

 private:
  CCardSelectDialog(wxWindow* parent, Mode mode, const wxString& caption, const CInterfaceImages& images,
                    const wxString& availableCaption, const wxString& chosenCaption);
  void AddPlayers(const wxString& caption, const std::array<wxString, kMaxPlayers>& names, const std::array<wxColour, kMaxPlayers>& tints,
                  const std::array<bool, 6>& listed);
  void Finish();
  void Take(int resource);
  void Return(int resource);
  void Update();
  int ChosenTotal(int player) const;

  Mode mode_;
  wxString captionFor_[2];  // "Cards for %s", "Cards lost for %s" (by the selected name)
  std::array<wxString, kMaxPlayers> names_;
  SeatMatrix source_{};       // Year of Plenty: row 0 is the bank
  SeatMatrix chosen_{};
  std::array<int32_t, 6> required_{};
  int selected_ = -1;
  std::unique_ptr<CPlayerButtons> players_;
  std::unique_ptr<CResourceCardRow> available_;
  std::unique_ptr<CResourceCardRow> chosen_row_;
  wxSizer* columns_ = nullptr;
  wxButton* ok_ = nullptr;
};
