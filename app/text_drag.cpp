#include "text_drag.h"

#include <wx/utils.h>
#include <wx/window.h>

CTextDrag::~CTextDrag() { End(); }

void CTextDrag::AddTarget(wxWindow* target, DropHandler onDrop) {
  targets_.push_back(Target{target, std::move(onDrop)});
}

void CTextDrag::Start(wxWindow* dialog, const wxString& text) {
  if (Active() || dialog == nullptr) return;
  capture_ = dialog;
  text_ = text;
  capture_->Bind(wxEVT_LEFT_UP, &CTextDrag::OnLeftUp, this);
  capture_->Bind(wxEVT_MOUSE_CAPTURE_LOST, &CTextDrag::OnCaptureLost, this);
  capture_->SetCursor(wxCursor(wxCURSOR_HAND));
  capture_->CaptureMouse();
}

void CTextDrag::OnLeftUp(wxMouseEvent&) {
  const wxPoint pointer = wxGetMousePosition();
  const wxString text = text_;
  End();
  for (const Target& target : targets_) {
    if (target.window->IsShownOnScreen() && target.window->GetScreenRect().Contains(pointer)) {
      target.onDrop(text);
      return;
    }
  }
}

void CTextDrag::OnCaptureLost(wxMouseCaptureLostEvent&) { End(); }

void CTextDrag::End() {
  if (capture_ == nullptr) return;
  wxWindow* window = capture_;
  capture_ = nullptr;
  window->Unbind(wxEVT_LEFT_UP, &CTextDrag::OnLeftUp, this);
  window->Unbind(wxEVT_MOUSE_CAPTURE_LOST, &CTextDrag::OnCaptureLost, this);
  window->SetCursor(wxNullCursor);
  if (window->HasCapture()) window->ReleaseMouse();
}

wxString PlayerDragText(int player, int from) { return wxString::Format("%d\t%d", player, from); }

bool ParsePlayerDragText(const wxString& text, int* player, int* from) {
  const wxString first = text.BeforeFirst('\t');
  const wxString second = text.AfterFirst('\t');
  long a = 0;
  long b = 0;
  if (first.empty() || second.empty() || !first.ToLong(&a) || !second.ToLong(&b)) return false;
  if (a < -1 || a > 1000000 || b < -1 || b > 1000000) return false;
  *player = static_cast<int>(a);
  *from = static_cast<int>(b);
  return true;
}
