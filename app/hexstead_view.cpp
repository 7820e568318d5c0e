#include "hexstead_view.h"

#include <algorithm>

#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/statusbr.h>

#include "board_setup_panel.h"
#include "build_button.h"
#include "child_frame.h"
#include "chip_panel.h"
#include "command_ids.h"
#include "gl_settings_dialog.h"
#include "hexstead_app.h"
#include "history_window.h"
#include "luck_replay.h"
#include "luck_window.h"
#include "main_frame.h"
#include "player_colours.h"
#include "player_order_dialog.h"
#include "player_select_dialog.h"
#include "player_status_rows.h"
#include "quit_question.h"
#include "records/clock.h"
#include "replay_viewer.h"
#include "records/text_encoding.h"
#include "render/interface_slots.h"
#include "statistics_window.h"
#include "bank_trade_dialog.h"
#include "card_select_dialog.h"
#include "game_over_dialog.h"
#include "game_text.h"
#include "message_box.h"
#include "monopoly_dialog.h"
#include "play_card_dialog.h"
#include "trade_dialog.h"
#include "turn_panel.h"
#include "victory_points_dialog.h"

wxIMPLEMENT_DYNAMIC_CLASS(CHexsteadView, wxView);

namespace {

// Build buttons left to right with their offsets from the right edge and
// their piece-icon groups in tiny.tex.
struct BuildButtonPlace {
  PurchaseKind kind;
  int offsetFromRight;
  int iconGroup;
};
constexpr BuildButtonPlace kBuildButtons[3] = {
    {PurchaseRoad, 321, kTinyRoadSlot},
    {PurchaseSettlement, 264, kTinySettlementSlot},
    {PurchaseCity, 207, kTinyCitySlot},
};
constexpr int kBuildButtonTop = 5;

constexpr int kStatusRowHeight = 72;

}  // namespace

CHexsteadView::~CHexsteadView() {
  if (TheApp().OpenView() == this) TheApp().SetOpenView(nullptr);
}

bool CHexsteadView::OnCreate(wxDocument* doc, long flags) {
  if (!wxView::OnCreate(doc, flags)) return false;
  CGame* game = TheApp().CurrentGame();
  if (game == nullptr) return false;

  auto* frame = new CChildFrame(doc, this, TheApp().MainFrame());
  SetFrame(frame);
  const BoardKind kind = BoardKindForPlayers(static_cast<int>(game->players.size()));
  board_ = new CBoardView(frame, kind, *this);
  BindCommands();

  // GL can only be made current on a shown window.
  frame->Hide();
  frame->Maximize();
  frame->Show();
  InitialUpdate();
  return true;
}

void CHexsteadView::InitialUpdate() {
  CHexsteadApp& app = TheApp();
  app.SetOpenView(this);
  board_->InitGL();
  images_.Load("data", [this](const std::string& text) { ShowMessage("Hexstead3D", text); });

  // A test that fixes the draws hands in its own source, reseeded from the
  // program's clock as `hexstead-cli play` reseeds its generator.
  if (CRandomSource* handed = app.HandedRandomSource())
    handedRandom_.emplace(*handed, [] { return static_cast<std::int64_t>(CClock::NowSeconds()); });
  session_ = std::make_shared<CGameSession>(*app.CurrentGame(), *this,
                                            handedRandom_ ? journal_.ServicesWith(*handedRandom_) : journal_.Services());
  CreateChildWindows();
  if (std::unique_ptr<CHexsteadApp::StoredGameParts> stored = app.TakeStoredGameParts()) {
    // A stored game opened for review: ended, read-only, shown as stored.
    session_->ShowStoredGame(stored->board, stored->history);
    CReplayLuck replays(CGameDatabase::Instance().DataDir(), CGameDatabase::Instance().Files());
    luckWindow_->ShowStoredGame(session_->Game(), replays);
    replay_ = CReplayViewer::Open(*this, *GetFrame(), *app.CurrentGame());
  } else if (std::optional<std::string> journal = app.TakeJournalToResume()) {
    if (!ResumeJournal(*journal)) app.CallAfter([] { TheApp().CloseAllGames(); });
  } else {
    const CHexsteadApp::NewGameChoice& choice = app.LastNewGameChoice();
    StartJournal(choice.players, choice.trackTrades, choice.generateBoard);
  }
  LayoutChildren();
  SyncWithSession();
  app.MainFrame()->ApplyMinimumSize();
  // Keys typed anywhere in the game window reach the main frame.
  app.MainFrame()->Bind(wxEVT_CHAR_HOOK, &CHexsteadView::OnTableKey, this);
  ready_ = true;
  ShowKeysHint();
  board_->SetFocus();
  board_->Refresh(false);
}

