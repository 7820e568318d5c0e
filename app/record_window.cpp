#include "record_window.h"

CRecordWindow::CRecordWindow(wxWindow* parent, wxWindowID id, const wxString& title, const wxSize& size)
    : wxDialog(parent, id, title, wxDefaultPosition, size, wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
  Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { Hide(); });
}
