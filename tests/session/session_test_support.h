#pragma once

#include <deque>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/board/random_source.h"
#include "engine/session/session.h"
#include "records/archive.h"
#include "records/clock.h"
#include "records/game_database.h"

// Answers the session's dialogs from queues (or at random) and keeps what it
// was told.
class CTestUi : public ISessionUi {
 public:
  std::deque<int32_t> bankTradeAnswers;
  std::deque<std::optional<SeatMatrix>> discardAnswers;
  std::deque<std::optional<StealChoice>> stealAnswers;
  std::deque<bool> yesNoAnswers;
  std::deque<bool> winnerAnswers;
  std::deque<int32_t> hiddenAnswers;
  std::mt19937* random = nullptr;  // answers at random when the queue is empty
  bool cancelSteals = false;       // while undoing: renewed steal dialogs are cancelled

  std::vector<std::string> messages;
  std::vector<std::string> prompts;
  int bankTradeDialogs = 0, discardDialogs = 0, stealDialogs = 0, winnerDialogs = 0;

  void ShowMessage(const std::string& caption, const std::string& text) override {
    messages.push_back(caption + ": " + text);
  }
  bool AskYesNo(const std::string& caption, const std::string& text) override {
    messages.push_back(caption + ": " + text);
    if (!yesNoAnswers.empty()) return Pop(yesNoAnswers);
    return random != nullptr && (*random)() % 2 == 0;
  }
  int32_t ChooseBankTradeResource(int32_t, const std::array<bool, 5>& tradeable) override {
    ++bankTradeDialogs;
    if (!bankTradeAnswers.empty()) return Pop(bankTradeAnswers);
    std::vector<int32_t> choices;
    for (int r = 0; r < 5; ++r)
      if (tradeable[r]) choices.push_back(r);
    return random != nullptr ? choices[(*random)() % choices.size()] : choices.front();
  }
  std::optional<SeatMatrix> ChooseDiscards(const DiscardOffer& offer) override {
    ++discardDialogs;
    if (!discardAnswers.empty()) return Pop(discardAnswers);
    if (random == nullptr) return std::nullopt;
    if ((*random)() % 10 == 0) return std::nullopt;
    SeatMatrix out{};
    for (int p = 0; p < 6; ++p) {
      ResourceCounts hand = offer.hands[p];
      for (int n = 0; n < offer.required[p]; ++n) {
        int r;
        do r = static_cast<int>((*random)() % 5); while (hand[r] == 0);
        --hand[r];
        ++out[p][r];
      }
    }
    return out;
  }
  std::optional<StealChoice> ChooseSteal(const StealOffer& offer) override {
    ++stealDialogs;
    if (cancelSteals) return std::nullopt;
    if (!stealAnswers.empty()) return Pop(stealAnswers);
    if (random == nullptr) return std::nullopt;
    if ((*random)() % 8 == 0) return std::nullopt;
    std::vector<int32_t> victims;
    for (int p = 0; p < 6; ++p)
      if (offer.candidates[p]) victims.push_back(p);
    StealChoice choice;
    choice.victim = victims[(*random)() % victims.size()];
    std::vector<int32_t> cards{5};
    for (int r = 0; r < 5; ++r)
      if (offer.hands[choice.victim][r] > 0) cards.push_back(r);
    choice.resource = cards[(*random)() % cards.size()];
    return choice;
  }
  bool ConfirmWinner(int32_t) override {
    ++winnerDialogs;
    if (!winnerAnswers.empty()) return Pop(winnerAnswers);
    return random == nullptr || (*random)() % 3 != 0;
  }
  int32_t AskHiddenPoints(int32_t, int32_t most) override {
    if (!hiddenAnswers.empty()) return Pop(hiddenAnswers);
    return random != nullptr ? static_cast<int32_t>((*random)() % (most + 1)) : 0;
  }
  void PromptChanged(const std::string& prompt) override { prompts.push_back(prompt); }

 private:
  template <typename T>
  static T Pop(std::deque<T>& q) {
    T v = q.front();
    q.pop_front();
    return v;
  }
};

// Everything an undo must restore, in comparable form.
struct SessionSnapshot {
  std::vector<uint8_t> game;  // the stored CGame fields
  CDateTime turnStart;
  std::vector<CBoardPiece> pieces;
  int32_t robberTile, robberPlacer, longestRoadLength;
  std::vector<int32_t> longestRoadPath;
  int entryCursor;
  bool awaitingFirstChip;
  CSessionFields fields;
  CGameHistory history;
  std::size_t undoDepth;

  bool operator==(const SessionSnapshot&) const = default;
};

inline SessionSnapshot TakeSnapshot(const CGameSession& s) {
  SessionSnapshot snap;
  CGame copy = s.Game();
  {
    CArchive ar(snap.game);
    copy.Serialize(ar);
    ar.Flush();
  }
  snap.turnStart = s.Game().turnStart;
  const CBoard& b = s.Board();
  snap.pieces.assign(b.Pieces().begin(), b.Pieces().end());
  snap.robberTile = b.robberTile;
  snap.robberPlacer = b.robberPlacer;
  snap.longestRoadLength = b.longestRoadLength;
  snap.longestRoadPath = b.longestRoadPath;
  snap.entryCursor = b.EntryCursor();
  snap.awaitingFirstChip = b.AwaitingFirstChip();
  snap.fields = s.Fields();
  snap.history = s.History();
  snap.undoDepth = s.UndoDepth();
  return snap;
}