void CHexsteadView::CreateChildWindows() {
  for (size_t i = 0; i < buildButtons_.size(); ++i) {
    buildButtons_[i] = new CBuildButton(board_, kBuildButtons[i].kind, [this](PurchaseKind kind) { OnBuild(kind); });
  }
  auto undo = [this] { UndoLast(); };
  palette_ = new CBoardSetupPanel(board_, images_, undo, [this](int type) { OnChooseTile(type); });
  chipPanel_ = new CChipPanel(board_, images_, undo);
  chipPanel_->Hide();
  TurnPanelActions actions;
  actions.roll = [this](int total) { OnRoll(total); };
  actions.continueTurn = [this] { OnContinue(); };
  actions.trade = [this] { OnTrade(); };
  actions.buyCard = [this] { OnBuyCard(); };
  actions.playCard = [this] { OnPlayCard(); };
  actions.endTurn = [this] { OnEndTurn(); };
  turnPanel_ = new CTurnPanel(board_, images_, undo, std::move(actions));
  turnPanel_->Hide();
  current_ = palette_;

  wxWindow* main = TheApp().MainFrame();
  glSettings_ = new CGLSettingsDialog(main, *board_);
  playerSelect_ = new CPlayerSelectDialog(
      main, [this](const std::vector<SeatChoice>& seats) { OnSelectPlayers(seats); }, [this] { UndoLast(); });
  playerSelect_->Centre();
  CreateRecordWindows(main);
  playerOrder_ = new CPlayerOrderDialog(
      main, [this](const std::vector<int32_t>& order) { OnSortPlayers(order); }, [this] { OnCancelPlayerOrder(); });
  statusRows_ = std::make_unique<CPlayerStatusRows>(board_, images_);
}

void CHexsteadView::BindCommands() {
  // Menu commands reach the view from its child frame and, through the
  // document manager, from the main frame.
  // Closing deletes this view, so it happens after the command's handler.
  Bind(wxEVT_MENU, [](wxCommandEvent&) {
    if (AskQuitGame(nullptr)) TheApp().CallAfter([] { TheApp().CloseAllGames(); });
  }, ID_FILE_CLOSE);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { OnExitCommand(); }, ID_APP_EXIT);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { UndoLast(); }, ID_EDIT_UNDO);
  Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) {
    event.Enable(current_ != nullptr && current_->IsUndoEnabled());
  }, ID_EDIT_UNDO);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { TogglePopup(glSettings_); }, ID_POPUPS_GLSETTINGS);
  Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) {
    event.Check(glSettings_ != nullptr && glSettings_->IsShown());
  }, ID_POPUPS_GLSETTINGS);
  BindRecordWindowCommands();
  // One view per game: a second window on the same game is not offered, and
  // GTK shows game windows as tabs, which cannot be cascaded, tiled or
  // iconised. All four items stay visible but disabled.
  Bind(wxEVT_UPDATE_UI, [](wxUpdateUIEvent& event) { event.Enable(false); }, ID_WINDOW_NEW,
       ID_WINDOW_TILE_HORZ);
  board_->Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    event.Skip();
    LayoutChildren();
  });
}

