#pragma once

#include <functional>

#include <wx/bitmap.h>
#include <wx/window.h>

// A resource card of the trade and card dialogs: the card's picture with a
// count under it. A click hands the card's resource over; a card that allows
// dragging hands over the screen point where it was let go instead when the
// mouse moved away from it while pressed.
class CResourceCard : public wxWindow {
 public:
  static constexpr int kWidth = 40;
  static constexpr int kHeight = 68;

  CResourceCard(wxWindow* parent, wxWindowID id, int resource, const wxBitmap& picture, const wxPoint& pos);

  int Resource() const { return resource_; }
  // Shows another resource; -1 with no picture leaves an empty place.
  void SetResource(int resource, const wxBitmap& picture);
  void SetCount(int count);
  int Count() const { return count_; }
  // The count under the picture; a card without it shows the picture only.
  void ShowCount(bool show);
  void OnClick(std::function<void(int resource)> onClick) { onClick_ = std::move(onClick); }
  // Dragging is offered while `onDrop` is set and AllowDrag(true) was called.
  void OnDrop(std::function<void(int resource, wxPoint screen)> onDrop) { onDrop_ = std::move(onDrop); }
  void AllowDrag(bool allow) { dragAllowed_ = allow; }
  bool DragAllowed() const { return dragAllowed_ && onDrop_ != nullptr; }
  void SetHighlight(bool on);
  bool AcceptsFocus() const override { return false; }

 private:
  void OnPaint(wxPaintEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);

  int resource_;
  wxBitmap picture_;
  int count_ = 0;
  bool countShown_ = true;
  bool highlight_ = false;
  bool pressed_ = false;
  bool dragging_ = false;
  bool dragAllowed_ = false;
  wxPoint pressPoint_;
  std::function<void(int)> onClick_;
  std::function<void(int, wxPoint)> onDrop_;
};
