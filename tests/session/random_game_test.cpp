// Random legal games: after every input the session is consistent, an input
// that is refused changes nothing, Undo restores exactly the state before the
// input, and doing the input again reaches the same state.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <numeric>

#include <gtest/gtest.h>

#include "engine/board/placement_rules.h"
#include "session_test_support.h"

namespace {

using Input = std::function<bool(CAnsweredSession&)>;

class CRandomPlayer {
 public:
  explicit CRandomPlayer(std::mt19937& rng) : rng_(rng) {}

  template <typename T>
  T Choose(const std::vector<T>& v) { return v[rng_() % v.size()]; }
  bool Chance(int percent) { return static_cast<int>(rng_() % 100) < percent; }

  Input Next(const CGameSession& s) {
    const CSessionFields& f = s.Fields();
    switch (f.gameState) {
      case BoardSetup: {
        std::vector<int32_t> tiles;
        for (int t = 0; t < 13; ++t)
          if (f.palette.enabled[t]) tiles.push_back(t);
        int32_t t = tiles.empty() ? 0 : Choose(tiles);
        return [t](CAnsweredSession& g) { return g.ChooseTile(t); };
      }
      case ChipPlacement: return PickOne(s);
      case PlayerInformation: return Players(s);
      case InitialPlacement: return PickOne(s);
      case Turn: return TurnInput(s);
      case GoodsReceived: return [](CAnsweredSession& g) { return g.OnContinue(); };
      case PlaceRoad:
      case PlaceCity:
      case PlaceSettlement:
      case PlaceRobber:
        if (Chance(5)) return [](CAnsweredSession& g) { return g.UndoLast(); };
        return PickOne(s);
      default: return nullptr;
    }
  }

 private:
  Input PickOne(const CGameSession& s) {
    std::vector<int32_t> ids = s.PickableIds();
    if (ids.empty() || Chance(3)) {
      int32_t junk = static_cast<int32_t>(rng_() % 600);
      return [junk](CAnsweredSession& g) { return g.Pick(junk); };
    }
    int32_t id = Choose(ids);
    bool road = s.GameStateNow() == PlaceRoad ||
                (s.GameStateNow() == InitialPlacement && !s.Fields().placingSettlement);
    if (road) return [id](CAnsweredSession& g) { return g.PickRoadSide(IdPosition(id), IdIndex(id)); };
    return [id](CAnsweredSession& g) { return g.Pick(id); };
  }

