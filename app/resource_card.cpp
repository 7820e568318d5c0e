#include "resource_card.h"

#include <cstdlib>

#include <wx/dcbuffer.h>

#include "engine/board/tile_type.h"
#include "flat_bitmap_button.h"
#include "panel_font.h"

namespace {

constexpr int kPictureWidth = 36;
constexpr int kPictureHeight = 48;
// A press that moves this far is a drag, not a click.
constexpr int kDragDistance = 6;

}  // namespace

CResourceCard::CResourceCard(wxWindow* parent, wxWindowID id, int resource, const wxBitmap& picture,
                             const wxPoint& pos)
    : wxWindow(parent, id, pos, wxSize(kWidth, kHeight), wxBORDER_NONE),
      resource_(resource),
      picture_(picture.IsOk() ? WithColourKey(picture) : picture) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  if (IsResource(resource)) SetToolTip(TileName(resource));
  Bind(wxEVT_PAINT, &CResourceCard::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, &CResourceCard::OnLeftDown, this);
  // Quick clicks on one card each count: the second press of a pair arrives as a double click.
  Bind(wxEVT_LEFT_DCLICK, &CResourceCard::OnLeftDown, this);
  Bind(wxEVT_MOTION, &CResourceCard::OnMotion, this);
  Bind(wxEVT_LEFT_UP, &CResourceCard::OnLeftUp, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { pressed_ = dragging_ = false; });
}

void CResourceCard::SetResource(int resource, const wxBitmap& picture) {
  if (resource == resource_) return;
  resource_ = resource;
  picture_ = picture.IsOk() ? WithColourKey(picture) : picture;
  SetToolTip(IsResource(resource) ? TileName(resource) : std::string());
  Refresh();
}

void CResourceCard::SetCount(int count) {
  if (count == count_) return;
  count_ = count;
  Refresh();
}

void CResourceCard::ShowCount(bool show) {
  countShown_ = show;
  Refresh();
}

void CResourceCard::SetHighlight(bool on) {
  if (on == highlight_) return;
  highlight_ = on;
  Refresh();
}

void CResourceCard::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
  dc.Clear();
  const int left = (kWidth - kPictureWidth) / 2;
  if (highlight_) {
    dc.SetPen(wxPen(wxColour(255, 227, 100), 2));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(left - 2, 0, kPictureWidth + 4, kPictureHeight + 4);
  }
  if (picture_.IsOk()) {
    if (IsEnabled()) {
      dc.DrawBitmap(picture_, left, 2, true);
    } else {
      dc.DrawBitmap(wxBitmap(picture_.ConvertToImage().ConvertToDisabled()), left, 2, true);
    }
  } else if (resource_ < 0) {
    // An empty place: a dashed outline where a card can go.
    dc.SetPen(wxPen(wxColour(128, 128, 128), 1, wxPENSTYLE_SHORT_DASH));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(left, 2, kPictureWidth, kPictureHeight);
  } else {
    dc.SetPen(*wxBLACK_PEN);
    dc.SetBrush(*wxWHITE_BRUSH);
    dc.DrawRectangle(left, 2, kPictureWidth, kPictureHeight);
    if (IsResource(resource_)) dc.DrawLabel(wxString(TileName(resource_)).Left(2), wxRect(left, 2, kPictureWidth, kPictureHeight), wxALIGN_CENTRE);
  }
  if (countShown_ && resource_ >= 0) {
    dc.SetFont(PanelFont(13, wxFONTWEIGHT_BOLD));
    dc.SetTextForeground(IsEnabled() ? *wxBLACK : wxColour(128, 128, 128));
    dc.DrawLabel(wxString::Format("%d", count_), wxRect(0, kPictureHeight + 4, kWidth, kHeight - kPictureHeight - 4),
                 wxALIGN_CENTRE);
  }
}

void CResourceCard::OnLeftDown(wxMouseEvent& event) {
  pressed_ = true;
  dragging_ = false;
  pressPoint_ = event.GetPosition();
  if (!HasCapture()) CaptureMouse();
}

void CResourceCard::OnMotion(wxMouseEvent& event) {
  if (!pressed_ || dragging_ || !DragAllowed()) return;
  const wxPoint moved = event.GetPosition() - pressPoint_;
  if (std::abs(moved.x) + std::abs(moved.y) >= kDragDistance) {
    dragging_ = true;
    SetCursor(wxCursor(wxCURSOR_HAND));
  }
}

void CResourceCard::OnLeftUp(wxMouseEvent& event) {
  if (HasCapture()) ReleaseMouse();
  const bool wasPressed = pressed_;
  const bool wasDragging = dragging_;
  pressed_ = dragging_ = false;
  SetCursor(wxNullCursor);
  if (!wasPressed) return;
  if (wasDragging) {
    if (onDrop_) onDrop_(resource_, ClientToScreen(event.GetPosition()));
  } else if (wxRect(GetClientSize()).Contains(event.GetPosition())) {
    if (onClick_) onClick_(resource_);
  }
}
