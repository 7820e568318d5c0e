#include "player_select_dialog.h"

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

#include "colour_label.h"
#include "command_ids.h"
#include "panel_font.h"

const CPlayerSelectDialog::SeatBox CPlayerSelectDialog::kSeatBoxes[6] = {
    {1021, 235, 235, 235, 235, 235, 235},  // white
    {1022, 223, 32, 32, 255, 200, 200},    // red
    {1026, 255, 131, 6, 255, 225, 185},    // orange
    {1024, 32, 32, 223, 200, 225, 255},    // blue
    {1025, 100, 50, 0, 215, 190, 168},     // brown
    {1023, 0, 128, 0, 200, 255, 200},      // green
};

CPlayerSelectDialog::CPlayerSelectDialog(wxWindow* parent, std::function<void()> onCancel)
    : wxDialog(parent, 150, "Select the players in your Hexstead game") {
  players_ = new wxListCtrl(this, IDC_PLAYER_LIST, wxDefaultPosition, wxSize(200, 260),
                            wxLC_REPORT | wxLC_SINGLE_SEL);
  players_->SetFont(PanelFont(13));
  players_->AppendColumn("Players", wxLIST_FORMAT_LEFT, 180);

  auto* seats = new wxBoxSizer(wxVERTICAL);
  for (const SeatBox& box : kSeatBoxes) {
    seats->Add(new CColourLabel(this, box.id, wxString(), wxDefaultPosition, wxSize(180, 30), PanelFont(13),
                                *wxBLACK, wxColour(box.lightR, box.lightG, box.lightB)),
               0, wxBOTTOM, 6);
  }

  auto* statistics = new wxStaticBoxSizer(wxVERTICAL, this, "Player Statistics");
  statistics->SetMinSize(wxSize(200, 80));

  auto* columns = new wxBoxSizer(wxHORIZONTAL);
  columns->Add(players_, 0, wxEXPAND | wxRIGHT, 10);
  columns->Add(seats, 0);

  ok_ = new wxButton(this, wxID_OK, "OK");
  cancel_ = new wxButton(this, wxID_CANCEL, "Cancel");
  ok_->Disable();
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->AddStretchSpacer();
  buttons->Add(ok_, 0, wxRIGHT, 6);
  buttons->Add(cancel_);

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(columns, 0, wxALL, 10);
  top->Add(statistics, 0, wxEXPAND | wxLEFT | wxRIGHT, 10);
  top->Add(buttons, 0, wxEXPAND | wxALL, 10);
  SetSizerAndFit(top);
  Centre();

  cancel_->Bind(wxEVT_BUTTON, [onCancel = std::move(onCancel)](wxCommandEvent&) {
    if (onCancel) onCancel();
  });
  // The dialog is shown and hidden by the game; its close box acts as Cancel.
  Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
    if (!event.CanVeto()) {
      event.Skip();
      return;
    }
    event.Veto();
    if (cancel_->IsEnabled()) {
      wxCommandEvent click(wxEVT_BUTTON, wxID_CANCEL);
      click.SetEventObject(cancel_);
      cancel_->ProcessWindowEvent(click);
    }
  });
}

void CPlayerSelectDialog::AllowCancel(bool allow) { cancel_->Enable(allow); }
bool CPlayerSelectDialog::CancelAllowed() const { return cancel_->IsEnabled(); }
bool CPlayerSelectDialog::OkEnabled() const { return ok_->IsEnabled(); }
