#pragma once

#include <array>
#include <cstdint>
#include <string>

class wxWindow;

// Modal questions the session asks during a turn, answered with the
// toolkit's standard dialogs.

// "The game is over!": true for "&Continue", false for "&Undo".
bool AskWinnerConfirmed(wxWindow* owner, const std::string& winnerName);
// "Victory Point totals": 0..maxPoints hidden points in the player's hand.
int32_t AskHiddenVictoryPoints(wxWindow* owner, const std::string& playerName, int32_t maxPoints);
// "Trade to the bank": which tradeable resource to give; the dialog has no
// Cancel, so it always returns one of them.
int32_t AskBankTradeResource(wxWindow* owner, int32_t wanted, const std::array<bool, 5>& tradeable);