  Input Players(const CGameSession& s) {
    int32_t n = static_cast<int32_t>(s.Game().players.size());
    if (!s.Fields().playersSelected) {
      bool large = s.Board().Kind() == BoardKind::Large;
      int32_t count = large ? 5 + static_cast<int32_t>(rng_() % 2) : 3 + static_cast<int32_t>(rng_() % 2);
      std::vector<int32_t> boxes = {0, 1, 2, 3, 4, 5};
      std::shuffle(boxes.begin(), boxes.end(), rng_);
      std::vector<SeatChoice> seats;
      for (int32_t i = 0; i < count; ++i)
        seats.push_back({boxes[i], CPlayer("P" + std::to_string(i), "X", 10 + i)});
      return [seats](CAnsweredSession& g) { return g.SelectPlayers(seats); };
    }
    if (Chance(10)) return [](CAnsweredSession& g) { return g.CancelPlayerOrder(); };
    std::vector<int32_t> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), rng_);
    return [order](CAnsweredSession& g) { return g.SortPlayers(order); };
  }

  Input TurnInput(const CGameSession& s) {
    const CSessionFields& f = s.Fields();
    const CTurnPanelState& t = f.turn;
    int32_t cp = f.currentPlayer;
    std::vector<Input> options;
    if (!t.rolled) {
      int32_t total = 2 + static_cast<int32_t>(rng_() % 6) + static_cast<int32_t>(rng_() % 6);
      options.push_back([total](CAnsweredSession& g) { return g.OnRoll(total); });
      options.push_back([total](CAnsweredSession& g) { return g.OnRoll(total); });
    } else {
      options.push_back([](CAnsweredSession& g) { return g.OnEndTurn(); });
      for (int k = 0; k < 3; ++k) {
        if (!f.buildButtons[k]) continue;
        PurchaseKind kind = k == 0 ? PurchaseSettlement : k == 1 ? PurchaseCity : PurchaseRoad;
        for (int i = 0; i < 4; ++i) options.push_back([kind](CAnsweredSession& g) { return g.OnBuild(kind); });
      }
      if (t.buyCardEnabled) options.push_back([](CAnsweredSession& g) { return g.OnBuyCard(); });
      if (t.tradeEnabled) {
        options.push_back(PlayerTrade(s));
        int32_t give = static_cast<int32_t>(rng_() % 5), want = static_cast<int32_t>(rng_() % 5);
        options.push_back([give, want](CAnsweredSession& g) { return g.TradeWithBank(give, want); });
      }
    }
    for (int32_t p = 0; p < f.playerCount; ++p) {
      PlayCardOffer offer = s.PlayCardOfferFor(p);
      if (!offer.listed[p]) continue;
      if (offer.kinds[VictoryPointCard]) options.push_back([p](CAnsweredSession& g) { return g.PlayVictoryPoint(p); });
      if (p != cp) continue;
      if (offer.kinds[SoldierCard]) options.push_back([](CAnsweredSession& g) { return g.PlaySoldier(); });
      int32_t r = static_cast<int32_t>(rng_() % 5);
      if (offer.kinds[MonopolyCard]) options.push_back([r](CAnsweredSession& g) { return g.PlayMonopoly(r); });
      if (offer.kinds[RoadBuildingCard]) options.push_back([](CAnsweredSession& g) { return g.PlayRoadBuilding(); });
      if (offer.kinds[YearOfPlentyCard]) {
        ResourceCounts c{};
        auto bank = s.Bank();
        for (int n = 0; n < 2; ++n) {
          int32_t k = static_cast<int32_t>(rng_() % 5);
          if (bank[k] > c[k]) ++c[k];
        }
        options.push_back([c](CAnsweredSession& g) { return g.PlayYearOfPlenty(c); });
      }
    }
    if (Chance(4)) options.push_back([](CAnsweredSession& g) { return g.UndoLast(); });
    return Choose(options);
  }

  Input PlayerTrade(const CGameSession& s) {
    int32_t cp = s.CurrentPlayer();
    int32_t partner = static_cast<int32_t>(rng_() % s.Fields().playerCount);
    ResourceCounts give{}, get{};
    const ResourceCounts& mine = s.Game().players[cp].hand;
    const ResourceCounts& theirs = s.Game().players[partner].hand;
    int32_t a = static_cast<int32_t>(rng_() % 5), b = static_cast<int32_t>(rng_() % 5);
    if (mine[a] > 0) give[a] = 1;
    if (theirs[b] > 0 && b != a) get[b] = 1;
    if (CardTotal(give) == 0) give[0] = 1;
    if (CardTotal(get) == 0) get[1] = 1;
    return [partner, give, get](CAnsweredSession& g) { return g.TradeWithPlayer(partner, give, get); };
  }

  std::mt19937& rng_;
};

// A new random game: its session, its dialog answers and its player, all
// drawn from one seed.
struct CRandomRun {
  CRandomRun(unsigned seed, int32_t players, bool track, bool generate)
      : rng(seed), answers(seed * 7 + 1), player(rng) {
    h.ui.random = &answers;
    h.session.NewGame(players, track, generate);
  }
  std::mt19937 rng, answers;
  CSessionHarness h;
  CRandomPlayer player;
};

// The sites the session offers (kept between inputs while the board does not
// change) are the ones the board offers now.
void ExpectOffersOfTheBoardNow(const CGameSession& s, int step) {
  const CSessionFields& f = s.Fields();
  if (f.gameState == InitialPlacement && f.placingSettlement) {
    ASSERT_EQ(s.PickableIds(), OfferedInitialSettlements(s.Board())) << "step " << step;
  }
  if (f.roadOptions.empty() && f.settlementOptions.empty() && f.cityOptions.empty()) return;
  ASSERT_EQ(f.roadOptions, OfferedRoads(s.Board(), f.currentPlayer)) << "step " << step;
  ASSERT_EQ(f.settlementOptions, OfferedSettlements(s.Board(), f.currentPlayer)) << "step " << step;
  ASSERT_EQ(f.cityOptions, OfferedCities(s.Board(), f.currentPlayer)) << "step " << step;
}

