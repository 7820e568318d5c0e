#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <wx/docview.h>

#include "board_view.h"
#include "engine/session/session.h"
#include "interface_images.h"
#include "records/game_database.h"
#include "table_keys.h"
#include "session_journal.h"

class CBoardSetupPanel;
class CBuildButton;
class CChipPanel;
class CGLSettingsDialog;
class CHistoryWindow;
class CLuckWindow;
class CPlayerOrderDialog;
class CPlayerSelectDialog;
class CPlayerStatusRows;
class CReplayViewer;
class CStatisticsWindow;
class CSidePanel;
class CTurnPanel;

// The game view: it owns the session of the current game, the board window
// and every window of the game (build buttons, side panels, modeless
// dialogs). It forwards the user's input to the session and, after each
// input, shows the decision the session waits for as a dialog whose answer
// is the next input; what the windows show comes from the session's queries.
class CHexsteadView : public wxView, public ISessionUi, public IBoardViewClient {
 public:
  CHexsteadView() = default;
  ~CHexsteadView() override;

  // --- wxView -----------------------------------------------------------------
  bool OnCreate(wxDocument* doc, long flags) override;
  bool OnClose(bool deleteWindow) override;
  void OnDraw(wxDC*) override {}

  // --- what other windows and tests reach -------------------------------------
  CGameSession& Session() { return *session_; }
  CBoardView& BoardView() { return *board_; }
  CBoardSetupPanel& Palette() { return *palette_; }
  CChipPanel& ChipPanel() { return *chipPanel_; }
  CTurnPanel& TurnPanel() { return *turnPanel_; }
  CSidePanel& CurrentSidePanel() { return *current_; }
  CGLSettingsDialog& GLSettings() { return *glSettings_; }
  CPlayerSelectDialog& PlayerSelection() { return *playerSelect_; }
  CHistoryWindow& HistoryWindow() { return *historyWindow_; }
  CStatisticsWindow& StatisticsWindow() { return *statisticsWindow_; }
  CLuckWindow& LuckWindow() { return *luckWindow_; }
  CPlayerOrderDialog& PlayerOrder() { return *playerOrder_; }
  CPlayerStatusRows& StatusRows() { return *statusRows_; }
  CBuildButton& BuildButton(PurchaseKind kind);
  bool IsReady() const { return ready_; }

  // Height the windows beside the board need (the main frame's minimum).
  int SidePanelsMinimumHeight() const;
  // Switches to the palette (1001), the chip panel (1002) or the turn panel (1003).
  void ShowSidePanel(int id);
  // File > Exit while a game is open.
  void OnExitCommand();
  // The Undo button of the side panels and Edit > Undo.
  void UndoLast();
  // "Undo to here" on a line of the Game History: its Undo (and Cancel)
  // inputs one by one, with no dialog on the way.
  void UndoToHere(std::size_t line);
  // Looking back at a reviewed game through its replay (none without one):
  // the board, the panels and the status rows show `session`, a moment of
  // the replay, and take no input (the replay viewer fills the history and
  // statistics windows).
  CReplayViewer* ReplayViewer() const { return replay_.get(); }
  void ShowReplayedSession(std::shared_ptr<CGameSession> session);

  // --- ISessionUi ---------------------------------------------------------------
  void PromptChanged(const std::string& prompt) override;
  void StatusRowChanged(int32_t player) override;
  void TurnPanelChanged() override;
  void BuildButtonsChanged() override;
  void SidePanelChanged() override;
  void PlayerDialogsChanged() override;
  void BoardChanged() override;
  void HistoryChanged() override;
  void StatisticsChanged(ReportMask reports) override;

  // --- IBoardViewClient -----------------------------------------------------------
  CSceneInput SceneInput() const override;
  void OnBoardPick(int location) override;

 private:
  void InitialUpdate();
  void CreateChildWindows();
  void BindCommands();
  void LayoutChildren();
  void SyncWithSession();
  // After every input handed to the session: the pending decisions, one
  // dialog after another until none is left, then the session's notices.
  void ShowPendingDecision();
  void ShowMessage(const std::string& caption, const std::string& text);
  void SyncSidePanel();
  void SyncBuildButtons();
  void SyncPlayerDialogs();
  // The history and statistics windows.
  void CreateRecordWindows(wxWindow* parent);
  void BindRecordWindowCommands();
  void SyncStatistics(ReportMask reports);
  void SyncLuck();
  void DestroyRecordWindows();
  void OnSelectPlayers(const std::vector<SeatChoice>& seats);
  void OnSortPlayers(const std::vector<int32_t>& order);
  void OnCancelPlayerOrder();
  // `askDecision` false: the pending decision is left for the next input
  // (the steps of "Undo to here").
  void HandOver(const std::function<void(CGameSession&)>& input, bool askDecision = true);
  // The keyboard of the game window and the status-bar line of its keys.
  void OnTableKey(wxKeyEvent& event);
  void ShowKeysHint();
  // The journal (hexstead_view_journal.cpp).
  void StartJournal(int players, bool trackTrades, bool generateBoard);
  bool ResumeJournal(const std::string& text);  // false: nothing to resume, set aside
  void CloseJournal();
  void ShowJournalError();
  void OnBuild(PurchaseKind kind);
  void OnChooseTile(int tileType);
  // The turn panel's inputs and the dialogs they open.
  void OnRoll(int total);
  void OnContinue();
  void OnTrade();
  void OnBuyCard();
  void OnPlayCard();
  void OnEndTurn();
  void PlayCard(int player, DevCardKind kind);
  // The players' names and light tints in seat order, for the dialogs.
  std::array<wxString, kMaxPlayers> PlayerNames() const;
  std::array<wxColour, kMaxPlayers> PlayerTints() const;
  void TogglePopup(wxWindow* dialog);
  wxWindow* Owner() const;

  CBoardView* board_ = nullptr;
  // The session's services (the program's clock, the C library generator,
  // the application's game database) and the journal of its inputs. A test
  // may hand in its own source of draws (`handedRandom_`).
  CSessionJournal journal_{CGameDatabase::Instance()};
  std::optional<CBoardRandom> handedRandom_;
  bool quiet_ = false;  // a journal is replayed: the windows wait for its end
  // Shared: a moment of a replay lives in the replay's own runner.
  std::shared_ptr<CGameSession> session_;
  std::unique_ptr<CReplayViewer> replay_;
  CInterfaceImages images_;
  std::array<CBuildButton*, 3> buildButtons_{};  // road, settlement, city
  CBoardSetupPanel* palette_ = nullptr;
  CChipPanel* chipPanel_ = nullptr;
  CTurnPanel* turnPanel_ = nullptr;
  CSidePanel* current_ = nullptr;
  CGLSettingsDialog* glSettings_ = nullptr;
  CPlayerSelectDialog* playerSelect_ = nullptr;
  CHistoryWindow* historyWindow_ = nullptr;
  CStatisticsWindow* statisticsWindow_ = nullptr;
  CLuckWindow* luckWindow_ = nullptr;
  CPlayerOrderDialog* playerOrder_ = nullptr;
  std::unique_ptr<CPlayerStatusRows> statusRows_;
  bool ready_ = false;
  CTableKeys keys_;
  // Pickable ids of the current state, kept for the scene input's spans.
  mutable std::vector<int32_t> pickable_;
  mutable std::vector<int> cityTiles_;

  wxDECLARE_DYNAMIC_CLASS(CHexsteadView);
};
