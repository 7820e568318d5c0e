#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include <wx/dialog.h>

#include "engine/session/session.h"

class CPlayerButtons;
class CRadioChoice;
class wxButton;

// "Play a Development Card": the players holding cards, and the kinds the
// selected one may play now (the session decides both). OK hands over the
// selected player and the checked kind.
class CPlayCardDialog : public wxDialog {
 public:
  struct Choice {
    int player = -1;
    DevCardKind kind = VictoryPointCard;
  };
  using OfferSource = std::function<PlayCardOffer(int player)>;

  CPlayCardDialog(wxWindow* parent, const std::array<wxString, kMaxPlayers>& names, const std::array<wxColour, kMaxPlayers>& tints,
                  int currentPlayer, OfferSource offerFor);
  ~CPlayCardDialog() override;

  static std::optional<Choice> Ask(wxWindow* parent, const std::array<wxString, kMaxPlayers>& names,
                                   const std::array<wxColour, kMaxPlayers>& tints, int currentPlayer, OfferSource offerFor);

  Choice Chosen() const;
  void SelectPlayer(int player);
  const CPlayerButtons& Players() const { return *players_; }
  const CRadioChoice& Kinds() const { return *kinds_; }

 private:
  void UpdateOk();

  OfferSource offerFor_;
  std::unique_ptr<CPlayerButtons> players_;
  std::unique_ptr<CRadioChoice> kinds_;
  wxButton* ok_ = nullptr;
};