// The land types of the standard board in position order, then the harbours:
// what a test board is entered with.
inline const std::vector<int32_t>& StandardTiles() {
  static const std::vector<int32_t> tiles = {0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 4, 5,
                                             7, 7, 7, 7, 8, 9, 10, 11, 12};
  return tiles;
}
inline const std::vector<int32_t>& LargeTiles() {
  static const std::vector<int32_t> tiles = {0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3,
                                             3, 3, 4, 4, 4, 4, 4, 4, 5, 5, 7, 7, 7, 7, 7, 8, 9, 10, 11, 12, 12};
  return tiles;
}

// Where a test's finished games go: counted, and appended to a game
// database when `dataDir` is set; `failure` makes storing throw.
class CTestStore : public IFinishedGameStore {
 public:
  std::string dataDir;
  std::string failure;
  int stored = 0;

  void StoreFinishedGame(CGame& game, CHistoryLog& history, CBoard& board) override {
    if (!failure.empty()) throw std::runtime_error(failure);
    ++stored;
    if (dataDir.empty()) return;
    CGameDatabase database(dataDir);
    database.AppendRecord(game, history, board, database.RecordPath(), database.KeyPath());
  }
};

// The services of a test session: the program's clock (which the harness
// freezes), fixed random draws and a test store.
class CTestServices {
 public:
  CTestServices() : fixed_({0}), random_(fixed_, [] { return std::int64_t{1700000000}; }) {}
  SessionServices Services() { return SessionServices{clock_, random_, store}; }

  CTestStore store;

 private:
  CProgramClock clock_;
  CFixedRandom fixed_;
  CBoardRandom random_;
};

// A session with a fixed clock and fixed random draws.
class CSessionHarness {
 public:
  CSessionHarness() { CClock::SetFixed(1700000000.0); }
  ~CSessionHarness() { CClock::UseSystem(); }

  // Board entered by hand, chips from the first candidate forward, players
  // seated in boxes 0.. and kept in that order.
  void StartGame(int32_t players, bool track) {
    session.NewGame(players >= 5 ? 5 : 3, track, false);
    for (int32_t t : players >= 5 ? LargeTiles() : StandardTiles()) session.ChooseTile(t);
    int first = session.Board().FirstChipCandidates()[0];
    session.Pick(first);
    session.Pick(session.Board().SecondChipCandidates()[1]);
    SeatPlayers(players);
  }

  void SeatPlayers(int32_t players) {
    std::vector<SeatChoice> seats;
    const char* first[] = {"Ann", "Bob", "Cid", "Dee", "Eve", "Fay"};
    for (int32_t i = 0; i < players; ++i) seats.push_back({i, CPlayer(first[i], "Lee", 100 + i)});
    session.SelectPlayers(seats);
    std::vector<int32_t> order;
    for (int32_t i = 0; i < players; ++i) order.push_back(i);
    session.SortPlayers(order);
  }

  // Clicks the first offered site of the current initial-placement step.
  void PlaceFirstOffered() {
    auto ids = session.PickableIds();
    if (session.Fields().placingSettlement) session.Pick(ids.front());
    else session.PickRoadSide(IdPosition(ids.front()), IdIndex(ids.front()));
  }

  CTestServices services;
  CGame game;
  CTestUi ui;
  CGameSession session{game, ui, services.Services()};
};

// Names the first parts of two snapshots that differ (for failure messages).
inline std::string SnapshotDiff(const SessionSnapshot& a, const SessionSnapshot& b) {
  std::string out;
  auto check = [&](bool same, const char* what) {
    if (!same) out += std::string(" ") + what;
  };
  check(a.game == b.game, "game");
  check(a.turnStart == b.turnStart, "turnStart");
  check(a.pieces == b.pieces, "pieces");
  check(a.robberTile == b.robberTile && a.robberPlacer == b.robberPlacer, "robber");
  check(a.longestRoadLength == b.longestRoadLength && a.longestRoadPath == b.longestRoadPath, "longestRoad");
  check(a.entryCursor == b.entryCursor && a.awaitingFirstChip == b.awaitingFirstChip, "setup");
  check(a.history == b.history, "history");
  check(a.undoDepth == b.undoDepth, "undoDepth");
  const CSessionFields& f = a.fields;
  const CSessionFields& g = b.fields;
  check(f.gameState == g.gameState, "gameState");
  check(f.currentPlayer == g.currentPlayer, "currentPlayer");
  check(f.pickEnabled == g.pickEnabled, "pickEnabled");
  check(f.lastPick == g.lastPick, "lastPick");
  check(f.firstRound == g.firstRound && f.placingSettlement == g.placingSettlement, "initial");
  check(f.initialSettlementCorner == g.initialSettlementCorner && f.initialRoadCandidates == g.initialRoadCandidates,
        "initialCorner");
  check(f.roadOptions == g.roadOptions && f.settlementOptions == g.settlementOptions && f.cityOptions == g.cityOptions,
        "options");
  check(f.producingTiles == g.producingTiles, "producingTiles");
  check(f.rollsStarted == g.rollsStarted && f.soldierRobber == g.soldierRobber && f.freeRoads == g.freeRoads,
        "flags");
  check(f.bank == g.bank, "bank");
  check(f.turn == g.turn, "turn");
  check(f.palette == g.palette, "palette");
  check(f.prompt == g.prompt, "prompt");
  check(f.playersSelected == g.playersSelected && f.playerSelectionShown == g.playerSelectionShown &&
            f.playerOrderShown == g.playerOrderShown,
        "dialogs");
  check(f == g, "fields");
  return out;
}
