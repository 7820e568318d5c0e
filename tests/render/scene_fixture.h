#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/board/board.h"
#include "offscreen_context.h"
#include "render/board_scene.h"

// A generated board with a few pieces on it, a scene created in an
// off-screen context, and the scene input filled from the board.
class SceneTest : public ::testing::Test {
 protected:
  static constexpr int kWidth = 800;
  static constexpr int kHeight = 600;

  explicit SceneTest(BoardKind kind = BoardKind::Standard);
  ~SceneTest() override;

  // Scene input for a state, filled from the board.
  CSceneInput InputFor(int gameState);
  // Where a board point shows in the window, as a pixel to click.
  std::pair<int, int> ClickPoint(double x, double y, double z) const;
  std::pair<int, int> TileCentre(int t) const;
  std::pair<int, int> CornerPoint(CornerId corner, double height) const;
  std::optional<PickCode> PickAt(const CSceneInput& input, std::pair<int, int> point);

  COffscreenContext context_{kWidth, kHeight};
  CBoard board_;
  CBoardScene scene_;
  std::vector<std::string> messages_;
  std::vector<int> tileList_;
  std::vector<EdgeId> edgeList_;
  std::vector<CornerId> cornerList_;
};

class LargeSceneTest : public SceneTest {
 protected:
  LargeSceneTest() : SceneTest(BoardKind::Large) {}
};