bool CHexsteadView::OnClose(bool deleteWindow) {
  if (!wxView::OnClose(deleteWindow)) return false;
  Activate(false);
  ready_ = false;
  if (CMainFrame* main = TheApp().MainFrame()) {
    main->Unbind(wxEVT_CHAR_HOOK, &CHexsteadView::OnTableKey, this);
    main->SetStatusText("Ready");
  }
  if (board_ != nullptr) board_->ReleaseGL();
  replay_.reset();
  CloseJournal();
  // The session refers to the game record: it goes first, then the game.
  session_.reset();
  if (glSettings_ != nullptr) glSettings_->Destroy();
  if (playerSelect_ != nullptr) playerSelect_->Destroy();
  if (playerOrder_ != nullptr) playerOrder_->Destroy();
  glSettings_ = nullptr;
  playerSelect_ = nullptr;
  DestroyRecordWindows();
  playerOrder_ = nullptr;
  statusRows_.reset();
  if (TheApp().OpenView() == this) {
    TheApp().ForgetGame();
    if (CMainFrame* main = TheApp().MainFrame()) main->ApplyMinimumSize();
  }
  if (deleteWindow && GetFrame() != nullptr) {
    GetFrame()->Destroy();
    SetFrame(nullptr);
  }
  return true;
}

CBuildButton& CHexsteadView::BuildButton(PurchaseKind kind) {
  for (CBuildButton* button : buildButtons_) {
    if (button->Kind() == kind) return *button;
  }
  return *buildButtons_[0];
}

// --- layout and side panels ---------------------------------------------------

void CHexsteadView::LayoutChildren() {
  if (palette_ == nullptr) return;
  const int width = board_->GetClientSize().x;
  for (size_t i = 0; i < buildButtons_.size(); ++i) {
    buildButtons_[i]->Move(width - kBuildButtons[i].offsetFromRight, kBuildButtonTop);
    buildButtons_[i]->Refresh();
  }
  for (CSidePanel* panel : {static_cast<CSidePanel*>(palette_), static_cast<CSidePanel*>(chipPanel_),
                            static_cast<CSidePanel*>(turnPanel_)}) {
    panel->PlaceAtRightEdge(width);
  }
}

int CHexsteadView::SidePanelsMinimumHeight() const {
  int height = current_ != nullptr ? current_->GetSize().y : 0;
  if (turnPanel_ != nullptr && turnPanel_->IsShown() && session_) {
    const CGame& game = session_->Game();
    const int rows = static_cast<int>(game.players.size()) + (game.trackTrades ? 1 : 0);
    height = std::max(height, kStatusRowHeight * rows);
  }
  return height;
}

void CHexsteadView::ShowSidePanel(int id) {
  CSidePanel* next = id == IDC_CHIP_PANEL ? static_cast<CSidePanel*>(chipPanel_)
                     : id == IDC_TURN_PANEL ? static_cast<CSidePanel*>(turnPanel_)
                                            : static_cast<CSidePanel*>(palette_);
  if (next != current_ && current_ != nullptr) current_->Hide();
  current_ = next;
  current_->PlaceAtRightEdge(board_->GetClientSize().x);
  current_->Show();
  current_->Layout();
  // The status rows belong to the turn: made again from the seats each time
  // the turn panel appears.
  if (statusRows_ && session_) {
    if (current_ == turnPanel_) {
      statusRows_->Recreate(*session_);
    } else {
      statusRows_->Clear();
    }
  }
  if (CMainFrame* main = TheApp().MainFrame()) main->ApplyMinimumSize();
}

// --- keeping the windows in step with the session -----------------------------

void CHexsteadView::ShowReplayedSession(std::shared_ptr<CGameSession> session) {
  session_ = std::move(session);
  SyncWithSession();
}

