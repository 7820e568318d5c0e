#pragma once

#include <optional>

#include "render/board_textures.h"
#include "render/camera.h"
#include "render/display_lists.h"
#include "render/scene_input.h"
#include "render/scene_materials.h"

// A point of the window in client pixels, y growing downwards.
struct WindowPoint {
  double x = 0.0;
  double y = 0.0;
};

// The OpenGL side of the board view: fixed GL state and the light, the seven
// materials, the twelve display lists, the chip disk, the board textures and
// the camera. It draws a frame from a CSceneInput and turns a click into a
// PickCode. Every operation needs the view's GL context to be current; the
// window owns the context and swaps the buffers.
//
// How a window drives it (with its context made current first):
//   creation      Textures().SetMessageSink(...) to show messages, then Create
//   size change   Resize(width, height)
//   paint         CDrawingPass pass; if (pass.Started()) { DrawScene(input); swap }
//   left down     if (auto code = Pick(input, x, y)) hand *code to the session;
//                 capture the mouse
//   mouse move    if (MouseMove(x, y, leftDown, ctrlDown)) redraw
//   left up       release the capture (the wheel does nothing)
//   destruction   Destroy
class CBoardScene {
 public:
  CBoardScene() = default;
  CBoardScene(const CBoardScene&) = delete;
  CBoardScene& operator=(const CBoardScene&) = delete;

  // Set-up and tear-down (the window's creation and destruction). Create
  // resets the camera for the board kind, loads the chip and tile textures
  // from the data directory and builds the display lists.
  void Create(BoardKind kind, int width, int height);
  void Destroy();
  bool IsCreated() const { return created_; }

  // The window's client size changed.
  void Resize(int width, int height);

  // Draws one frame into the current buffer.
  void DrawScene(const CSceneInput& input);

  // The object under client pixel (x, y): its PickCode (an id + 1, or 0 for
  // an object that names nothing), or no value when nothing was hit or
  // picking is disabled.
  std::optional<PickCode> Pick(const CSceneInput& input, int x, int y);

  // Where a board point appears in the window with the current camera; no
  // value when it lies behind the eye.
  std::optional<WindowPoint> ProjectToWindow(double x, double y, double z) const;

  // Camera: reset to the start position of the board kind; forwarded mouse
  // moves (returns whether to redraw).
  void ResetCamera();
  bool MouseMove(int x, int y, bool leftButtonDown, bool ctrlDown);
  CCamera& Camera() { return camera_; }
  const CCamera& Camera() const { return camera_; }

  CBoardTextures& Textures() { return textures_; }
  const CSceneMaterials& Materials() const { return materials_; }
  const CDisplayLists& DisplayLists() const { return lists_; }

  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  void SetFixedState();
  void DrawFrame(const CSceneInput& input, bool selecting);

  bool created_ = false;
  BoardKind kind_ = BoardKind::Standard;
  int width_ = 1, height_ = 1;
  CCamera camera_;
  CSceneMaterials materials_;
  CDisplayLists lists_;
  CChipDisk chipDisk_;
  CBoardTextures textures_;
};
