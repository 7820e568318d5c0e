// A game entered through the window survives the program being killed: the
// program is killed with SIGKILL mid-turn and again while a dialog is open,
// started again and told "Yes"; each time the session is exactly as it was.
// The game then goes on to its winner, is stored, its journal becomes its
// replay, and replaying that with hexstead-cli stores a byte-identical record.
#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include <wx/dialog.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

#include "command_ids.h"
#include "game_steps.h"
#include "gui_driver.h"
#include "hexstead_app.h"
#include "hexstead_view.h"
#include "play_state_json.h"
#include "records/replay_store.h"
#include "turn_panel.h"

namespace {

namespace fs = std::filesystem;

const fs::path kData = fs::path(H3D_TEST_WORK_DIR) / "data";

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string StateOf(CHexsteadView& view) { return SessionStateJson(view.Session()).dump(); }

// A turn's roll with the dice pad and Continue on the status line.
void RollAndContinue(CHexsteadView& view, int total) {
  CGameSession& session = view.Session();
  steps::Roll(view, total);
  gui::WaitFor([&] { return session.GameStateNow() == GoodsReceived; });
  gui::ClickWindow(view.TurnPanel().FindWindow(IDC_PANEL_TEXT));
  gui::WaitFor([&] { return session.GameStateNow() == Turn; });
}

bool Started() {
  gui::KeepUnfinishedGame();
  std::string why;
  return gui::Start(&why);
}

// Starts the program after a kill and answers "Yes" to the unfinished game;
// `whileOpen` runs while the dialog that was open at the kill is shown again.
CHexsteadView* StartAndResume(const std::function<void()>& whileOpen = {}) {
  struct AnswerWhenOpen : wxExpectModalBase<wxDialog, AnswerWhenOpen> {
    explicit AnswerWhenOpen(std::function<void()> check) : check_(std::move(check)) {}
    int OnInvoked(wxDialog*) const override {
      check_();
      return wxID_YES;
    }
    std::function<void()> check_;
  };
  if (whileOpen) {
    // The question comes as the program starts.
    wxTEST_DIALOG(if (Started()) gui::WaitFor([] { return TheApp().OpenView() != nullptr; }, 5000); gui::Pump(300),
                  wxExpectModal<wxMessageDialog>(wxID_YES).Describe("An unfinished game was found"),
                  AnswerWhenOpen(whileOpen).Describe("the dialog open at the kill"));
  } else {
    wxTEST_DIALOG(if (Started()) gui::WaitFor([] { return TheApp().OpenView() != nullptr; }, 5000),
                  wxExpectModal<wxMessageDialog>(wxID_YES).Describe("An unfinished game was found"));
  }
  if (wxTheApp == nullptr) return nullptr;
  CHexsteadView* view = TheApp().OpenView();
  if (view != nullptr) gui::WaitFor([&] { return view->BoardView().IsGLReady(); });
  return view;
}

// Runs `play` in a child process that reports one line and waits to be
// killed; returns the line after killing the child with SIGKILL.
std::string RunAndKill(const std::function<void(int report)>& play) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return "error: pipe";
  pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    play(pipeEnds[1]);
    _exit(0);
  }
  close(pipeEnds[1]);
  std::string line;
  char c = 0;
  pollfd wait{pipeEnds[0], POLLIN, 0};
  // A child that hangs (a dialog nobody answers) reports nothing in time.
  while (poll(&wait, 1, 120000) == 1 && read(pipeEnds[0], &c, 1) == 1 && c != '\n') line += c;
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  close(pipeEnds[0]);
  return line;
}

void Report(int fd, const std::string& line) {
  std::string text = line + "\n";
  if (write(fd, text.data(), text.size()) < 0) _exit(2);
  for (;;) gui::Pump(1000);  // until killed
}

