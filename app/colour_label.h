#pragma once

#include <wx/window.h>

// A text in a given font, text colour and background colour. It repaints
// itself whenever its text changes and never takes the focus.
class CColourLabel : public wxWindow {
 public:
  CColourLabel(wxWindow* parent, wxWindowID id, const wxString& text, const wxPoint& pos, const wxSize& size,
               const wxFont& font, const wxColour& textColour, const wxColour& backColour);

  void SetLabel(const wxString& text) override;
  wxString GetLabel() const override { return text_; }
  void SetColours(const wxColour& textColour, const wxColour& backColour);
  bool AcceptsFocus() const override { return false; }
  // Text placement (wxALIGN_* flags, top left by default) with a margin, and
  // an optional one-pixel frame.
  void SetTextPlacement(int alignment, int margin);
  void SetFrame(const wxColour& colour);

 private:
  void OnPaint(wxPaintEvent& event);

  wxString text_;
  int alignment_ = wxALIGN_LEFT | wxALIGN_TOP;
  int margin_ = 0;
  wxColour frame_;
};
