#include "render/scene_input.h"

#include "engine/board/board.h"
#include "engine/board/player_colours.h"

std::array<ColorRef, kMaxPlayers> PictureSetColors() {
  std::array<ColorRef, kMaxPlayers> colors{};
  for (size_t i = 0; i < colors.size(); ++i) colors[i] = static_cast<ColorRef>(kPlayerColours[i].colour);
  return colors;
}

void CSceneInput::ShowBoard(const CBoard& board) {
  tiles = board.Pieces();
  landCount = board.LandCount();
  boardKind = board.Kind();
  robberTile = board.robberTile;
  tilesSetUp = board.EntryCursor();
  placingFirstChip = board.AwaitingFirstChip();
  firstChipTile = board.FirstChipPosition();
  firstChipCandidates = board.FirstChipCandidates();
  secondChipCandidates = board.SecondChipCandidates();
  longestRoadLength = board.longestRoadLength;
  longestRoadPath = board.longestRoadPath;
}
