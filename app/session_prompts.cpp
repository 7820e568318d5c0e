#include "session_prompts.h"

#include <vector>

#include <wx/choicdlg.h>
#include <wx/msgdlg.h>

namespace {

const char* const kResourceNames[5] = {"Timber", "Wheat", "Ore", "Clay", "Sheep"};
const char* const kPointChoices[6] = {"None", "One", "Two", "Three", "Four", "Five"};

}  // namespace

bool AskWinnerConfirmed(wxWindow* owner, const std::string& winnerName) {
  wxMessageDialog dialog(owner, wxString::Format("%s has won the game!", wxString::FromUTF8(winnerName)),
                         "The game is over!", wxYES_NO);
  dialog.SetYesNoLabels("&Continue", "&Undo");
  return dialog.ShowModal() == wxID_YES;
}

int32_t AskHiddenVictoryPoints(wxWindow* owner, const std::string& playerName, int32_t maxPoints) {
  wxArrayString choices;
  for (int n = 0; n <= std::min(maxPoints, 5); ++n) choices.Add(kPointChoices[n]);
  wxSingleChoiceDialog dialog(owner,
                              wxString::Format("How many Victory Points in %s's hand?", wxString::FromUTF8(playerName)),
                              "Victory Point totals", choices, nullptr, wxOK | wxCENTRE);
  dialog.SetSelection(0);
  dialog.ShowModal();
  return std::max(0, dialog.GetSelection());
}

int32_t AskBankTradeResource(wxWindow* owner, int32_t wanted, const std::array<bool, 5>& tradeable) {
  wxArrayString choices;
  std::vector<int32_t> resources;
  for (int32_t r = 0; r < 5; ++r) {
    if (!tradeable[r]) continue;
    choices.Add(kResourceNames[r]);
    resources.push_back(r);
  }
  if (resources.empty()) return 0;
  const char* wantedName = wanted >= 0 && wanted < 5 ? kResourceNames[wanted] : "";
  wxSingleChoiceDialog dialog(owner, wxString::Format("Which resource will you trade to get a %s?", wantedName),
                              "Trade to the bank", choices, nullptr, wxOK | wxCENTRE);
  dialog.SetSelection(0);
  dialog.ShowModal();
  const int chosen = dialog.GetSelection();
  return resources[chosen >= 0 ? static_cast<size_t>(chosen) : 0];
}
