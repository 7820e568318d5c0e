#include "game_over_dialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "command_ids.h"
#include "panel_font.h"

CGameOverDialog::CGameOverDialog(wxWindow* parent, const wxString& winnerName)
    : wxDialog(parent, IDD_GAME_OVER, "The game is over!", wxDefaultPosition, wxDefaultSize, wxCAPTION) {
  auto* text = new wxStaticText(this, wxID_ANY, wxString::Format("%s has won the game!", winnerName));
  text->SetFont(PanelFont(18, wxFONTWEIGHT_BOLD));
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  auto* proceed = new wxButton(this, wxID_OK, "&Continue");
  buttons->Add(proceed, 0, wxALL, 5);
  buttons->Add(new wxButton(this, IDC_GAME_OVER_UNDO, "&Undo"), 0, wxALL, 5);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(text, 0, wxALIGN_CENTRE | wxALL, 20);
  top->Add(buttons, 0, wxALIGN_CENTRE | wxBOTTOM, 10);
  SetSizerAndFit(top);
  proceed->SetDefault();
  SetEscapeId(IDC_GAME_OVER_UNDO);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(IDC_GAME_OVER_UNDO); }, IDC_GAME_OVER_UNDO);
  CentreOnParent();
}

bool CGameOverDialog::Ask(wxWindow* parent, const wxString& winnerName) {
  CGameOverDialog dialog(parent, winnerName);
  return dialog.ShowModal() == wxID_OK;
}
