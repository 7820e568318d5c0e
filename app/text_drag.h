#pragma once

#include <functional>
#include <vector>

#include <wx/string.h>

class wxMouseEvent;
class wxMouseCaptureLostEvent;
class wxWindow;

// Drags a short text from one window to another window of the same dialog:
// the dialog captures the mouse when the drag starts, the hand cursor shows
// it, and on the button's release the text goes to the drop target under the
// pointer (nothing happens when there is none).
class CTextDrag {
 public:
  using DropHandler = std::function<void(const wxString& text)>;

  CTextDrag() = default;
  CTextDrag(const CTextDrag&) = delete;
  CTextDrag& operator=(const CTextDrag&) = delete;
  ~CTextDrag();

  // A window that accepts dropped texts.
  void AddTarget(wxWindow* target, DropHandler onDrop);
  // Starts dragging `text` from a window of `dialog` (the left button is down).
  void Start(wxWindow* dialog, const wxString& text);
  bool Active() const { return capture_ != nullptr; }

 private:
  void OnLeftUp(wxMouseEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent& event);
  void End();

  struct Target {
    wxWindow* window;
    DropHandler onDrop;
  };
  std::vector<Target> targets_;
  wxWindow* capture_ = nullptr;
  wxString text_;
};

// The dragged text of the player dialogs: "%d\t%d" with a player index and the
// index of the row or box it comes from. False for any other text.
wxString PlayerDragText(int player, int from);
bool ParsePlayerDragText(const wxString& text, int* player, int* from);
