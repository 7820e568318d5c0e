#include "flat_bitmap_button.h"

#include <wx/dcbuffer.h>
#include <wx/settings.h>
#include <wx/toplevel.h>

const wxColour CFlatBitmapButton::kTransparentKey(0, 128, 128);

wxBitmap WithColourKey(const wxBitmap& picture) {
  if (!picture.IsOk()) return picture;
  wxBitmap keyed(picture.ConvertToImage());
  keyed.SetMask(new wxMask(keyed, CFlatBitmapButton::kTransparentKey));
  return keyed;
}

CFlatBitmapButton::CFlatBitmapButton(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                                     const wxString& tooltip)
    : wxWindow(parent, id, pos, size, wxBORDER_NONE) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  if (!tooltip.empty()) SetToolTip(tooltip);
  Bind(wxEVT_PAINT, &CFlatBitmapButton::OnPaint, this);
  Bind(wxEVT_ENTER_WINDOW, &CFlatBitmapButton::OnEnter, this);
  Bind(wxEVT_LEAVE_WINDOW, &CFlatBitmapButton::OnLeave, this);
  Bind(wxEVT_LEFT_DOWN, &CFlatBitmapButton::OnLeftDown, this);
  Bind(wxEVT_LEFT_DCLICK, &CFlatBitmapButton::OnLeftDown, this);
  Bind(wxEVT_LEFT_UP, &CFlatBitmapButton::OnLeftUp, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, &CFlatBitmapButton::OnCaptureLost, this);
}

void CFlatBitmapButton::SetPictures(const wxBitmap& normal, const wxBitmap& disabled) {
  normal_ = WithColourKey(normal);
  if (disabled.IsOk()) {
    disabled_ = WithColourKey(disabled);
  } else if (normal_.IsOk()) {
    disabled_ = normal_.ConvertToDisabled();
  } else {
    disabled_ = wxNullBitmap;
  }
  Refresh();
}

bool CFlatBitmapButton::Enable(bool enable) {
  if (!enable) {
    pressed_ = false;
    hot_ = false;
  }
  const bool changed = wxWindow::Enable(enable);
  if (changed) Refresh();
  return changed;
}

void CFlatBitmapButton::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  const wxSize size = GetClientSize();
  dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
  dc.Clear();

  const wxBitmap& picture = IsEnabled() ? normal_ : disabled_;
  if (picture.IsOk()) {
    const int shift = pressed_ ? 1 : 0;
    dc.DrawBitmap(picture, (size.x - picture.GetWidth()) / 2 + shift, (size.y - picture.GetHeight()) / 2 + shift,
                  true);
  }
  if (!IsEnabled() || (!hot_ && !pressed_)) return;

  // Raised: light top-left, dark bottom-right; pressed: the other way round.
  const wxColour light = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNHIGHLIGHT);
  const wxColour dark = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW);
  const wxColour& topLeft = pressed_ ? dark : light;
  const wxColour& bottomRight = pressed_ ? light : dark;
  dc.SetPen(wxPen(topLeft));
  dc.DrawLine(0, size.y - 1, 0, 0);
  dc.DrawLine(0, 0, size.x - 1, 0);
  dc.SetPen(wxPen(bottomRight));
  dc.DrawLine(size.x - 1, 0, size.x - 1, size.y - 1);
  dc.DrawLine(size.x - 1, size.y - 1, -1, size.y - 1);
}

void CFlatBitmapButton::SetHot(bool hot) {
  if (hot == hot_) return;
  hot_ = hot;
  Refresh();
}

void CFlatBitmapButton::OnEnter(wxMouseEvent& event) {
  wxTopLevelWindow* top = dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(this));
  if (IsEnabled() && (top == nullptr || top->IsActive())) SetHot(true);
  event.Skip();
}

void CFlatBitmapButton::OnLeave(wxMouseEvent& event) {
  if (!HasCapture()) SetHot(false);
  event.Skip();
}

void CFlatBitmapButton::OnLeftDown(wxMouseEvent&) {
  if (!IsEnabled()) return;
  pressed_ = true;
  if (!HasCapture()) CaptureMouse();
  Refresh();
}

void CFlatBitmapButton::OnLeftUp(wxMouseEvent& event) {
  if (HasCapture()) ReleaseMouse();
  if (!pressed_) return;
  pressed_ = false;
  const bool inside = wxRect(GetClientSize()).Contains(event.GetPosition());
  SetHot(inside);
  Refresh();
  if (!inside || !IsEnabled()) return;
  wxCommandEvent click(wxEVT_BUTTON, GetId());
  click.SetEventObject(this);
  ProcessWindowEvent(click);
}

void CFlatBitmapButton::OnCaptureLost(wxMouseCaptureLostEvent&) {
  pressed_ = false;
  SetHot(false);
}