void CHexsteadView::SyncWithSession() {
  if (!session_ || palette_ == nullptr) return;
  SyncSidePanel();
  SyncBuildButtons();
  SyncPlayerDialogs();
  if (statusRows_) statusRows_->Refresh(*session_);
  SyncLuck();
  board_->Refresh(false);
}

void CHexsteadView::SyncSidePanel() {
  if (!session_ || palette_ == nullptr) return;
  const CSessionFields& fields = session_->Fields();
  static constexpr int kPanelIds[] = {IDC_BOARD_SETUP_PANEL, IDC_CHIP_PANEL, IDC_TURN_PANEL};
  const int id = kPanelIds[static_cast<int>(fields.sidePanel)];
  palette_->ShowPalette(session_->Palette());
  chipPanel_->SetText(wxString::FromUTF8(session_->ChipPanelText()));
  turnPanel_->SetText(GameText(session_->Prompt()));
  turnPanel_->ShowState(session_->TurnPanel(), PlayerTints(), static_cast<int>(session_->Game().players.size()));
  if (current_ == nullptr || current_->GetId() != id || !current_->IsShown()) ShowSidePanel(id);
  current_->EnableUndo(fields.undoButtonEnabled && !replay_);
  // Looking back, the panel shows the moment but takes no click.
  current_->Enable(!replay_);
  // While the players are chosen and ordered the dialogs take the panel's
  // place; their Cancel buttons take the steps back.
  if (fields.gameState == PlayerInformation) {
    current_->Hide();
    if (statusRows_) statusRows_->Clear();
  }
  ShowKeysHint();
}

void CHexsteadView::SyncBuildButtons() {
  if (!session_ || buildButtons_[0] == nullptr) return;
  const CSessionFields& fields = session_->Fields();
  const CGame& game = session_->Game();
  int colourIndex = -1;
  if (fields.currentPlayer >= 0 && static_cast<size_t>(fields.currentPlayer) < game.players.size()) {
    colourIndex = PictureSetIndex(game.players[fields.currentPlayer].color);
  }
  for (size_t i = 0; i < buildButtons_.size(); ++i) {
    // The session lists its buttons as settlement, city, road.
    const int shownIndex = kBuildButtons[i].kind - PurchaseSettlement;
    const bool shown = fields.buildButtons[shownIndex];
    if (shown) {
      buildButtons_[i]->SetIcon(colourIndex < 0 ? wxNullBitmap
                                                : images_.Bitmap(InterfaceArchive::Tiny,
                                                                 kBuildButtons[i].iconGroup + colourIndex));
    }
    buildButtons_[i]->Show(shown);
    buildButtons_[i]->Enable(!replay_);
  }
}

void CHexsteadView::SyncPlayerDialogs() {
  if (!session_ || playerSelect_ == nullptr || playerOrder_ == nullptr) return;
  const CSessionFields& fields = session_->Fields();
  const CGame& game = session_->Game();
  playerSelect_->Prepare(session_->Board().Kind() == BoardKind::Large, game.boardGenerated == 0);
  if (fields.playerSelectionShown != playerSelect_->IsShown()) playerSelect_->Show(fields.playerSelectionShown);
  if (fields.playerOrderShown != playerOrder_->IsShown()) {
    if (fields.playerOrderShown) {
      // The order starts afresh from the seats as they are now.
      std::vector<wxString> names;
      std::vector<uint32_t> colours;
      for (const CPlayerGame& seat : game.players) {
        names.push_back(wxString::FromUTF8(Cp1252ToUtf8(seat.player.DisplayName())));
        colours.push_back(static_cast<uint32_t>(seat.color));
      }
      playerOrder_->Load(names, colours);
    }
    playerOrder_->Show(fields.playerOrderShown);
  }
}

void CHexsteadView::OnSelectPlayers(const std::vector<SeatChoice>& seats) {
  HandOver([&](CGameSession& session) { session.SelectPlayers(seats); });
}