void PlayRandomGame(unsigned seed, int32_t players, bool track, bool generate, int maxSteps = 3000) {
  SCOPED_TRACE("seed " + std::to_string(seed));
  CRandomRun run(seed, players, track, generate);
  CSessionHarness& h = run.h;
  std::mt19937& answers = run.answers;
  CRandomPlayer& player = run.player;
  CAnsweredSession& s = h.session;
  SessionSnapshot start = SessionSnapshot::Of(s);
  std::string why;
  for (int step = 0; step < maxSteps && s.GameStateNow() != GameOver; ++step) {
    Input input = player.Next(s);
    ASSERT_TRUE(input);
    SessionSnapshot before = SessionSnapshot::Of(s);
    std::mt19937 answersBefore = answers;
    bool accepted = input(s);
    ASSERT_TRUE(s.IsConsistent(&why)) << "step " << step << ": " << why;
    ExpectOffersOfTheBoardNow(s, step);
    if (!accepted) {
      ASSERT_TRUE(SessionSnapshot::Of(s) == before) << "step " << step << ": a refused input changed:" << SessionSnapshot::Of(s).Differences(before);
      continue;
    }
    if (s.GameStateNow() == GameOver || SessionSnapshot::Of(s).undoDepth < before.undoDepth) continue;
    SessionSnapshot after = SessionSnapshot::Of(s);
    if (after.undoDepth == before.undoDepth) continue;  // the winner dialog's Undo took it back
    h.ui.cancelSteals = true;
    ASSERT_TRUE(s.UndoLast());
    h.ui.cancelSteals = false;
    ASSERT_TRUE(SessionSnapshot::Of(s) == before) << "step " << step << ": undo did not restore:" << SessionSnapshot::Of(s).Differences(before);
    ExpectOffersOfTheBoardNow(s, step);
    answers = answersBefore;
    ASSERT_TRUE(input(s));
    ASSERT_TRUE(SessionSnapshot::Of(s) == after) << "step " << step << ": not deterministic:" << SessionSnapshot::Of(s).Differences(after);
  }
  if (getenv("H3D_VERBOSE")) {
    std::printf("seed %u: state %d depth %zu rolls %zu turns %d vp", seed, s.GameStateNow(), s.UndoDepth(),
                s.Game().rolls.size(), s.History().TurnCount());
    for (const CPlayerGame& p : s.Game().players) std::printf(" %d", p.victoryPoints);
    std::printf("\n");
  }
  if (s.GameStateNow() == GameOver) return;
  h.ui.cancelSteals = true;
  while (s.UndoDepth() > 0) ASSERT_TRUE(s.UndoLast());
  ASSERT_TRUE(SessionSnapshot::Of(s) == start) << "undoing everything did not return to the empty board";
}

