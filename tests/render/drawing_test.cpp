#include <gtest/gtest.h>

#include <GL/gl.h>

#include "engine/board/placement_rules.h"
#include "engine/session/game_state.h"
#include "scene_fixture.h"

namespace {

int Brightness(const uint8_t* rgba) { return rgba[0] + rgba[1] + rgba[2]; }

}  // namespace

class DrawingTest : public SceneTest {
 protected:
  DrawingTest() {
    tileList_ = {0, 1, 6, board_.robberTile};
    edgeList_ = {MakeEdgeId(0, 1), MakeEdgeId(1, 2)};
    cornerList_ = OfferedInitialSettlements(board_);
  }
  // Draws the state and reports the first GL error (GL_NO_ERROR if none).
  GLenum DrawAndCheck(const CSceneInput& in) {
    while (glGetError() != GL_NO_ERROR) {
    }
    scene_.DrawScene(in);
    glFinish();
    return glGetError();
  }
  int CentreBrightnessOf(int t) {
    const auto [x, y] = TileCentre(t);
    return Brightness(context_.Pixel(x, y));
  }
};

TEST_F(DrawingTest, EveryGameStateDrawsAndPicksWithoutGlErrors) {
  for (int state = 0; state <= GameOver; ++state) {
    for (bool firstStep : {true, false}) {
      CSceneInput in = InputFor(state);
      in.placingSettlement = firstStep;
      in.placingFirstChip = firstStep;
      in.firstChipTile = 12;
      in.initialSettlementCorner = MakeCornerId(7, 0);
      EXPECT_EQ(DrawAndCheck(in), GLenum(GL_NO_ERROR)) << "state " << state;
      scene_.Pick(in, kWidth / 2, kHeight / 2);
      EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << "pick in state " << state;
      // Every pass leaves the fixed state as it found it.
      GLint mode[2];
      glGetIntegerv(GL_POLYGON_MODE, mode);
      EXPECT_EQ(mode[0], GL_FILL);
      EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
      GLint renderMode = 0;
      glGetIntegerv(GL_RENDER_MODE, &renderMode);
      EXPECT_EQ(renderMode, GL_RENDER);
    }
  }
}

TEST_F(DrawingTest, UnknownStatesDrawNothing) {
  for (int state : {-1, 12, 99}) {
    EXPECT_EQ(DrawAndCheck(InputFor(state)), GLenum(GL_NO_ERROR));
    EXPECT_EQ(CentreBrightnessOf(0), 0) << "state " << state;
  }
}

TEST_F(DrawingTest, BoardSetupShowsOnlyTheTilesEnteredSoFar) {
  CSceneInput in = InputFor(BoardSetup);
  in.tilesSetUp = 3;
  DrawAndCheck(in);
  EXPECT_GT(CentreBrightnessOf(2), 0);
  EXPECT_EQ(CentreBrightnessOf(5), 0);
}

TEST_F(DrawingTest, SelectionStatesDimTheTilesThatAreNotOffered) {
  DrawAndCheck(InputFor(ChipPlacement));
  const int candidate = CentreBrightnessOf(board_.FirstChipCandidates()[0]);
  const int other = CentreBrightnessOf(0);
  EXPECT_GT(candidate, other + 60);

  DrawAndCheck(InputFor(PlaceRobber));
  EXPECT_GT(CentreBrightnessOf(2), CentreBrightnessOf(board_.robberTile) + 60);
}

// Raising the eye beyond twice its height must not push the board past the
// far plane.
TEST_F(DrawingTest, BoardStaysVisibleWhenTheEyeIsRaisedFar) {
  scene_.Camera().eyeY = 300.0f;
  DrawAndCheck(InputFor(Turn));
  EXPECT_GT(CentreBrightnessOf(0), 0);
}

TEST_F(DrawingTest, TheScenesOwnObjectsAreBuilt) {
  EXPECT_TRUE(scene_.DisplayLists().IsBuilt());
  for (int list = 0; list < MeshListCount; ++list) {
    EXPECT_TRUE(glIsList(scene_.DisplayLists().Name(list))) << list;
  }
  scene_.Destroy();
  EXPECT_FALSE(scene_.DisplayLists().IsBuilt());
  EXPECT_FALSE(scene_.IsCreated());
}
