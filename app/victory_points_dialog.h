#pragma once

#include <memory>

#include <wx/dialog.h>

class CRadioChoice;

// "Victory Point totals": how many hidden victory point cards a player
// holds when the game ends; choices above the player's unplayed cards are
// disabled. OK is its only button.
class CVictoryPointsDialog : public wxDialog {
 public:
  CVictoryPointsDialog(wxWindow* parent, const wxString& playerName, int maxPoints);
  ~CVictoryPointsDialog() override;

  static int Ask(wxWindow* parent, const wxString& playerName, int maxPoints);
  int Points() const;
  bool IsOffered(int points) const;

 private:
  std::unique_ptr<CRadioChoice> choice_;
};
