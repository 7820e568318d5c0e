#include <algorithm>
#include <numeric>

#include "engine/session/session.h"
#include "random_game.h"

namespace {

constexpr const char* kFirstNames[] = {"Ann", "Bob", "Cleo", "Dirk", "Eve", "Finn", "Gus", "Hedda"};
constexpr const char* kLastNames[] = {"Lee", "Ray", "Stone", "Moor", "Vale", "Holt", "Berg", "Gabler"};
// Dice totals 2..12 by how often two dice make them.
constexpr int kRollWeights[11] = {1, 2, 3, 4, 5, 6, 5, 4, 3, 2, 1};

}  // namespace

std::string RandomInputs::Pick(const std::vector<int32_t>& ids, const char* verb) {
  return std::string(verb) + " " + std::to_string(ids[Below(static_cast<int>(ids.size()))]);
}

std::string RandomInputs::RoadPick(const std::vector<int32_t>& edges) {
  int32_t edge = edges[Below(static_cast<int>(edges.size()))];
  return "road " + std::to_string(edge / 10) + " " + std::to_string(edge % 10);
}

std::vector<std::string> RandomInputs::Next(const CGameSession& session) {
  const CSessionFields& f = session.Fields();
  if (f.gameState == GameOver) return {};
  if (undoChance_ > 0 && session.CanUndo() &&
      std::uniform_real_distribution<double>(0, 1)(rng_) < undoChance_)
    return {"undo"};
  if (f.gameState <= InitialPlacement) return SetUp(session);
  return TurnInputs(session);
}

std::vector<std::string> RandomInputs::SetUp(const CGameSession& session) {
  const CSessionFields& f = session.Fields();
  const CBoard& board = session.Board();
  switch (f.gameState) {
    case BoardSetup: {
      std::vector<int32_t> types;
      for (int32_t t = 0; t < 13; ++t)
        if (f.palette.enabled[t]) types.push_back(t);
      return {Pick(types, "tile")};
    }
    case ChipPlacement: {
      if (board.AwaitingFirstChip()) {
        const auto& c = board.FirstChipCandidates();
        return {Pick(std::vector<int32_t>(c.begin(), c.end()), "pick")};
      }
      auto c = board.SecondChipCandidates();
      return {Pick(std::vector<int32_t>(c.begin(), c.end()), "pick")};
    }
    case PlayerInformation: return Players(session);
    case InitialPlacement: {
      if (f.placingSettlement) return {Pick(session.PickableIds(), "pick")};
      std::vector<int32_t> edges;
      for (int32_t e : f.initialRoadCandidates)
        if (e >= 0) edges.push_back(e);
      return {RoadPick(edges)};
    }
    default: return {};
  }
}

std::vector<std::string> RandomInputs::Players(const CGameSession& session) {
  const CSessionFields& f = session.Fields();
  size_t seated = session.Game().players.size();
  if (f.playerOrderShown) {
    if (Below(10) == 0) return {"cancel order"};
    std::vector<int> order(seated);
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), rng_);
    std::string line = "order";
    for (int i : order) line += " " + std::to_string(i);
    return {line};
  }
  int count = FewestPlayers(session.Board().Kind()) + Below(2);
  std::vector<int> boxes = {1, 2, 3, 4, 5, 6};
  std::shuffle(boxes.begin(), boxes.end(), rng_);
  std::vector<int> people = {0, 1, 2, 3, 4, 5, 6, 7};
  std::shuffle(people.begin(), people.end(), rng_);
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i)
    lines.push_back("seat " + std::to_string(boxes[i]) + " \"" + kFirstNames[people[i]] + "\" \"" +
                    kLastNames[people[i]] + "\"");
  lines.push_back("select");
  return lines;
}

std::vector<std::string> RandomInputs::TurnInputs(const CGameSession& session) {
  const CSessionFields& f = session.Fields();
  const CTurnPanelState& turn = f.turn;
  switch (f.gameState) {
    case PlaceRoad: return {RoadPick(f.roadOptions)};
    case PlaceSettlement: return {Pick(f.settlementOptions, "pick")};
    case PlaceCity: return {Pick(f.cityOptions, "pick")};
    case PlaceRobber: return {Pick(session.PickableIds(), "pick")};
    default: break;
  }
  if (turn.goodsShown) return {"continue"};
  std::vector<std::string> options;
  if (!turn.rolled) {
    std::discrete_distribution<int> dice(std::begin(kRollWeights), std::end(kRollWeights));
    for (int i = 0; i < 8; ++i) options.push_back("roll " + std::to_string(2 + dice(rng_)));
  } else {
    constexpr const char* kBuilds[3] = {"build settlement", "build city", "build road"};
    for (int k = 0; k < 3; ++k)
      if (f.buildButtons[k]) options.insert(options.end(), 6, kBuilds[k]);
    if (turn.endTurnEnabled) options.insert(options.end(), 2, "endturn");
    if (turn.buyCardEnabled) options.insert(options.end(), 2, "buy");
    AddTrades(session, options);
  }
  if (turn.playCardEnabled) AddCardPlays(session, options);
  if (options.empty()) return {};
  return {options[Below(static_cast<int>(options.size()))]};
}

