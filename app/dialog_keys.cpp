#include "dialog_keys.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/event.h>

#include "command_ids.h"

namespace {

bool IsTurnDialog(const wxWindow* window) {
  switch (window->GetId()) {
    case IDD_PLAY_CARD:
    case IDD_MONOPOLY:
    case IDD_CARD_SELECT:
    case IDD_TRADE:
    case IDD_BANK_TRADE:
    case IDD_GAME_OVER:
    case IDD_VICTORY_POINTS:
    case IDD_MESSAGE: return true;
    default: return false;
  }
}

bool GoesBack(const wxWindow* focus) {
  if (dynamic_cast<const wxButton*>(focus) == nullptr) return false;
  const int id = focus->GetId();
  return id == wxID_CANCEL || id == wxID_NO || id == IDC_GAME_OVER_UNDO;
}

}  // namespace

bool HandleTurnDialogKey(wxEvent& event) {
  if (event.GetEventType() != wxEVT_CHAR_HOOK) return false;
  auto& key = static_cast<wxKeyEvent&>(event);
  if ((key.GetKeyCode() != WXK_RETURN && key.GetKeyCode() != WXK_NUMPAD_ENTER) || key.HasAnyModifiers()) return false;
  auto* focus = dynamic_cast<wxWindow*>(key.GetEventObject());
  auto* dialog = focus != nullptr ? dynamic_cast<wxDialog*>(wxGetTopLevelParent(focus)) : nullptr;
  if (dialog == nullptr || !IsTurnDialog(dialog) || GoesBack(focus)) return false;
  auto* button = dynamic_cast<wxButton*>(dialog->GetDefaultItem());
  if (button == nullptr || !button->IsEnabled() || !button->IsShown()) return false;
  wxCommandEvent click(wxEVT_BUTTON, button->GetId());
  click.SetEventObject(button);
  button->GetEventHandler()->ProcessEvent(click);
  return true;
}