TEST(resume, KilledMidTurnAndInADialogTheGameComesBackExactly) {
  if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "DISPLAY is not set";
  fs::create_directories(kData);
  for (const char* name : {"current-game.script", "last-closed-game.script"}) fs::remove(kData / name);
  fs::remove_all(kData / "replays");
  gui::RemoveStoredData();

  // 1. A new game through the window; killed in the middle of a turn.
  const std::string midTurn = RunAndKill([](int report) {
    std::string why;
    if (!gui::Start(&why)) Report(report, "error: " + why);
    steps::RunWizard(false, false);
    CHexsteadView& view = *TheApp().OpenView();
    gui::WaitFor([&] { return view.BoardView().IsGLReady(); });
    steps::EnterAllTiles(view);
    steps::PlaceChips(view);
    CGameSession& session = view.Session();
    session.SelectPlayers({{0, CPlayer("Ann", "Abel", 1001)}, {1, CPlayer("Bob", "Baker", 1002)},
                           {2, CPlayer("Cid", "Cole", 1003)}});
    session.SortPlayers({0, 1, 2});
    for (int step = 0; step < 40 && session.GameStateNow() == InitialPlacement; ++step) {
      const std::vector<int32_t> offered = session.PickableIds();
      const int32_t site = offered[(static_cast<size_t>(step) * 7) % offered.size()];
      const size_t depth = session.UndoDepth();
      if (session.Fields().placingSettlement) steps::ClickCorner(view, site);
      else steps::ClickEdge(view, site);
      gui::WaitFor([&] { return session.UndoDepth() > depth; });
    }
    RollAndContinue(view, 6);
    steps::ClickAction(view, IDC_BUY_CARD);
    for (int player = 0; player < 3; ++player) {
      steps::ClickAction(view, IDC_END_TURN);
      gui::WaitFor([&] { return !session.TurnPanel().endTurnEnabled; });
      RollAndContinue(view, 8);
    }
    Report(report, StateOf(view));
  });
  ASSERT_EQ(midTurn.rfind("{", 0), 0u) << midTurn;

  // 2. Resumed: as before the kill. A Victory Point card whose question is
  // open when the program is killed again.
  const std::string inDialog = RunAndKill([&](int report) {
    CHexsteadView* view = StartAndResume();
    if (view == nullptr) Report(report, "error: not resumed");
    if (StateOf(*view) != midTurn) Report(report, "error: resumed as " + StateOf(*view));
    gui::Pump(200);
    gui::Screenshot("journal_resumed_mid_turn");
    steps::ClickAction(*view, IDC_BUY_CARD);
    const CPlayerGame& ann = view->Session().Game().players.at(0);
    if (ann.cardsBoughtThisTurn != 1 || ann.cardsHeld != 1)
      Report(report, "error: cards bought " + std::to_string(ann.cardsBoughtThisTurn) + ", held " +
                         std::to_string(ann.cardsHeld));
    view->Session().PlayVictoryPoint(0);  // bought in this turn or an earlier one?
    gui::WhileModal([&] { view->UndoLast(); },  // the pending question is shown
                    // A tick comes only from inside the question's modal loop.
                    [&] { Report(report, StateOf(*view)); });
    Report(report, "error: the question did not open");
  });
  ASSERT_EQ(inDialog.rfind("{", 0), 0u) << inDialog;
  ASSERT_NE(inDialog, midTurn);

  // 3. Resumed with the question open again; then on to the winner.
  std::string whenAsked;
  CHexsteadView* view = StartAndResume([&] { whenAsked = StateOf(*TheApp().OpenView()); });
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(whenAsked, inDialog);
  gui::Screenshot("journal_resumed");
  CGameSession& session = view->Session();
  EXPECT_EQ(session.Pending().kind, DecisionKind::None);
  for (int card = 0; card < 7; ++card) ASSERT_TRUE(session.OnBuyCard());
  for (int guard = 0; guard < 40 && session.GameStateNow() != GameOver; ++guard) {
    switch (session.Pending().kind) {
      case DecisionKind::VictoryPointCard: session.AnswerVictoryPointCard(true); break;
      case DecisionKind::Winner: session.AnswerWinner(true); break;
      case DecisionKind::HiddenPoints: session.AnswerHiddenPoints(0); break;
      default: session.PlayVictoryPoint(0); break;
    }
  }
  ASSERT_EQ(session.GameStateNow(), GameOver);
  std::optional<std::string> replay = FindReplay(kData.string(), session.Game());
  ASSERT_TRUE(replay) << "the journal did not become the game's replay";
  EXPECT_FALSE(fs::exists(kData / "current-game.script"));

  // The replay stores the same record.
  const fs::path again = fs::path(H3D_TEST_WORK_DIR) / "replayed";
  fs::remove_all(again);
  const std::string command = std::string(H3D_CLI) + " --data " + again.string() + " play " + *replay + " >/dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0);
  EXPECT_EQ(ReadFile(again / "game.db"), ReadFile(kData / "game.db"));
  TheApp().CloseAllGames();
  gui::Pump(50);
}

}  // namespace