void CHexsteadView::OnSortPlayers(const std::vector<int32_t>& order) {
  HandOver([&](CGameSession& session) { session.SortPlayers(order); });
}

void CHexsteadView::OnCancelPlayerOrder() {
  HandOver([&](CGameSession& session) { session.CancelPlayerOrder(); });
}

// --- input ----------------------------------------------------------------------

// Every input takes the same way: to the session, then the decision it left
// pending (its dialog), then the windows brought up to date.
void CHexsteadView::HandOver(const std::function<void(CGameSession&)>& input, bool askDecision) {
  if (!session_ || replay_) return;
  input(*session_);
  if (askDecision) ShowPendingDecision();
  SyncWithSession();
}

void CHexsteadView::OnChooseTile(int tileType) {
  HandOver([&](CGameSession& session) { session.ChooseTile(tileType); });
}

void CHexsteadView::OnBoardPick(int location) {
  if (location < 0) return;
  HandOver([&](CGameSession& session) { session.Pick(location); });
}

void CHexsteadView::OnBuild(PurchaseKind kind) {
  HandOver([&](CGameSession& session) { session.OnBuild(kind); });
}

void CHexsteadView::UndoLast() {
  HandOver([&](CGameSession& session) { session.UndoLast(); });
}

void CHexsteadView::UndoToHere(std::size_t line) {
  if (!session_) return;
  // The whole way is planned first: every step changes what a plan would be.
  const UndoToHerePlan plan = session_->PlanUndoTo(line);
  for (UndoInput step : plan.inputs) {
    HandOver([step](CGameSession& session) {
      if (step == UndoInput::Undo) {
        session.UndoLast();
      } else {
        session.CancelDecision();
      }
    }, false);
  }
  // Nothing is pending where the plan lands; its notices are shown.
  ShowPendingDecision();
}

// --- the keyboard -----------------------------------------------------------------

void CHexsteadView::OnTableKey(wxKeyEvent& event) {
  if (!session_ || !ready_) {
    event.Skip();
    return;
  }
  const TableKeysAccepted accepted =
      TableKeysAccepted::From(session_->Fields(), session_->Pending().kind != DecisionKind::None);
  TableKeyActions actions;
  actions.roll = [this](int total) { OnRoll(total); };
  actions.continueTurn = [this] { OnContinue(); };
  actions.build = [this](PurchaseKind kind) { OnBuild(kind); };
  actions.trade = [this] { OnTrade(); };
  actions.buyCard = [this] { OnBuyCard(); };
  actions.playCard = [this] { OnPlayCard(); };
  actions.endTurn = [this] { OnEndTurn(); };
  if (!keys_.OnKey(event.GetKeyCode(), !event.HasAnyModifiers(), accepted, actions)) event.Skip();
  ShowKeysHint();
}

void CHexsteadView::ShowKeysHint() {
  CMainFrame* main = TheApp().MainFrame();
  if (!session_ || !ready_ || main == nullptr || main->GetStatusBar() == nullptr) return;
  const std::string hint =
      keys_.Hint(TableKeysAccepted::From(session_->Fields(), session_->Pending().kind != DecisionKind::None));
  wxString text = GameText(session_->Prompt());
  if (!hint.empty()) text << (text.empty() ? "" : "  ") << wxString::FromUTF8(hint);
  if (main->GetStatusBar()->GetStatusText(0) != text) main->SetStatusText(text);
}

// --- the turn panel and the dialogs of a turn -----------------------------------

void CHexsteadView::OnRoll(int total) {
  HandOver([&](CGameSession& session) { session.OnRoll(total); });
}

void CHexsteadView::OnContinue() {
  HandOver([&](CGameSession& session) { session.OnContinue(); });
}

void CHexsteadView::OnBuyCard() {
  HandOver([&](CGameSession& session) { session.OnBuyCard(); });
}