// "Undo to here" against real undoing: plays a random game, then undoes it
// to the empty board one input at a time (Undo, or Cancel of a renewed
// steal). Every line's plan must be offered exactly where that walk stops
// with nothing pending, list the inputs the walk took to get there, and the
// state there must be the one the game had at that depth.
void CheckUndoToHere(unsigned seed, int32_t players, bool track, int steps) {
  SCOPED_TRACE("seed " + std::to_string(seed));
  CRandomRun run(seed, players, track, false);
  CAnsweredSession& s = run.h.session;
  CRandomPlayer& player = run.player;
  std::map<std::size_t, SessionSnapshot> seen;  // the state last seen at each depth
  seen.emplace(0, SessionSnapshot::Of(s));
  for (int step = 0; step < steps && s.GameStateNow() != GameOver; ++step) {
    Input input = player.Next(s);
    ASSERT_TRUE(input);
    input(s);
    seen.erase(seen.upper_bound(s.UndoDepth()), seen.end());
    seen.insert_or_assign(s.UndoDepth(), SessionSnapshot::Of(s));
  }
  const std::size_t lines = s.History().Log().ItemCount();
  if (s.GameStateNow() == GameOver) {
    // A finished game is not taken back line by line.
    for (std::size_t line = 0; line < lines; ++line) EXPECT_FALSE(s.PlanUndoTo(line).Offered());
    return;
  }
  const std::size_t depthNow = s.UndoDepth();
  std::vector<UndoToHerePlan> plans;
  std::vector<std::size_t> targets;  // the undo depth right after each line
  std::size_t entries = 0;
  for (std::size_t line = 0; line < lines; ++line) {
    plans.push_back(s.PlanUndoTo(line));
    const bool group = s.History().Log().Items()[line].isTopLevel;
    if (!group) ++entries;
    targets.push_back(entries);
  }
  for (std::size_t line = 0; line < lines; ++line) {
    if (s.History().Log().Items()[line].isTopLevel) targets[line] = line + 1 < lines ? targets[line + 1] - 1 : entries;
  }
  EXPECT_FALSE(s.PlanUndoTo(lines).Offered());

  std::map<std::size_t, std::vector<UndoInput>> landings;
  std::vector<UndoInput> walked;
  while (s.UndoDepth() > 0) {
    if (s.Pending().kind == DecisionKind::Steal) {
      ASSERT_TRUE(s.CancelDecision());
      walked.push_back(UndoInput::CancelSteal);
    } else {
      ASSERT_TRUE(s.CGameSession::UndoLast());
      walked.push_back(UndoInput::Undo);
    }
    if (s.Pending().kind != DecisionKind::None) continue;
    landings.emplace(s.UndoDepth(), walked);
    ASSERT_EQ(seen.count(s.UndoDepth()), 1u) << "depth " << s.UndoDepth();
    ASSERT_TRUE(SessionSnapshot::Of(s) == seen.at(s.UndoDepth()))
        << "depth " << s.UndoDepth() << SessionSnapshot::Of(s).Differences(seen.at(s.UndoDepth()));
  }
  int offered = 0, inside = 0;
  for (std::size_t line = 0; line < lines; ++line) {
    SCOPED_TRACE("line " + std::to_string(line));
    const auto landing = landings.find(targets[line]);
    if (landing == landings.end()) {
      EXPECT_FALSE(plans[line].Offered());
      inside += targets[line] < depthNow ? 1 : 0;
      continue;
    }
    ++offered;
    EXPECT_TRUE(plans[line].Offered());
    EXPECT_EQ(plans[line].inputs, landing->second);
    EXPECT_EQ(plans[line].actions, static_cast<int32_t>(depthNow - targets[line]));
  }
  // The game must have had steps of several actions to be a test of them.
  EXPECT_GT(offered, 20);
  EXPECT_GT(inside, 0);
}

TEST(RandomGames, UndoToHereLandsWhereUndoLands) {
  for (unsigned seed = 400; seed <= 407; ++seed) {
    CheckUndoToHere(seed, seed % 2 == 0 ? 3 : 5, seed % 3 != 0, 300);
    if (::testing::Test::HasFatalFailure()) return;
  }
}

TEST(RandomGames, StandardBoardWithTrackedTrades) {
  for (unsigned seed = 1; seed <= 12; ++seed) PlayRandomGame(seed, 3, true, false);
}

TEST(RandomGames, StandardBoardWithoutTrackedTrades) {
  for (unsigned seed = 100; seed <= 108; ++seed) PlayRandomGame(seed, 3, false, false);
}

TEST(RandomGames, UnfinishedGamesUndoToTheEmptyBoard) {
  for (unsigned seed = 300; seed <= 311; ++seed)
    PlayRandomGame(seed, seed % 3 == 0 ? 5 : 3, seed % 2 == 0, seed % 4 == 1, 60 + static_cast<int>(seed % 7) * 40);
}

TEST(RandomGames, LargeBoardGenerated) {
  for (unsigned seed = 200; seed <= 208; ++seed) PlayRandomGame(seed, 5, seed % 2 == 0, true);
}

}  // namespace

namespace {

// A longer soak on demand: H3D_SESSION_GAMES=N plays N more games of every kind.
TEST(RandomGames, MoreGamesOnDemand) {
  const char* env = std::getenv("H3D_SESSION_GAMES");
  int games = env != nullptr ? std::atoi(env) : 0;
  for (int i = 0; i < games; ++i) {
    unsigned seed = 10000 + static_cast<unsigned>(i);
    PlayRandomGame(seed, i % 2 == 0 ? 3 : 5, i % 3 != 0, i % 4 == 0, i % 5 == 0 ? 150 : 3000);
    if (::testing::Test::HasFatalFailure()) return;
  }
}

}  // namespace
