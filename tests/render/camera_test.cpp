#include <gtest/gtest.h>

#include "render/camera.h"

namespace {

// A camera reset over the standard board, as a new game window starts.
class CameraTest : public ::testing::Test {
 protected:
  void SetUp() override { camera.ResetCamera(false); }
  CCamera camera;
};

}  // namespace

TEST_F(CameraTest, StartsAboveTheBoardOfItsKind) {
  camera.tilt = -30.0;
  camera.spin = 12.0;
  camera.ResetCamera(false);
  EXPECT_FLOAT_EQ(camera.eyeY, 80.0f);
  EXPECT_FLOAT_EQ(camera.eyeZ, 1.0f);
  EXPECT_EQ(camera.tilt, 0.0);
  EXPECT_EQ(camera.spin, 0.0);
  camera.ResetCamera(true);
  EXPECT_FLOAT_EQ(camera.eyeY, 100.0f);
}

TEST_F(CameraTest, DragTurnsAndTiltsWithinLimits) {
  EXPECT_FALSE(camera.MouseMove(100, 100, false, false));  // only remembered
  EXPECT_TRUE(camera.MouseMove(90, 90, true, false));      // up 10, left 10
  EXPECT_NEAR(camera.tilt, -4.772727648417155, 1e-12);
  EXPECT_NEAR(camera.spin, -4.772727648417155, 1e-12);
  camera.MouseMove(90, -5000, true, false);
  EXPECT_EQ(camera.tilt, -89.0);
  camera.MouseMove(90, 5000, true, false);
  EXPECT_EQ(camera.tilt, 0.0);
  EXPECT_EQ(camera.lastMouseX, 90);
  EXPECT_EQ(camera.lastMouseY, 5000);
}

TEST_F(CameraTest, MovesWithoutTheButtonOnlyUpdateTheLastPosition) {
  camera.MouseMove(10, 10, false, false);
  camera.MouseMove(400, 300, false, true);
  EXPECT_EQ(camera.tilt, 0.0);
  EXPECT_FLOAT_EQ(camera.eyeY, 80.0f);
  // The next drag measures from the last position seen, not the first.
  camera.MouseMove(400, 310, true, false);
  EXPECT_NEAR(camera.tilt, 0.0, 1e-12);  // dragging down stops at 0
  camera.MouseMove(400, 300, true, false);
  EXPECT_NEAR(camera.tilt, -4.772727648417155, 1e-12);
}

TEST_F(CameraTest, CtrlDragMovesTheEyeButNotBelowItsFloor) {
  camera.MouseMove(0, 0, false, false);
  camera.MouseMove(0, 100, true, true);
  EXPECT_FLOAT_EQ(camera.eyeY, 90.0f);
  EXPECT_FLOAT_EQ(camera.eyeZ, 1.125f);
  EXPECT_EQ(camera.tilt, 0.0);
  camera.MouseMove(0, -10000, true, true);
  EXPECT_FLOAT_EQ(camera.eyeY, CCamera::kMinEyeHeight);
}