void CHexsteadView::OnEndTurn() {
  HandOver([&](CGameSession& session) { session.OnEndTurn(); });
}

void CHexsteadView::OnTrade() {
  if (!session_ || replay_ || !session_->TurnPanel().tradeEnabled) return;
  {
    CTradeDialog dialog(Owner(), *session_, images_, PlayerNames(), PlayerTints());
    dialog.ShowModal();
  }
  ShowPendingDecision();
  SyncWithSession();
}

void CHexsteadView::OnPlayCard() {
  if (!session_ || replay_ || !session_->TurnPanel().playCardEnabled) return;
  const std::optional<CPlayCardDialog::Choice> choice =
      CPlayCardDialog::Ask(Owner(), PlayerNames(), PlayerTints(), session_->CurrentPlayer(),
                           [this](int player) { return session_->PlayCardOfferFor(player); });
  if (choice) PlayCard(choice->player, choice->kind);
  ShowPendingDecision();
  SyncWithSession();
}

void CHexsteadView::PlayCard(int player, DevCardKind kind) {
  switch (kind) {
    case VictoryPointCard: session_->PlayVictoryPoint(player); break;
    case MonopolyCard:
      if (const std::optional<int> resource = CMonopolyDialog::Ask(Owner())) session_->PlayMonopoly(*resource);
      break;
    case RoadBuildingCard: session_->PlayRoadBuilding(); break;
    case YearOfPlentyCard:
      // Without tracked trades no cards move: nothing to choose.
      if (session_->Game().trackTrades == 0) {
        session_->PlayYearOfPlenty(ResourceCounts{});
      } else {
        CCardSelectDialog dialog(Owner(), images_, session_->Bank());
        if (dialog.ShowModal() == wxID_OK) session_->PlayYearOfPlenty(dialog.YearOfPlentyCounts());
      }
      break;
    case SoldierCard: session_->PlaySoldier(); break;
  }
}

std::array<wxString, kMaxPlayers> CHexsteadView::PlayerNames() const {
  std::array<wxString, kMaxPlayers> names;
  if (!session_) return names;
  const size_t count = std::min<size_t>(session_->Game().players.size(), names.size());
  for (size_t p = 0; p < count; ++p) names[p] = GameText(session_->PlayerName(static_cast<int32_t>(p)));
  return names;
}

std::array<wxColour, kMaxPlayers> CHexsteadView::PlayerTints() const {
  std::array<wxColour, kMaxPlayers> tints;
  tints.fill(*wxWHITE);
  if (!session_) return tints;
  const auto& players = session_->Game().players;
  for (size_t p = 0; p < players.size() && p < tints.size(); ++p) tints[p] = LightColourOf(static_cast<uint32_t>(players[p].color));
  return tints;
}

void CHexsteadView::OnExitCommand() {
  // Closing the main frame deletes this view: do it after the handler.
  if (AskQuitGame(nullptr)) TheApp().CallAfter([] { TheApp().MainFrame()->Close(true); });
}

void CHexsteadView::TogglePopup(wxWindow* dialog) {
  if (dialog != nullptr) dialog->Show(!dialog->IsShown());
}

wxWindow* CHexsteadView::Owner() const {
  return TheApp().MainFrame();
}

// --- the board window's questions -------------------------------------------------

