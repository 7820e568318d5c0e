#pragma once

#include <functional>

#include "colour_label.h"

// A coloured box of the player dialogs: a seat box of the player selection or
// a box of the playing order. It shows a player's name on its light colour,
// remembers the player's index and colour, and can be dragged (the dialog
// starts the drag) or double-clicked.
class CPlayerBox : public CColourLabel {
 public:
  CPlayerBox(wxWindow* parent, wxWindowID id, const wxSize& size, const wxColour& light);

  // The player shown, or -1 for an empty box.
  int Player() const { return player_; }
  bool IsEmpty() const { return player_ < 0; }
  void SetPlayer(int player, const wxString& name);
  void Clear();

  // The box's own colour (0x00BBGGRR of the seat) and its light tint.
  unsigned int Colour() const { return colour_; }
  void SetColour(unsigned int colour) { colour_ = colour; }
  const wxColour& Light() const { return light_; }
  void SetLight(const wxColour& light);
  // An empty box is drawn grey; a box with a player on its light colour.
  void ShowEmptyAsGrey(bool grey);

  // The left button moved while down on the box, and a double-click.
  void OnDragStart(std::function<void()> handler) { onDragStart_ = std::move(handler); }
  void OnDoubleClick(std::function<void()> handler) { onDoubleClick_ = std::move(handler); }

 private:
  void UpdateBackground();

  int player_ = -1;
  unsigned int colour_ = 0;
  wxColour light_;
  bool greyWhenEmpty_ = false;
  wxPoint pressedAt_ = wxDefaultPosition;
  std::function<void()> onDragStart_;
  std::function<void()> onDoubleClick_;
};
