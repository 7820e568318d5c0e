#include "replay_bar.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/stattext.h>

namespace {

struct StepButton {
  ReplayStep step;
  const char* label;
  const char* tip;
};
constexpr StepButton kStepButtons[] = {
    {ReplayStep::FirstInput, "|<", "First input (Home)"},
    {ReplayStep::PreviousTurn, "<<", "Previous turn (Page Up)"},
    {ReplayStep::PreviousInput, "<", "Previous input (Left)"},
    {ReplayStep::NextInput, ">", "Next input (Right)"},
    {ReplayStep::NextTurn, ">>", "Next turn (Page Down)"},
    {ReplayStep::LastInput, ">|", "Last input (End)"},
};
constexpr int kButtonWidth = 40;

}  // namespace

CReplayBar::CReplayBar(wxWindow* parent, int inputCount, std::function<void(ReplayStep)> onStep,
                       std::function<void(int position)> onSlide)
    : wxPanel(parent, wxID_ANY), inputCount_(inputCount) {
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  for (const StepButton& b : kStepButtons) {
    auto* button = new wxButton(this, wxID_ANY, b.label, wxDefaultPosition, wxSize(kButtonWidth, -1), wxBU_EXACTFIT);
    button->SetToolTip(b.tip);
    // The keys belong to the game window: a button never keeps the focus.
    button->SetCanFocus(false);
    button->Bind(wxEVT_BUTTON, [onStep, step = b.step](wxCommandEvent&) { onStep(step); });
    buttons_[static_cast<size_t>(b.step)] = button;
    row->Add(button, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 2);
  }
  slider_ = new wxSlider(this, wxID_ANY, std::max(inputCount, 1), 1, std::max(inputCount, 1));
  slider_->SetCanFocus(false);
  // The position follows the thumb while it is dragged.
  slider_->Bind(wxEVT_SLIDER, [this, onSlide](wxCommandEvent&) { onSlide(slider_->GetValue()); });
  row->Add(slider_, 1, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, 6);
  counter_ = new wxStaticText(this, wxID_ANY, wxString());
  row->Add(counter_, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 10);
  auto* texts = new wxBoxSizer(wxVERTICAL);
  turn_ = new wxStaticText(this, wxID_ANY, wxString(), wxDefaultPosition, wxSize(260, -1), wxST_NO_AUTORESIZE);
  entry_ = new wxStaticText(this, wxID_ANY, wxString(), wxDefaultPosition, wxSize(260, -1),
                            wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_END);
  texts->Add(turn_, 0, wxEXPAND);
  texts->Add(entry_, 0, wxEXPAND);
  row->Add(texts, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  SetSizer(row);
  Fit();
}

void CReplayBar::ShowPosition(int position, const wxString& turn, const wxString& entry) {
  if (slider_->GetValue() != position) slider_->SetValue(position);
  counter_->SetLabel(wxString::Format("Input %d of %d", position, inputCount_));
  turn_->SetLabelText(turn);
  entry_->SetLabelText(entry);
  const bool atFirst = position <= 1;
  const bool atLast = position >= inputCount_;
  Button(ReplayStep::FirstInput).Enable(!atFirst);
  Button(ReplayStep::PreviousTurn).Enable(!atFirst);
  Button(ReplayStep::PreviousInput).Enable(!atFirst);
  Button(ReplayStep::NextInput).Enable(!atLast);
  Button(ReplayStep::NextTurn).Enable(!atLast);
  Button(ReplayStep::LastInput).Enable(!atLast);
  Layout();
}

wxString CReplayBar::TurnText() const { return turn_->GetLabelText(); }
wxString CReplayBar::EntryText() const { return entry_->GetLabelText(); }
