#pragma once

#include <memory>
#include <optional>
#include <utility>
#include <string>

#include <wx/app.h>

#include "engine/board/board.h"
#include "engine/board/random_source.h"
#include "engine/session/history_log.h"
#include "records/game.h"

class CHexsteadView;
class CMainFrame;
class wxDocManager;

// The application object: the main frame, the document manager with the one
// game template, and the current game record, which lives from File > New
// until the game is forgotten. Every window reaches the game through here.
class CHexsteadApp : public wxApp {
 public:
  bool OnInit() override;
  int OnExit() override;
  int FilterEvent(wxEvent& event) override;

  // An export file (absolute path) whose games are imported once the main
  // window is up: the file a file manager or the command line opened us with.
  static void SetStartupImport(std::string path) { StartupImport() = std::move(path); }

  // --- the current game ----------------------------------------------------
  CGame* CurrentGame() { return currentGame_.get(); }
  CHexsteadView* OpenView() const { return openView_; }
  void SetOpenView(CHexsteadView* view) { openView_ = view; }
  // Deletes the current game record and clears both references.
  void ForgetGame();

  // The source of the random draws (board generation, piece rotations) of
  // the game windows opened from now on: null for the journal's own (the C
  // library generator seeded afresh for each input), unless the owner of the
  // application (a test replaying a game) hands in another, which must
  // outlive those windows; null gives the journal's back.
  CRandomSource* HandedRandomSource() const { return randomSource_; }
  void SetRandomSource(CRandomSource* source) { randomSource_ = source; }

  // The wizard's answers for the game being created (read by the new view).
  struct NewGameChoice {
    int players = 3;  // 3 for "3 or 4", 5 for "5 or 6"
    bool trackTrades = false;
    bool generateBoard = false;
  };
  const NewGameChoice& LastNewGameChoice() const { return newGameChoice_; }

  // --- commands --------------------------------------------------------------
  // File > New: closes any game, runs both wizard dialogs and opens the game
  // window. Returns whether a game window was opened.
  bool NewGame();
  // Closes every game window without saving and forgets the game.
  void CloseAllGames();
  // Game > Open in the Game Database: closes any game and opens stored game
  // `index` for review in a new game window. False (after telling the user)
  // when the game cannot be read.
  bool OpenStoredGame(int index);
  // The board and history of the stored game being opened, handed to the
  // new view once (empty when the window starts a new game).
  struct StoredGameParts {
    CBoard board;
    CHistoryLog history;
  };
  std::unique_ptr<StoredGameParts> TakeStoredGameParts() { return std::move(storedGameParts_); }
  // The journal of an unfinished game being resumed, handed to the new view
  // once (empty when the window starts a new game).
  std::optional<std::string> TakeJournalToResume() { return std::exchange(journalToResume_, std::nullopt); }
  // At start and before New: when the data directory holds the journal of a
  // game that did not end, asks whether to resume it. True when it was
  // resumed in a game window.
  bool OfferUnfinishedGame();

  // The Databases menu.
  void ShowGameDatabase();
  void ShowPlayerDatabase();
  void ShowStatisticsDatabase();

  CMainFrame* MainFrame() const { return mainFrame_; }
  wxDocManager* DocManager() const { return docManager_; }

 private:
  void OnFileNew(wxCommandEvent& event);
  void OnAbout(wxCommandEvent& event);
  void OpenDatabases();
  void ImportStartupFile();
  static std::string& StartupImport();
  bool RunWizard();
  void ApplyNewGameChoice();
  void OpenGameWindow();

  wxDocManager* docManager_ = nullptr;
  CMainFrame* mainFrame_ = nullptr;
  std::unique_ptr<CGame> currentGame_;
  CHexsteadView* openView_ = nullptr;
  NewGameChoice newGameChoice_;
  std::unique_ptr<StoredGameParts> storedGameParts_;
  // Set only while a test hands in its own source of draws.
  CRandomSource* randomSource_ = nullptr;
  std::optional<std::string> journalToResume_;
};

// The running application object.
CHexsteadApp& TheApp();
