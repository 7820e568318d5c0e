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

 private:
  void OnPaint(wxPaintEvent& event);

  wxString text_;
};
