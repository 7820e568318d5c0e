#include "board_view.h"

#include <functional>
#include <memory>

#include <wx/dcclient.h>
#include <wx/msgdlg.h>

#include "gl_settings.h"
#include "render/drawing_pass.h"

namespace {

// One context for every game window: textures and lists made in one are
// usable in all, and a window only has to make it current before drawing.
std::unique_ptr<wxGLContext>& SharedContext() {
  static std::unique_ptr<wxGLContext> context;
  return context;
}

const int kCanvasAttributes[] = {WX_GL_RGBA, WX_GL_DOUBLEBUFFER, WX_GL_DEPTH_SIZE, 24, 0};

// Reloads the textures where the stored settings differ from what they use.
void ApplyGLSettings(CBoardTextures& textures, const GLSettings& settings) {
  if (settings.textureSize != textures.TextureSize()) textures.SetTextureSize(settings.textureSize);
  if (settings.mipmapping != textures.Mipmapping()) textures.SetMipmapping(settings.mipmapping);
}

}  // namespace

void CBoardView::ReleaseSharedContext() { SharedContext().reset(); }

CBoardView::CBoardView(wxWindow* parent, BoardKind kind, IBoardViewClient& client)
    : wxGLCanvas(parent, wxID_ANY, kCanvasAttributes, wxDefaultPosition, parent->GetClientSize(),
                 wxFULL_REPAINT_ON_RESIZE | wxCLIP_CHILDREN | wxWANTS_CHARS),
      kind_(kind),
      client_(client) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);  // GL paints every pixel
  Bind(wxEVT_PAINT, &CBoardView::OnPaint, this);
  Bind(wxEVT_SIZE, &CBoardView::OnSize, this);
  Bind(wxEVT_LEFT_DOWN, &CBoardView::OnLeftDown, this);
  Bind(wxEVT_MOTION, &CBoardView::OnMotion, this);
  Bind(wxEVT_LEFT_UP, &CBoardView::OnLeftUp, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, &CBoardView::OnCaptureLost, this);
}

CBoardView::~CBoardView() { ReleaseGL(); }

void CBoardView::ReleaseGL() {
  released_ = true;
  if (scene_.IsCreated() && MakeCurrent()) scene_.Destroy();
}

bool CBoardView::MakeCurrent() {
  if (!IsShownOnScreen()) return false;
  if (!SharedContext()) SharedContext() = std::make_unique<wxGLContext>(this);
  return SetCurrent(*SharedContext());
}

bool CBoardView::InitGL() {
  if (scene_.IsCreated()) return true;
  if (released_) return false;
  if (!MakeCurrent()) return false;
  CBoardTextures& textures = scene_.Textures();
  textures.SetDataDirectory("data");
  textures.SetMessageSink([this](const std::string& text) {
    wxMessageBox(wxString::FromUTF8(text), "Hexstead3D", wxOK, wxGetTopLevelParent(this));
  });
  const wxSize size = GetClientSize();
  scene_.Create(kind_, size.x, size.y);
  ApplyGLSettings(textures, LoadGLSettings());
  Refresh(false);
  return true;
}

int CBoardView::TextureSize() {
  return scene_.IsCreated() ? scene_.Textures().TextureSize() : LoadGLSettings().textureSize;
}

bool CBoardView::Mipmapping() {
  return scene_.IsCreated() ? scene_.Textures().Mipmapping() : LoadGLSettings().mipmapping;
}

void CBoardView::SetTextureSize(int size) {
  ChangeGLSettings([size](GLSettings& settings) { settings.textureSize = size; });
}

void CBoardView::SetMipmapping(bool on) {
  ChangeGLSettings([on](GLSettings& settings) { settings.mipmapping = on; });
}

void CBoardView::ChangeGLSettings(const std::function<void(GLSettings&)>& change) {
  GLSettings settings = LoadGLSettings();
  change(settings);
  SaveGLSettings(settings);
  if (scene_.IsCreated() && MakeCurrent()) ApplyGLSettings(scene_.Textures(), settings);
  Refresh(false);
}

std::optional<wxPoint> CBoardView::ProjectToClient(double x, double y, double z) {
  if (!scene_.IsCreated() || !MakeCurrent()) return std::nullopt;
  const std::optional<WindowPoint> point = scene_.ProjectToWindow(x, y, z);
  if (!point) return std::nullopt;
  return wxPoint(static_cast<int>(point->x + 0.5), static_cast<int>(point->y + 0.5));
}

void CBoardView::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  // Normally set up right after the window is shown; a toolkit that realises
  // the window later gets its GL set up on the first paint instead.
  if (!scene_.IsCreated() && !InitGL()) return;
  if (!MakeCurrent()) return;
  CDrawingPass pass;
  if (!pass.Started()) return;
  // A window whose game has just been closed has nothing left to draw.
  const CSceneInput input = client_.SceneInput();
  if (input.tiles.empty()) return;
  scene_.DrawScene(input);
  SwapBuffers();
}

void CBoardView::OnSize(wxSizeEvent& event) {
  event.Skip();
  if (!scene_.IsCreated() || !MakeCurrent()) return;
  const wxSize size = GetClientSize();
  scene_.Resize(size.x, size.y);
  Refresh(false);
}

void CBoardView::OnLeftDown(wxMouseEvent& event) {
  event.Skip();
  // A click on the board brings the keys of the table to the game window.
  SetFocus();
  if (!scene_.IsCreated() || !MakeCurrent()) return;
  // Remember where a drag starts, so the first move turns by its own distance.
  scene_.MouseMove(event.GetX(), event.GetY(), false, false);
  const CSceneInput input = client_.SceneInput();
  if (input.tiles.empty()) return;
  const std::optional<PickCode> code = scene_.Pick(input, event.GetX(), event.GetY());
  if (code) client_.OnBoardPick(static_cast<int>(*code) - 1);
}

void CBoardView::OnMotion(wxMouseEvent& event) {
  event.Skip();
  const bool dragging = event.LeftIsDown();
  if (dragging && !HasCapture()) CaptureMouse();
  if (scene_.MouseMove(event.GetX(), event.GetY(), dragging, event.ControlDown())) Refresh(false);
}

void CBoardView::OnLeftUp(wxMouseEvent& event) {
  event.Skip();
  if (HasCapture()) ReleaseMouse();
}

void CBoardView::OnCaptureLost(wxMouseCaptureLostEvent&) {}