void RandomInputs::AddCardPlays(const CGameSession& session, std::vector<std::string>& options) {
  int current = session.CurrentPlayer();
  bool tracked = session.Game().trackTrades != 0;
  for (int p = 0; p < static_cast<int>(session.Game().players.size()); ++p) {
    PlayCardOffer offer = session.PlayCardOfferFor(p);
    if (!offer.listed[p]) continue;
    // Revealed now and then, so that untracked games (where cards cost
    // nothing) do not all end within a few turns.
    if (offer.kinds[VictoryPointCard] && Below(4) == 0) options.push_back("play vp " + std::to_string(p));
    if (p != current) continue;
    if (offer.kinds[MonopolyCard]) options.push_back(std::string("play monopoly ") + LowerTileName(Below(kResourceCount)));
    if (offer.kinds[RoadBuildingCard]) options.push_back("play roadbuilding");
    if (offer.kinds[SoldierCard]) options.insert(options.end(), 2, "play soldier");
    if (offer.kinds[YearOfPlentyCard]) {
      if (!tracked) {
        options.push_back("play yop");
        continue;
      }
      ResourceCounts bank = session.Bank();
      std::string line = "play yop";
      for (int card = 0; card < 2; ++card) {
        std::vector<int32_t> available;
        for (int32_t r = 0; r < kResourceCount; ++r)
          if (bank[r] > 0) available.push_back(r);
        if (available.empty()) break;
        int32_t r = available[Below(static_cast<int>(available.size()))];
        --bank[r];
        line += std::string(" ") + LowerTileName(r);
      }
      if (line.size() > 9 && std::count(line.begin(), line.end(), ' ') == 3) options.push_back(line);
    }
  }
}

void RandomInputs::AddTrades(const CGameSession& session, std::vector<std::string>& options) {
  if (!session.TurnPanel().tradeEnabled) return;
  int current = session.CurrentPlayer();
  const auto& players = session.Game().players;
  if (CardTotal(players[current].hand) > 0) {
    for (int p = 0; p < static_cast<int>(players.size()); ++p) {
      if (p == current || CardTotal(players[p].hand) == 0) continue;
      std::string line = PlayerTrade(session, p);
      if (!line.empty()) options.push_back(line);
    }
  }
  std::array<bool, kResourceCount> draggable = session.BankDraggable();
  for (int r = 0; r < kResourceCount; ++r) {
    if (!draggable[r]) continue;
    int wanted = (r + 1 + Below(4)) % 5;
    options.push_back(std::string("banktrade ") + LowerTileName(r) + " " + LowerTileName(wanted));
  }
}

// One or two cards each way, of kinds the other side does not offer.
std::string RandomInputs::PlayerTrade(const CGameSession& session, int partner) {
  const auto& players = session.Game().players;
  ResourceCounts mine = players[session.CurrentPlayer()].hand;
  ResourceCounts theirs = players[partner].hand;
  ResourceCounts give{}, get{};
  auto takeRandom = [&](ResourceCounts& from, ResourceCounts& offer, const ResourceCounts& other) {
    std::vector<int> kinds;
    for (int r = 0; r < kResourceCount; ++r)
      if (from[r] > 0 && other[r] == 0) kinds.push_back(r);
    if (kinds.empty()) return false;
    int r = kinds[Below(static_cast<int>(kinds.size()))];
    --from[r];
    ++offer[r];
    return true;
  };
  if (!takeRandom(mine, give, get)) return {};
  if (Below(2) == 0) takeRandom(mine, give, get);
  if (!takeRandom(theirs, get, give)) return {};
  if (Below(2) == 0) takeRandom(theirs, get, give);
  std::string line = "trade " + std::to_string(partner) + " give";
  for (int c : give) line += " " + std::to_string(c);
  line += " get";
  for (int c : get) line += " " + std::to_string(c);
  return line;
}
