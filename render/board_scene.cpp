#include "board_scene.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "render/board_painter.h"
#include "render/pick_hits.h"
#include "render/state_drawers.h"

namespace {

constexpr GLsizei kSelectBufferSize = 512;

// Light 1 sits above the board; its position is fixed relative to the eye.
void SetLight() {
  const GLfloat ambient[] = {0.8f, 0.8f, 0.8f, 1.0f};
  const GLfloat diffuse[] = {1.0f, 1.0f, 1.0f, 1.0f};
  const GLfloat position[] = {0.0f, 50.0f, 0.0f, 1.0f};
  glLightfv(GL_LIGHT1, GL_AMBIENT, ambient);
  glLightfv(GL_LIGHT1, GL_DIFFUSE, diffuse);
  glLightfv(GL_LIGHT1, GL_POSITION, position);
  glEnable(GL_LIGHT1);
  glEnable(GL_LIGHTING);
}

}  // namespace

void CBoardScene::SetFixedState() {
  glShadeModel(GL_SMOOTH);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClearDepth(1.0);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  SetLight();
  chipDisk_.Create();
}

void CBoardScene::Create(BoardKind kind, int width, int height) {
  kind_ = kind;
  Resize(width, height);
  SetFixedState();
  ResetCamera();
  camera_.ApplyProjection(width_, height_);
  textures_.LoadChipTextures(kind);
  textures_.LoadTileTextures();
  glEnable(GL_TEXTURE_2D);
  materials_.Set();
  lists_.Build();
  created_ = true;
}

void CBoardScene::Destroy() {
  if (!created_) return;
  textures_.DeleteAll();
  lists_.Delete();
  chipDisk_.Destroy();
  created_ = false;
}

void CBoardScene::Resize(int width, int height) {
  width_ = width;
  height_ = height == 0 ? 1 : height;
  camera_.ApplyProjection(width_, height_);
}

void CBoardScene::ResetCamera() { camera_.ResetCamera(kind_ == BoardKind::Large); }

bool CBoardScene::MouseMove(int x, int y, bool leftButtonDown, bool ctrlDown) {
  return camera_.MouseMove(x, y, leftButtonDown, ctrlDown);
}

void CBoardScene::DrawFrame(const CSceneInput& input, bool selecting) {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  glPushMatrix();
  camera_.LookAt();
  if (IsDrawnState(input.gameState)) {
    CBoardPainter painter(input, {materials_, lists_, chipDisk_, textures_}, selecting);
    glPushMatrix();
    camera_.TurnBoard();
    DrawGameState(painter, input);
    glPopMatrix();
  }
  glPopMatrix();
}

void CBoardScene::DrawScene(const CSceneInput& input) {
  // The far plane follows the eye, which the camera may have moved since the
  // last resize; otherwise a raised eye would lose the board behind it.
  camera_.ApplyProjection(width_, height_);
  DrawFrame(input, false);
}

std::optional<PickCode> CBoardScene::Pick(const CSceneInput& input, int x, int y) {
  if (!input.pickEnabled) return std::nullopt;
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  GLuint buffer[kSelectBufferSize];
  glSelectBuffer(kSelectBufferSize, buffer);
  glRenderMode(GL_SELECT);
  glInitNames();
  glPushName(0);

  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  gluPickMatrix(x, viewport[3] - y, 1.0, 1.0, viewport);
  const double height = viewport[3] == 0 ? 1.0 : double(viewport[3]);
  gluPerspective(45.0, double(viewport[2]) / height, 0.1f, 2.0 * camera_.eyeY);
  glMatrixMode(GL_MODELVIEW);

  DrawFrame(input, true);

  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  const GLint hits = glRenderMode(GL_RENDER);
  return NearestHitName(std::span<const GLuint>(buffer, kSelectBufferSize), hits);
}

std::optional<WindowPoint> CBoardScene::ProjectToWindow(double x, double y, double z) const {
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  GLdouble model[16], projection[16];
  glPushMatrix();
  glLoadIdentity();
  camera_.LookAt();
  camera_.TurnBoard();
  glGetDoublev(GL_MODELVIEW_MATRIX, model);
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  gluPerspective(45.0, double(width_) / double(height_), 0.1f, 2.0 * camera_.eyeY);
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  GLdouble wx, wy, wz;
  if (gluProject(x, y, z, model, projection, viewport, &wx, &wy, &wz) != GL_TRUE) return {};
  if (wz < 0.0 || wz > 1.0) return std::nullopt;
  return WindowPoint{wx, double(viewport[3]) - wy};
}
