#include "camera.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

namespace {

constexpr double kDegreesPerPixel = 0.4772727648417155;
constexpr float kEyeHeightPerPixel = 0.1f;
constexpr float kEyeDepthPerPixel = 0.00125f;

}  // namespace

void CCamera::ResetCamera(bool largeBoard) {
  eyeX = 0.0f;
  eyeY = largeBoard ? 100.0f : 80.0f;
  eyeZ = 1.0f;
  tilt = 0.0;
  spin = 0.0;
}

bool CCamera::MouseMove(int x, int y, bool leftButtonDown, bool ctrlDown) {
  const int dx = lastMouseX - x;
  const int dy = y - lastMouseY;
  lastMouseX = x;
  lastMouseY = y;
  if (!leftButtonDown) return false;
  if (ctrlDown) {
    eyeY = std::max(kMinEyeHeight, eyeY + float(dy) * kEyeHeightPerPixel);
    eyeZ += float(dy) * kEyeDepthPerPixel;
  } else {
    tilt = std::clamp(tilt + dy * kDegreesPerPixel, -89.0, 0.0);
    spin -= dx * kDegreesPerPixel;
  }
  return true;
}

void CCamera::ApplyProjection(int width, int height) const {
  if (height == 0) height = 1;
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(45.0, double(width) / double(height), 0.1f, 2.0 * eyeY);
  glMatrixMode(GL_MODELVIEW);
}

void CCamera::LookAt() const { gluLookAt(eyeX, eyeY, eyeZ, 0, 0, 0, 0, 1, 0); }

void CCamera::TurnBoard() const {
  glRotated(tilt, 1, 0, 0);
  glRotated(spin, 0, 1, 0);
}
