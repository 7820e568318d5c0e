#include "game_mode_dialog.h"

#include <wx/button.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>

#include "command_ids.h"

CGameModeDialog::CGameModeDialog(wxWindow* parent) : wxDialog(parent, 155, "What do you want to do?") {
  auto* track = new wxRadioButton(this, IDC_MODE_TRACK, "Track a Hexstead board game", wxDefaultPosition,
                                  wxDefaultSize, wxRB_GROUP);
  auto* hotseat = new wxRadioButton(this, IDC_MODE_HOTSEAT, "Play a hotseat Hexstead3D game");
  auto* network = new wxRadioButton(this, IDC_MODE_NETWORK, "Play a network Hexstead3D game");
  track->SetValue(true);
  hotseat->Disable();
  network->Disable();

  auto* choices = new wxBoxSizer(wxVERTICAL);
  for (wxRadioButton* radio : {track, hotseat, network}) choices->Add(radio, 0, wxALL, 5);

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(choices, 0, wxALL, 10);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 10);
  SetSizerAndFit(top);
  CentreOnParent();
}
