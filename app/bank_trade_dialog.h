#pragma once

#include <array>

#include <memory>

#include <wx/dialog.h>

#include "engine/board/tile_type.h"

class CRadioChoice;

// "Trade to the bank", opened by the automatic bank trade: which of the
// tradeable resources to give for one card of the wanted one. OK is its only
// button, so it always answers with a tradeable resource.
class CBankTradeDialog : public wxDialog {
 public:
  CBankTradeDialog(wxWindow* parent, int wanted, const std::array<bool, kResourceCount>& tradeable);
  ~CBankTradeDialog() override;

  static int Ask(wxWindow* parent, int wanted, const std::array<bool, kResourceCount>& tradeable);
  int Resource() const;
  bool IsTradeable(int resource) const;

 private:
  std::unique_ptr<CRadioChoice> choice_;
};
