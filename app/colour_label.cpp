#include "colour_label.h"

#include <wx/dcbuffer.h>
#include <wx/tokenzr.h>

namespace {

// Breaks each paragraph at word boundaries so that no line is wider than
// `width`, as a static text control does; a single over-long word stays whole.
wxString WrapText(wxDC& dc, const wxString& text, int width) {
  wxString out;
  wxStringTokenizer paragraphs(text, "\n", wxTOKEN_RET_EMPTY_ALL);
  bool firstParagraph = true;
  while (paragraphs.HasMoreTokens()) {
    if (!firstParagraph) out += '\n';
    firstParagraph = false;
    wxString line;
    wxStringTokenizer words(paragraphs.GetNextToken(), " ", wxTOKEN_RET_EMPTY_ALL);
    while (words.HasMoreTokens()) {
      const wxString word = words.GetNextToken();
      const wxString candidate = line.empty() ? word : line + ' ' + word;
      if (!line.empty() && dc.GetTextExtent(candidate).x > width) {
        out += line + '\n';
        line = word;
      } else {
        line = candidate;
      }
    }
    out += line;
  }
  return out;
}

}  // namespace

CColourLabel::CColourLabel(wxWindow* parent, wxWindowID id, const wxString& text, const wxPoint& pos,
                           const wxSize& size, const wxFont& font, const wxColour& textColour,
                           const wxColour& backColour)
    : wxWindow(parent, id, pos, size, wxBORDER_NONE), text_(text) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  SetFont(font);
  SetForegroundColour(textColour);
  SetBackgroundColour(backColour);
  Bind(wxEVT_PAINT, &CColourLabel::OnPaint, this);
  // A click on a label is a command with the label's id (the status line of a
  // panel continues the turn, for example); command events rise to the parent.
  Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent&) {
    wxCommandEvent click(wxEVT_BUTTON, GetId());
    click.SetEventObject(this);
    ProcessWindowEvent(click);
  });
}

void CColourLabel::SetLabel(const wxString& text) {
  if (text == text_) return;
  text_ = text;
  Refresh();
}

void CColourLabel::SetColours(const wxColour& textColour, const wxColour& backColour) {
  SetForegroundColour(textColour);
  SetBackgroundColour(backColour);
  Refresh();
}

void CColourLabel::SetTextPlacement(int alignment, int margin) {
  alignment_ = alignment;
  margin_ = margin;
  Refresh();
}

void CColourLabel::SetFrame(const wxColour& colour) {
  frame_ = colour;
  Refresh();
}

void CColourLabel::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetBackground(wxBrush(GetBackgroundColour()));
  dc.Clear();
  dc.SetFont(GetFont());
  dc.SetTextForeground(GetForegroundColour());
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  const wxRect inside = wxRect(GetClientSize()).Deflate(margin_, 0);
  dc.DrawLabel(WrapText(dc, text_, inside.width), inside, alignment_);
  if (frame_.IsOk()) {
    dc.SetPen(wxPen(frame_));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(wxRect(GetClientSize()));
  }
}
