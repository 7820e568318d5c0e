#pragma once

// The board camera: an eye looking at the origin, and the board turned by a
// tilt about x and a spin about y. The mouse moves it; the window forwards
// its mouse events here.
class CCamera {
 public:
  // Start position: straight above the board, high enough to see all of it.
  void ResetCamera(bool largeBoard);

  // A mouse move to (x, y) in client pixels. With the left button down it
  // turns the board, or with Ctrl raises and lowers the eye; returns whether
  // the view changed and needs a redraw. Every move is remembered as the
  // last mouse position.
  bool MouseMove(int x, int y, bool leftButtonDown, bool ctrlDown);

  // The projection for a window of the given client size: viewport, a
  // 45-degree perspective reaching twice the eye height, then the model-view
  // matrix is selected. A height of 0 counts as 1.
  void ApplyProjection(int width, int height) const;

  // Looks from the eye at the origin (on the current model-view matrix).
  void LookAt() const;
  // Turns the board by the tilt and then by the spin.
  void TurnBoard() const;

  float eyeX = 0.0f, eyeY = 80.0f, eyeZ = 1.0f;
  double tilt = 0.0;  // degrees about x, -89 (edge-on) .. 0 (from above)
  double spin = 0.0;  // degrees about y
  int lastMouseX = 0, lastMouseY = 0;

  // Lowest eye height a Ctrl-drag may reach: below it the pieces would be
  // passed through and at the board the view flips over.
  static constexpr float kMinEyeHeight = 5.0f;
};