CSceneInput CHexsteadView::SceneInput() const {
  CSceneInput in;
  if (!session_) return in;
  const CBoard& board = session_->Board();
  const CSessionFields& fields = session_->Fields();
  const CGame& game = session_->Game();
  in.ShowBoard(board);
  in.gameState = fields.gameState;
  in.pickEnabled = fields.pickEnabled;
  in.currentPlayer = fields.currentPlayer;
  for (size_t p = 0; p < game.players.size() && p < in.playerColors.size(); ++p) {
    in.playerColors[p] = static_cast<ColorRef>(game.players[p].color);
  }
  in.productionTiles = fields.producingTiles;
  in.roadSites = fields.roadOptions;
  cityTiles_.clear();
  for (CitySiteCode code : fields.cityOptions) {
    const CitySite site = DecodeCitySiteCode(code);
    cityTiles_.insert(cityTiles_.end(), {site.position, site.cornerNeighbor, site.previousNeighbor});
  }
  in.cityTiles = cityTiles_;
  in.settlementSites = fields.settlementOptions;
  in.placingSettlement = fields.placingSettlement;
  pickable_.clear();
  if (fields.gameState == InitialPlacement && fields.placingSettlement) pickable_ = session_->PickableIds();
  in.initialSettlementSites = pickable_;
  in.initialSettlementCorner = fields.initialSettlementCorner;
  return in;
}

// --- the session's decisions and notices -----------------------------------------

void CHexsteadView::ShowPendingDecision() {
  while (session_ && session_->Pending().kind != DecisionKind::None) {
    // The windows show the state that asks (the robber moved, the roll
    // entered) behind the dialog.
    SyncWithSession();
    const PendingDecision decision = session_->Pending();
    bool answered = false;
    switch (decision.kind) {
      case DecisionKind::Discards: {
        CCardSelectDialog dialog(Owner(), images_, decision.discards, PlayerNames(), PlayerTints());
        answered = dialog.ShowModal() == wxID_OK ? session_->AnswerDiscards(dialog.Discards())
                                                 : session_->CancelDecision();
        break;
      }
      case DecisionKind::Steal: {
        CCardSelectDialog dialog(Owner(), images_, decision.steal, PlayerNames(), PlayerTints());
        answered = dialog.ShowModal() == wxID_OK ? session_->AnswerSteal(dialog.Steal()) : session_->CancelDecision();
        break;
      }
      case DecisionKind::BankTradeResource:
        answered = session_->AnswerBankTradeResource(
            CBankTradeDialog::Ask(Owner(), decision.bankTrade.wanted, decision.bankTrade.tradeable));
        break;
      case DecisionKind::VictoryPointCard:
        answered = session_->AnswerVictoryPointCard(
            AskYesNoBox(Owner(), GameText(decision.caption), GameText(decision.text)));
        break;
      case DecisionKind::Winner:
        answered = session_->AnswerWinner(CGameOverDialog::Ask(Owner(), GameText(session_->PlayerName(decision.player))));
        break;
      case DecisionKind::HiddenPoints:
        answered = session_->AnswerHiddenPoints(CVictoryPointsDialog::Ask(
            Owner(), GameText(session_->PlayerName(decision.player)), decision.maxPoints));
        break;
      case DecisionKind::None: break;
    }
    // A dialog that gave what the session cannot take is withdrawn where it
    // has a Cancel; otherwise the decision waits for the next input.
    if (!answered && !(decision.Cancellable() && session_->CancelDecision())) break;
  }
  if (!session_) return;
  for (const SessionNotice& notice : session_->TakeNotices()) ShowMessage(notice.caption, notice.text);
  ShowJournalError();
}

void CHexsteadView::ShowMessage(const std::string& caption, const std::string& text) {
  ShowMessageBox(Owner(), GameText(caption), GameText(text));
}

void CHexsteadView::PromptChanged(const std::string& prompt) {
  if (quiet_) return;
  if (turnPanel_ != nullptr) turnPanel_->SetText(GameText(prompt));
  ShowKeysHint();
}

void CHexsteadView::StatusRowChanged(int32_t player) {
  if (quiet_) return;
  if (session_ && statusRows_) statusRows_->RefreshRow(*session_, player);
}

void CHexsteadView::TurnPanelChanged() { if (!quiet_) SyncSidePanel(); }
void CHexsteadView::BuildButtonsChanged() { if (!quiet_) SyncBuildButtons(); }
void CHexsteadView::SidePanelChanged() { if (!quiet_) SyncSidePanel(); }
void CHexsteadView::PlayerDialogsChanged() { if (!quiet_) SyncPlayerDialogs(); }

