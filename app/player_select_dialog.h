#pragma once

#include <functional>

#include <wx/dialog.h>

class wxButton;
class wxListCtrl;

// "Select the players in your Hexstead game": a modeless dialog with the list
// of known players, six coloured seat boxes and the player statistics group.
// OK stays disabled until three to six players are seated; Cancel takes the
// last step back.
class CPlayerSelectDialog : public wxDialog {
 public:
  CPlayerSelectDialog(wxWindow* parent, std::function<void()> onCancel);

  // Cancel is offered unless the board was generated (nothing to go back to).
  void AllowCancel(bool allow);
  bool CancelAllowed() const;
  bool OkEnabled() const;

  // The seat boxes top to bottom: control id, colour and light colour.
  struct SeatBox {
    int id;
    unsigned char r, g, b;
    unsigned char lightR, lightG, lightB;
  };
  static const SeatBox kSeatBoxes[6];

 private:
  wxListCtrl* players_ = nullptr;
  wxButton* ok_ = nullptr;
  wxButton* cancel_ = nullptr;
};
