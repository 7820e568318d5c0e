#pragma once

#include <array>
#include <functional>

#include <wx/panel.h>

class wxButton;
class wxSlider;
class wxStaticText;

// The ways the replay bar moves through a reviewed game: its six buttons, in
// their order on the bar, and the keys that do the same.
enum class ReplayStep { FirstInput, PreviousTurn, PreviousInput, NextInput, NextTurn, LastInput };

// The replay bar under the board of a reviewed game that has a replay:
// buttons for the first input, the previous turn, the previous input, the
// next input, the next turn and the last input, a slider over all inputs,
// and beside it the turn ("Turn %d - %s") and the input's history text. It
// only shows a position and reports what the user asks for.
class CReplayBar : public wxPanel {
 public:
  CReplayBar(wxWindow* parent, int inputCount, std::function<void(ReplayStep)> onStep,
             std::function<void(int position)> onSlide);

  // Shows position `position` (1..inputCount) with its turn and history text.
  void ShowPosition(int position, const wxString& turn, const wxString& entry);

  wxButton& Button(ReplayStep step) const { return *buttons_[static_cast<size_t>(step)]; }
  wxSlider& Slider() const { return *slider_; }
  wxString TurnText() const;
  wxString EntryText() const;

 private:
  std::array<wxButton*, 6> buttons_{};
  wxSlider* slider_ = nullptr;
  wxStaticText* turn_ = nullptr;
  wxStaticText* entry_ = nullptr;
  wxStaticText* counter_ = nullptr;  // "Input %d of %d"
  int inputCount_ = 0;
};
