#pragma once

#include <wx/bitmap.h>
#include <wx/window.h>

// An owner-drawn flat push button showing a picture. It is drawn raised while
// the mouse is over it (and its top-level window is active), sunken while
// pressed, and flat otherwise. Pictures use red 0, green 128, blue 128 as the
// transparent colour. A click sends wxEVT_BUTTON with the button's id.
class CFlatBitmapButton : public wxWindow {
 public:
  static const wxColour kTransparentKey;

  CFlatBitmapButton(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                    const wxString& tooltip = wxString());

  // The normal picture and, optionally, the picture of the disabled state;
  // without one a greyed copy of the normal picture is shown when disabled.
  void SetPictures(const wxBitmap& normal, const wxBitmap& disabled = wxNullBitmap);
  bool Enable(bool enable = true) override;
  bool AcceptsFocus() const override { return false; }

  bool IsHot() const { return hot_; }

 private:
  void OnPaint(wxPaintEvent& event);
  void OnEnter(wxMouseEvent& event);
  void OnLeave(wxMouseEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent& event);
  void SetHot(bool hot);

  wxBitmap normal_;
  wxBitmap disabled_;
  bool hot_ = false;
  bool pressed_ = false;
};

// Gives a picture a mask from the transparent colour key.
wxBitmap WithColourKey(const wxBitmap& picture);
