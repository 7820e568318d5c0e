#pragma once

#include <wx/dialog.h>

class wxCheckBox;
class wxRadioButton;

// "Game Options": the second step of File > New. The caller reads the choices
// after OK and stores them in the new game.
class CGameOptionsDialog : public wxDialog {
 public:
  explicit CGameOptionsDialog(wxWindow* parent);

  bool FiveOrSixPlayers() const;  // "5 or 6" checked: the Large board
  bool GenerateBoard() const;     // "Have Hexstead3D generate a game board"
  bool TrackTrades() const;       // "Keep track of trades"

 private:
  wxRadioButton* fiveOrSix_ = nullptr;
  wxCheckBox* generateBoard_ = nullptr;
  wxCheckBox* trackTrades_ = nullptr;
};
