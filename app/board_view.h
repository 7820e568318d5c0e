#pragma once

#include <functional>
#include <optional>

#include <wx/glcanvas.h>

#include "engine/board/board_kind.h"
#include "render/board_scene.h"

struct GLSettings;

// What the board window needs from the game view: the state to draw, and
// where to send the location the user clicked.
class IBoardViewClient {
 public:
  virtual ~IBoardViewClient() = default;
  virtual CSceneInput SceneInput() const = 0;
  // A left click that hit a pickable object: its PickCode minus one.
  virtual void OnBoardPick(int location) = 0;
};

// The OpenGL window of a game. It owns the scene (textures, display lists,
// materials, camera), keeps the projection in step with its size, draws the
// state its client describes, and turns clicks into picks and left-button
// drags into camera moves. All game windows share one GL context.
class CBoardView : public wxGLCanvas {
 public:
  CBoardView(wxWindow* parent, BoardKind kind, IBoardViewClient& client);
  ~CBoardView() override;

  // Sets up GL for this window; call once the window is shown.
  bool InitGL();
  // Frees the textures and display lists of this window in the shared
  // context; call while the window is still shown (the game window closes).
  void ReleaseGL();
  bool IsGLReady() const { return scene_.IsCreated(); }

  // --- OpenGL Settings (kept in the profile settings) ---------------------------
  int TextureSize();
  bool Mipmapping();
  void SetTextureSize(int size);
  void SetMipmapping(bool on);

  // --- camera and geometry ------------------------------------------------------
  const CCamera& Camera() const { return scene_.Camera(); }
  // Where a board point (y up) appears in client pixels with the current
  // camera; nothing when it lies behind the eye or GL is not ready.
  std::optional<wxPoint> ProjectToClient(double x, double y, double z);

  // The shared context lives until the program ends.
  static void ReleaseSharedContext();

 private:
  void OnPaint(wxPaintEvent& event);
  void OnSize(wxSizeEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent& event);
  bool MakeCurrent();
  // Stores the settings `change` makes and applies them to the textures.
  void ChangeGLSettings(const std::function<void(GLSettings&)>& change);

  BoardKind kind_;
  IBoardViewClient& client_;
  CBoardScene scene_;
  bool released_ = false;  // GL freed: the window is closing
};
