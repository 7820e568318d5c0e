#include "session_snapshot.h"

#include "records/archive.h"

SessionSnapshot SessionSnapshot::Of(const CGameSession& session) {
  SessionSnapshot s;
  CGame game = session.Game();  // Serialize is shared by storing and loading
  CArchive ar(s.record);
  game.Serialize(ar);
  ar.Flush();
  s.turnStart = game.turnStart;
  s.gameOn = game.gameOn;
  s.fields = session.Fields();
  const CBoard& board = session.Board();
  s.pieces.assign(board.Pieces().begin(), board.Pieces().end());
  s.boardValues = {board.robberTile, board.robberPlacer, board.longestRoadLength, board.EntryCursor(),
                   board.FirstChipPosition(), board.SecondChipPosition(), board.AwaitingFirstChip()};
  s.longestRoadPath = board.longestRoadPath;
  s.history = session.History();
  s.undoDepth = session.UndoDepth();
  s.canUndo = session.CanUndo();
  s.chipPanelText = session.ChipPanelText();
  s.pickable = session.PickableIds();
  s.pending = session.Pending();
  return s;
}

std::string SessionSnapshot::Differences(const SessionSnapshot& o) const {
  std::string parts;
  auto note = [&](bool same, const char* name) {
    if (!same) parts += std::string(parts.empty() ? "" : ", ") + name;
  };
  note(record == o.record, "game record");
  note(turnStart == o.turnStart && gameOn == o.gameOn, "turnStart/gameOn");
  note(fields == o.fields, "session fields");
  note(pieces == o.pieces, "board pieces");
  note(boardValues == o.boardValues && longestRoadPath == o.longestRoadPath, "board values");
  note(history == o.history, "history");
  note(undoDepth == o.undoDepth && canUndo == o.canUndo, "undo stack");
  note(chipPanelText == o.chipPanelText && pickable == o.pickable, "panels");
  note(pending == o.pending, "pending decision");
  return parts;
}
