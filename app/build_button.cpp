#include "build_button.h"

#include "command_ids.h"
#include "flat_bitmap_button.h"
#include "table_keys.h"

namespace {

// The tooltip of each build button, with its key.
wxString ToolTipOf(PurchaseKind kind) {
  switch (kind) {
    case PurchaseSettlement: return wxString::Format("Build a settlement (%c)", kSettlementKey);
    case PurchaseCity: return wxString::Format("Build a city (%c)", kCityKey);
    default: return wxString::Format("Build a road (%c)", kRoadKey);
  }
}

}  // namespace

CBuildButton::CBuildButton(wxWindow* parent, PurchaseKind kind, std::function<void(PurchaseKind)> onClick)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxSize(kSize, kSize), wxBORDER_NONE, "Wnd"), kind_(kind) {
  SetLabel("Wnd");
  SetBackgroundColour(*wxBLACK);
  button_ = new CFlatBitmapButton(this, IDC_BUILD_BUTTON, wxPoint(0, 0), GetClientSize(), ToolTipOf(kind));
  Bind(wxEVT_SIZE, [this](wxSizeEvent&) { button_->SetSize(GetClientSize()); });
  Bind(wxEVT_BUTTON, [this, onClick = std::move(onClick)](wxCommandEvent&) {
    if (onClick) onClick(kind_);
  }, IDC_BUILD_BUTTON);
  Hide();
}

void CBuildButton::SetIcon(const wxBitmap& icon) { button_->SetPictures(icon); }
