#include "play_state_json.h"

#include "engine/session/session.h"
#include "records/text_encoding.h"

using nlohmann::json;

namespace {

json PlayerJson(const CGameSession& session, int index) {
  const CPlayerGame& p = session.Game().players.at(index);
  return json{
      {"name", Cp1252ToUtf8(p.player.DisplayName())},
      {"playerId", p.player.playerId},
      {"color", p.color},
      {"settlementsAt", p.settlementsAt},
      {"citiesAt", p.citiesAt},
      {"victoryPoints", p.victoryPoints},
      {"hand", p.hand},
      {"gainedFromBoard", p.gainedFromBoard},
      {"stolenFrom", p.stolenFrom},
      {"gainedFromCards", p.gainedFromCards},
      {"lostToRobber", p.lostToRobber},
      {"stolenBy", p.stolenBy},
      {"lostOnSeven", p.lostOnSeven},
      {"roadsLeft", p.roadsLeft},
      {"citiesLeft", p.citiesLeft},
      {"settlementsLeft", p.settlementsLeft},
      {"cardsBoughtThisTurn", p.cardsBoughtThisTurn},
      {"cardsHeld", p.cardsHeld},
      {"cardsPlayed", p.cardsPlayed},
      {"cardPlayedThisTurn", p.cardPlayedThisTurn},
      {"hasLargestArmy", p.hasLargestArmy},
      {"hasLongestRoad", p.hasLongestRoad},
      {"bankTrades", p.bankTrades},
      {"tradesWith", p.tradesWith},
      {"givenToBank", p.givenToBank},
      {"receivedFromBank", p.receivedFromBank},
      {"givenTo", p.givenTo},
      {"receivedFrom", p.receivedFrom},
      {"turnSeconds", p.turnSeconds},
  };
}

json BoardJson(const CBoard& board) {
  json pieces = json::array();
  for (const CBoardPiece& piece : board.Pieces()) {
    pieces.push_back(json{
        {"position", piece.position},
        {"type", Index(piece.type)},
        {"chip", piece.chip},
        {"chipOrder", piece.chipOrder},
        {"desertMark", piece.desertMark},
        {"rotation", piece.rotation},
        {"roadOwner", piece.roadOwner},
        {"building", piece.building},
        {"edgeMark", piece.edgeMark},
    });
  }
  return pieces;
}

json HistoryJson(const CHistoryLog& log) {
  json groups = json::array();
  for (const CHistoryItem& item : log.Items()) {
    json line{{"text", Cp1252ToUtf8(item.text)}, {"picture", item.picture}};
    if (item.isTopLevel || groups.empty()) {
      line["entries"] = json::array();
      groups.push_back(std::move(line));
    } else {
      groups.back()["entries"].push_back(std::move(line));
    }
  }
  return groups;
}

json TurnPanelJson(const CTurnPanelState& turn, size_t players) {
  json lines = json::array();
  for (size_t p = 0; p < players && p < turn.productionLines.size(); ++p)
    lines.push_back(turn.productionLineShown[p] ? json(Cp1252ToUtf8(turn.productionLines[p])) : json(nullptr));
  return json{
      {"rolled", turn.rolled},
      {"lastRoll", turn.lastRoll},
      {"goodsShown", turn.goodsShown},
      {"dicePadShown", turn.dicePadShown},
      {"actionButtonsShown", turn.actionButtonsShown},
      {"productionLines", lines},
      {"tradeEnabled", turn.tradeEnabled},
      {"buyCardEnabled", turn.buyCardEnabled},
      {"playCardEnabled", turn.playCardEnabled},
      {"endTurnEnabled", turn.endTurnEnabled},
  };
}

json PaletteJson(const CPaletteState& palette) {
  return json{{"remaining", palette.remaining}, {"enabled", palette.enabled}, {"frameStage", palette.frameStage},
              {"landLeft", palette.landLeft},   {"frameLeft", palette.frameLeft}};
}

const char* SidePanelName(SidePanelKind kind) {
  switch (kind) {
    case SidePanelKind::BoardSetupPalette: return "palette";
    case SidePanelKind::ChipPanel: return "chips";
    case SidePanelKind::TurnPanel: return "turn";
  }
  return "";
}

// What the panels and dialogs beside the board show.
void AddPanels(json& state, const CGameSession& session) {
  const CSessionFields& f = session.Fields();
  state["sidePanel"] = SidePanelName(f.sidePanel);
  state["turnPanel"] = TurnPanelJson(f.turn, session.Game().players.size());
  state["palette"] = PaletteJson(f.palette);
  state["chipPanelText"] = session.ChipPanelText();
  state["firstChipAwaited"] = f.firstChipAwaited;
  state["playersSelected"] = f.playersSelected;
  state["playerSelectionShown"] = f.playerSelectionShown;
  state["playerOrderShown"] = f.playerOrderShown;
  state["buildButtonsAllowed"] = f.buildButtonsAllowed;
  state["buildButtons"] = {{"settlement", f.buildButtons[0]}, {"city", f.buildButtons[1]}, {"road", f.buildButtons[2]}};
  state["undoButtonEnabled"] = f.undoButtonEnabled;
  state["canUndo"] = session.CanUndo();
  state["pickableIds"] = session.PickableIds();
}

void AddGameRecord(json& state, const CGame& game) {
  state["trackTrades"] = game.trackTrades;
  state["boardGenerated"] = game.boardGenerated;
  state["gameOn"] = game.gameOn;
  state["gameId"] = game.gameId;
  state["startTime"] = game.startTime.days;
  state["endTime"] = game.endTime.days;
  state["turnStart"] = game.turnStart.days;
  state["rolls"] = game.rolls;
  state["rollCounts"] = game.rollCounts;
}

}  // namespace

json SessionStateJson(const CGameSession& session) {
  const CSessionFields& f = session.Fields();
  const CBoard& board = session.Board();
  json state{
      {"gameState", f.gameState},
      {"currentPlayer", f.currentPlayer},
      {"playerCount", f.playerCount},
      {"rolled", f.turn.rolled},
      {"rollsStarted", f.rollsStarted},
      {"freeRoads", f.freeRoads},
      {"soldierRobber", f.soldierRobber},
      {"pickEnabled", f.pickEnabled},
      {"lastPick", f.lastPick},
      {"firstRound", f.firstRound},
      {"placingSettlement", f.placingSettlement},
      {"initialSettlementCorner", f.initialSettlementCorner},
      {"initialRoadCandidates", f.initialRoadCandidates},
      {"prompt", Cp1252ToUtf8(f.prompt)},
      {"bank", f.bank},
      {"robberTile", board.robberTile},
      {"robberPlacer", board.robberPlacer},
      {"longestRoadLength", board.longestRoadLength},
      {"longestRoadPath", board.longestRoadPath},
      {"roadOptions", f.roadOptions},
      {"settlementOptions", f.settlementOptions},
      {"cityOptions", f.cityOptions},
      {"producingTiles", f.producingTiles},
      {"undoDepth", session.UndoDepth()},
      {"entryCursor", board.EntryCursor()},
      {"firstChip", board.FirstChipPosition()},
      {"secondChip", board.SecondChipPosition()},
  };
  AddGameRecord(state, session.Game());
  json players = json::array();
  for (int i = 0; i < static_cast<int>(session.Game().players.size()); ++i)
    players.push_back(PlayerJson(session, i));
  state["players"] = std::move(players);
  state["board"] = BoardJson(board);
  state["history"] = HistoryJson(session.History().Log());
  state["turnCount"] = session.History().TurnCount();
  AddPanels(state, session);
  return state;
}
