#include "engine/board/player_colours.h"
#include "engine/session/session.h"

namespace {

// History pictures: settlement 20, city 26, road 32, turn 38, plus the colour.
int32_t ColourPicture(int32_t base, int32_t colour, int32_t fallback) {
  int i = PictureSetIndex(colour);
  return i < 0 ? fallback : base + i;
}

// " 2 ore, 1 sheep" without the last comma.
std::string LowerCardList(const ResourceCounts& counts) {
  std::string text;
  for (int r = 0; r < kResourceCount; ++r)
    if (counts[r] > 0) text += " " + std::to_string(counts[r]) + " " + LowerTileName(r) + ",";
  if (!text.empty()) text.pop_back();
  return text;
}

std::string YearOfPlentyText(const ResourceCounts& c) {
  std::string text = "Played a Year of Plenty Card to get ";
  bool joined = false;
  for (int r = 0; r < kResourceCount; ++r) {
    if (c[r] <= 0) continue;
    text += std::to_string(c[r]) + " " + LowerTileName(r);
    if (c[r] == 1 && !joined) {
      text += " and ";
      joined = true;
    }
  }
  // A single card of one kind would leave a dangling " and ".
  if (text.size() >= 5 && text.compare(text.size() - 5, 5, " and ") == 0) text.resize(text.size() - 5);
  return text + ".";
}

}  // namespace

void CGameSession::AddHistoryEntry(const CUndoNode& node) {
  using G = CGameHistory;
  int32_t cp = f_.currentPlayer;
  std::string cpName = PlayerName(cp);
  int32_t colour = cp >= 0 && cp < f_.playerCount ? P(cp).color : -1;
  auto turn = [&](std::string text, int32_t picture, bool opens) {
    history_.AddTurnEntry(std::move(text), picture, opens, cpName, ColourPicture(38, colour, node.kind));
  };
  switch (node.kind) {
    case PlacedTile: {
      int32_t type = node.As<TilePlacedUndo>().tileType;
      std::string name = LowerTileName(type);
      bool vowel = !name.empty() && std::string("aeiou").find(name[0]) != std::string::npos;
      history_.AddSetupEntry(G::BoardSetupGroup, (vowel ? "Placed an " : "Placed a ") + name + ".", type);
      break;
    }
    case PlacedChip: {
      // Recorded after the pick: the board now waits for the second chip.
      bool first = !board_.AwaitingFirstChip();
      history_.AddSetupEntry(G::ChipPlacementGroup, first ? "Placed the first chip." : "Placed the second chip.",
                             first ? 15 : 16);
      break;
    }
    case SelectedPlayers:
      history_.AddSetupEntry(G::PlayerInformationGroup,
                             "Selected " + std::to_string(game_.players.size()) + " players.", 18);
      break;
    case SortedPlayers:
      history_.AddSetupEntry(G::PlayerInformationGroup,
                             "Sorted " + std::to_string(game_.players.size()) + " players.", 19);
      break;
    case InitialSettlement:
    case InitialRoad: {
      bool settlement = node.kind == InitialSettlement;
      history_.AddSetupEntry(G::InitialPlacementGroup,
                             std::string("Placed a ") + (settlement ? "settlement" : "road") + " for " + cpName,
                             ColourPicture(settlement ? 20 : 32, colour, node.kind));
      history_.MarkNewTurnDue();
      break;
    }
    case RollFirst:
    case Roll: {
      int32_t total = node.As<RollUndo>().total;
      turn((total == 8 || total == 11 ? "Rolled an " : "Rolled a ") + std::to_string(total) + ".", 44, true);
      break;
    }
    case Continue: turn("Started actions.", 45, false); break;
    case EndTurn:
      turn("Ended turn.", 54, false);
      history_.MarkNewTurnDue();
      break;
    case ShowedOptions: turn("Showed placement options.", 46, false); break;
    case PlacedRoad: {
      int32_t o = node.As<RoadUndo>().longestRoadResult;
      turn(o >= -1 ? "Placed a road (Longest Road)." : "Placed a road.", ColourPicture(32, colour, node.kind), false);
      break;
    }
    case PlacedCity: turn("Placed a city.", ColourPicture(26, colour, node.kind), false); break;
    case PlacedSettlement: turn("Placed a settlement.", ColourPicture(20, colour, node.kind), false); break;
    case PlacedRobber: turn("Placed the robber.", 47, false); break;
    case BoughtCard: turn("Bought a development card.", 48, false); break;
    case PlayedVictoryPoint: {
      int32_t p = node.As<VictoryPointUndo>().player;
      turn(p == cp ? "Played a Victory Point." : PlayerName(p) + " played a Victory Point.", 49, true);
      break;
    }
    case PlayedMonopoly:
      turn("Played a Monopoly card on " + LowerTileName(node.As<MonopolyUndo>().resource) + ".", 53, true);
      break;
    case PlayedRoadBuilding: turn("Played a Road Building card.", 51, true); break;
    case PlayedYearOfPlenty:
      turn(Tracks() ? YearOfPlentyText(node.As<YearOfPlentyUndo>().counts) : "Played a Year of Plenty Card.", 52,
           true);
      break;
    case PlayedSoldier:
      turn(node.As<SoldierUndo>().largestArmyResult >= -1 ? "Played a Soldier card (Largest Army)."
                                                          : "Played a Soldier card.",
           50, true);
      break;
    case Traded: {
      const ExchangeUndo& trade = node.As<ExchangeUndo>();
      turn("Traded" + LowerCardList(trade.give) + " to " + (trade.party < 0 ? "the bank" : PlayerName(trade.party)) +
               " for" + LowerCardList(trade.get) + ".",
           56, false);
      break;
    }
    case Stole: {
      int32_t victim = node.As<StealUndo>().victim, r = node.As<StealUndo>().resource;
      turn(r == 5 ? "Chose to not steal a card." : "Stole 1 " + LowerTileName(r) + " from " + PlayerName(victim) + ".", 57,
           false);
      break;
    }
    case Discarded: {
      const ExchangeUndo& lost = node.As<ExchangeUndo>();
      turn(PlayerName(lost.party) + " lost" + LowerCardList(lost.give) + ".", 59, false);
      break;
    }
    case Won: turn(PlayerName(node.As<WinnerUndo>().winner) + " won the game!", 60, true); break;
    case WastedPoints: {
      int32_t p = node.As<WastedPointsUndo>().player, v = node.As<WastedPointsUndo>().points;
      turn(PlayerName(p) + " wasted " + std::to_string(v) + " victory point" + (v == 1 ? "" : "s") + ".", 61, false);
      break;
    }
  }
}
