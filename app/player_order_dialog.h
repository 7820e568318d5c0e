#pragma once

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include <wx/dialog.h>

#include "engine/board/building_code.h"

#include "text_drag.h"

class CColourLabel;
class CDicePadDialog;
class CDiceRollOrder;
class CPlayerBox;
class wxButton;
class wxSizer;
class wxStaticText;

// "Sort the players into the playing order": the seated players on the left,
// the playing order on the right. Players are moved by dragging a box to the
// right (or double-clicking it; a double-click on a placed player gives it
// back), or by dice rolls entered on the dice pad for one highlighted player
// at a time. OK is enabled once every player has a place.
class CPlayerOrderDialog : public wxDialog {
 public:
  using OkHandler = std::function<void(const std::vector<int32_t>& order)>;
  CPlayerOrderDialog(wxWindow* parent, OkHandler onOk, std::function<void()> onCancel);
  ~CPlayerOrderDialog() override;

  // The seated players in seat order: names and colours (0x00BBGGRR).
  void Load(const std::vector<wxString>& names, const std::vector<uint32_t>& colours);
  // Showing places the dialog and its dice pad on the main window; hiding
  // hides the pad too.
  bool Show(bool show = true) override;

  // For tests: the controls and the state.
  CPlayerBox* PlayerBox(int seat) const { return players_[seat]; }
  CPlayerBox* PlaceBox(int place) const { return places_[place]; }
  CColourLabel* RollBox(int seat) const { return rolls_[seat]; }
  CDicePadDialog* DicePad() const { return pad_; }
  bool OkEnabled() const;
  int ExpectedRoller() const { return roller_; }
  wxString StatusText() const;

 private:
  void Place(int seat, int place);
  void Unplace(int place);
  void PlaceInFirstEmptyBox(int seat);
  void DropOnPlace(int place, const wxString& text);
  void DropOnPlayers(const wxString& text);
  void StartDiceRolls();
  void EnterRoll(int total);
  void SelectRoller(int seat);
  void Changed(const wxString& news = wxString());
  int Count() const { return static_cast<int>(names_.size()); }

  std::array<CPlayerBox*, kMaxPlayers> players_{};
  std::array<CColourLabel*, 6> rolls_{};
  std::array<CPlayerBox*, kMaxPlayers> places_{};
  std::array<wxSizer*, kMaxPlayers> placeRows_{};
  wxStaticText* status_ = nullptr;
  wxButton* useDice_ = nullptr;
  wxButton* ok_ = nullptr;
  CDicePadDialog* pad_ = nullptr;
  CTextDrag drag_;
  std::vector<wxString> names_;
  std::vector<uint32_t> colours_;
  // While the dice decide: the rolls, the places still free when they
  // started (rank r takes the r-th of them) and the player expected to roll.
  std::unique_ptr<CDiceRollOrder> dice_;
  std::vector<int> freePlaces_;
  int roller_ = -1;
  OkHandler onOk_;
};
