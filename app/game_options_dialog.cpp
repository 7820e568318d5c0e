#include "game_options_dialog.h"

#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

#include "command_ids.h"

CGameOptionsDialog::CGameOptionsDialog(wxWindow* parent) : wxDialog(parent, 156, "Game Options") {
  auto* players = new wxStaticBoxSizer(wxVERTICAL, this, "Number of Players");
  auto* threeOrFour = new wxRadioButton(players->GetStaticBox(), IDC_PLAYERS_34, "3 or 4", wxDefaultPosition,
                                        wxDefaultSize, wxRB_GROUP);
  fiveOrSix_ = new wxRadioButton(players->GetStaticBox(), IDC_PLAYERS_56, "5 or 6");
  threeOrFour->SetValue(true);
  players->Add(threeOrFour, 0, wxALL, 4);
  players->Add(fiveOrSix_, 0, wxALL, 4);

  // Chips are always laid in a spiral; the line layout is shown but not offered.
  auto* layout = new wxStaticBoxSizer(wxVERTICAL, this, "Tile Layout Mode");
  auto* spiral = new wxRadioButton(layout->GetStaticBox(), IDC_LAYOUT_SPIRAL, "Spiral around center",
                                   wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
  auto* lines = new wxRadioButton(layout->GetStaticBox(), IDC_LAYOUT_LINES, "Lines across");
  spiral->SetValue(true);
  lines->Disable();
  layout->Add(spiral, 0, wxALL, 4);
  layout->Add(lines, 0, wxALL, 4);

  auto* options = new wxStaticBoxSizer(wxVERTICAL, this, "Game Options");
  generateBoard_ = new wxCheckBox(options->GetStaticBox(), IDC_GENERATE_BOARD, "Have Hexstead3D generate a game board");
  trackTrades_ = new wxCheckBox(options->GetStaticBox(), IDC_TRACK_TRADES, "Keep track of trades");
  options->Add(generateBoard_, 0, wxALL, 4);
  options->Add(trackTrades_, 0, wxALL, 4);

  auto* groups = new wxBoxSizer(wxHORIZONTAL);
  groups->Add(players, 1, wxEXPAND | wxRIGHT, 8);
  groups->Add(layout, 1, wxEXPAND);

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(groups, 0, wxEXPAND | wxALL, 10);
  top->Add(options, 0, wxEXPAND | wxLEFT | wxRIGHT, 10);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 10);
  SetSizerAndFit(top);
  CentreOnParent();
}

bool CGameOptionsDialog::FiveOrSixPlayers() const { return fiveOrSix_->GetValue(); }
bool CGameOptionsDialog::GenerateBoard() const { return generateBoard_->GetValue(); }
bool CGameOptionsDialog::TrackTrades() const { return trackTrades_->GetValue(); }
