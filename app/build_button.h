#pragma once

#include <functional>

#include <wx/window.h>

#include "engine/session/purchase.h"

class CFlatBitmapButton;

// A floating build button over the board (road, settlement or city): a child
// window holding one flat picture button that fills it. It shows the piece
// in the current player's colour.
class CBuildButton : public wxWindow {
 public:
  static constexpr int kSize = 52;

  CBuildButton(wxWindow* parent, PurchaseKind kind, std::function<void(PurchaseKind)> onClick);

  PurchaseKind Kind() const { return kind_; }
  // The piece icon for the current player; an invalid bitmap removes it.
  void SetIcon(const wxBitmap& icon);

 private:
  PurchaseKind kind_;
  CFlatBitmapButton* button_ = nullptr;
};
