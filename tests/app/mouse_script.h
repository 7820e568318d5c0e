#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "play_answers.h"
#include "play_script.h"

class CHexsteadView;
class CRandomSource;
class wxDialog;

// Plays a `hexstead-cli play` script in the game window with real mouse
// events: every input line becomes the clicks a person at the table makes
// (the palette, the board, the player dialogs, the dice pad, the buttons and
// the dialogs of a turn), and every `answer` line is given in its dialog by
// the mouse. `clock` and `wait` set the program's clock as the driver does,
// `seed` seeds `random`, the source the application hands to new game
// windows. `expect` and `state` lines are the driver's own and are skipped.
class CMouseScript {
 public:
  explicit CMouseScript(CRandomSource& random) : random_(random) {}

  // Runs the whole script; stops at the first line whose input the window
  // did not take (a test failure naming the line).
  void Play(const std::string& text);
  // Called after each line that was played (a place for the test's checks).
  void AfterEachLine(std::function<void(const ScriptLine&)> check) { afterLine_ = std::move(check); }
  // Called with each dialog of a turn just before it is answered.
  void BeforeEachAnswer(std::function<void(wxDialog&)> look) { beforeAnswer_ = std::move(look); }

  CHexsteadView& View() const;

 private:
  void Run(const ScriptLine& line);
  void RunInput(const ScriptLine& line);
  // Runs `act` while the dialogs it opens are answered, then waits until the
  // session has taken one more step (or gone one back).
  void Step(const ScriptLine& line, const std::function<void()>& act);
  void Answer(wxDialog& dialog);
  void AnswerPlayCard(wxDialog& dialog);
  void AnswerTrade(wxDialog& dialog);
  void AnswerCardSelect(wxDialog& dialog);
  void SeatPlayers();
  void OrderPlayers(const std::vector<int>& seats);
  void Pick(int32_t location);

  CRandomSource& random_;
  QueuedAnswers answers_;
  const ScriptLine* line_ = nullptr;  // the input being played
  unsigned seed_ = 0;
  bool seeded_ = false;
  struct Seat {
    int box;
    std::string first, last;
  };
  std::vector<Seat> seats_;
  std::function<void(const ScriptLine&)> afterLine_;
  std::function<void(wxDialog&)> beforeAnswer_;
};
