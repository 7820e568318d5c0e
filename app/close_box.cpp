#include "close_box.h"

#include <wx/button.h>
#include <wx/dialog.h>

void CloseBoxPressesCancel(wxDialog* dialog, wxButton* cancel) {
  dialog->Bind(wxEVT_CLOSE_WINDOW, [cancel](wxCloseEvent& event) {
    if (!event.CanVeto()) {
      event.Skip();
      return;
    }
    event.Veto();
    if (!cancel->IsEnabled()) return;
    wxCommandEvent click(wxEVT_BUTTON, wxID_CANCEL);
    click.SetEventObject(cancel);
    cancel->ProcessWindowEvent(click);
  });
}
