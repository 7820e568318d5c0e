#pragma once

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include <wx/docview.h>

#include "board_view.h"
#include "engine/session/session.h"
#include "interface_images.h"
#include "records/game_database.h"

class CBoardSetupPanel;
class CBuildButton;
class CChipPanel;
class CGLSettingsDialog;
class CHistoryWindow;
class CPlayerOrderDialog;
class CPlayerSelectDialog;
class CPlayerStatusRows;
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
  void DestroyRecordWindows();
  void OnSelectPlayers(const std::vector<SeatChoice>& seats);
  void OnSortPlayers(const std::vector<int32_t>& order);
  void OnCancelPlayerOrder();
  void HandOver(const std::function<void(CGameSession&)>& input);
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
  // The session's services: the program's clock, the C library generator
  // reseeded from the system clock, and the application's game database.
  CProgramClock clock_;
  CLibraryRandom randomSource_;
  CBoardRandom random_{randomSource_, SystemClockSeconds};
  CGameDatabaseStore store_{CGameDatabase::Instance()};
  std::unique_ptr<CGameSession> session_;
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
  CPlayerOrderDialog* playerOrder_ = nullptr;
  std::unique_ptr<CPlayerStatusRows> statusRows_;
  bool ready_ = false;
  // Pickable ids of the current state, kept for the scene input's spans.
  mutable std::vector<int32_t> pickable_;
  mutable std::vector<int> cityTiles_;

  wxDECLARE_DYNAMIC_CLASS(CHexsteadView);
};