void CHexsteadView::BoardChanged() {
  if (board_ != nullptr) board_->Refresh(false);
}

// --- the Game History and Game Statistics windows ---------------------------------

void CHexsteadView::CreateRecordWindows(wxWindow* parent) {
  historyWindow_ = new CHistoryWindow(parent, images_);
  historyWindow_->OfferUndoToHere([this](size_t line) { return session_ ? session_->PlanUndoTo(line).actions : 0; },
                                  [this](size_t line) { UndoToHere(line); });
  statisticsWindow_ = new CStatisticsWindow(parent);
  // The history stands at the right, beside the side panels' column; the
  // statistics, much wider, in the middle.
  const wxRect frame = parent->GetScreenRect();
  historyWindow_->Move(std::max(frame.GetRight() - historyWindow_->GetSize().x - 160, frame.x), frame.y + 80);
  statisticsWindow_->CentreOnParent();
  // The luck window, wide too, keeps clear of the side panels at the right.
  luckWindow_ = new CLuckWindow(parent);
  luckWindow_->Move(frame.x + 10, frame.y + 80);
}

void CHexsteadView::BindRecordWindowCommands() {
  // Popups > Game History and Game Stats show or hide their window; the
  // check mark follows the window, also when its own close box hides it.
  auto windowOf = [this](int id) -> wxWindow* {
    return id == ID_POPUPS_HISTORY ? static_cast<wxWindow*>(historyWindow_) : statisticsWindow_;
  };
  Bind(wxEVT_MENU, [this, windowOf](wxCommandEvent& event) { TogglePopup(windowOf(event.GetId())); },
       ID_POPUPS_HISTORY, ID_POPUPS_STATS);
  Bind(wxEVT_UPDATE_UI, [windowOf](wxUpdateUIEvent& event) {
    wxWindow* window = windowOf(event.GetId());
    event.Check(window != nullptr && window->IsShown());
  }, ID_POPUPS_HISTORY, ID_POPUPS_STATS);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { TogglePopup(luckWindow_); }, ID_POPUPS_LUCK);
  Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) {
    event.Check(luckWindow_ != nullptr && luckWindow_->IsShown());
  }, ID_POPUPS_LUCK);
}

void CHexsteadView::HistoryChanged() {
  if (quiet_) return;
  if (!session_ || historyWindow_ == nullptr) return;
  historyWindow_->ShowHistory(session_->History().Log());
  // Every input and every Undo passes here: the seats may have been chosen,
  // ordered, or taken back without a statistics change being reported.
  SyncStatistics(0);
}

void CHexsteadView::StatisticsChanged(ReportMask reports) { SyncStatistics(reports); }

void CHexsteadView::SyncStatistics(ReportMask reports) {
  if (quiet_) return;
  if (!session_ || statisticsWindow_ == nullptr) return;
  // The report has seat rows only once the players are chosen.
  if (!session_->Fields().playersSelected) {
    statisticsWindow_->Clear();
    return;
  }
  statisticsWindow_->ShowGame(session_->Game());
  statisticsWindow_->RefreshReports(reports);
}

// The luck window follows every input and Undo of the game in play.
void CHexsteadView::SyncLuck() {
  if (session_ && luckWindow_ != nullptr) luckWindow_->FollowSession(*session_);
}

void CHexsteadView::DestroyRecordWindows() {
  if (historyWindow_ != nullptr) historyWindow_->Destroy();
  if (luckWindow_ != nullptr) luckWindow_->Destroy();
  luckWindow_ = nullptr;
  if (statisticsWindow_ != nullptr) {
    statisticsWindow_->Clear();  // it refers to the game record, which goes next
    statisticsWindow_->Destroy();
  }
  historyWindow_ = nullptr;
  statisticsWindow_ = nullptr;
}
