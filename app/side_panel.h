#pragma once

#include <functional>

#include <wx/panel.h>

class CColourLabel;
class CFlatBitmapButton;
class CInterfaceImages;

// The base of the panels at the right edge of the board: 150 wide, a status
// line for instructions and prompts, an Undo button beside it, and a black
// client area inside a one-pixel white border.
class CSidePanel : public wxPanel {
 public:
  static constexpr int kWidth = 150;

  CSidePanel(wxWindow* parent, wxWindowID id, int height, int textHeight, const CInterfaceImages& images,
             std::function<void()> onUndo);

  void SetText(const wxString& text);
  wxString Text() const;
  void EnableUndo(bool enable);
  bool IsUndoEnabled() const;

  // Places the panel at the right edge of a parent of the given client width.
  void PlaceAtRightEdge(int parentWidth);

 protected:
  // Where the panel's own items start below the status line.
  int ContentTop() const { return contentTop_; }
  // The status line, for panels whose text also takes clicks.
  wxWindow* StatusLine() const;

 private:
  void OnPaint(wxPaintEvent& event);

  CColourLabel* text_ = nullptr;
  CFlatBitmapButton* undo_ = nullptr;
  int contentTop_ = 0;
};
