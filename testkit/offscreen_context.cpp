#include "offscreen_context.h"

#include <GL/gl.h>
#include <IL/il.h>

COffscreenContext::COffscreenContext(int width, int height)
    : width_(width), height_(height), pixels_(size_t(width) * size_t(height) * 4) {
  context_ = OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, 0, nullptr);
  ok_ = context_ && OSMesaMakeCurrent(context_, pixels_.data(), GL_UNSIGNED_BYTE, width, height);
}

COffscreenContext::~COffscreenContext() {
  if (context_) OSMesaDestroyContext(context_);
}

const uint8_t* COffscreenContext::Pixel(int x, int y) const {
  // OSMesa keeps the bottom row first.
  return &pixels_[(size_t(height_ - 1 - y) * size_t(width_) + size_t(x)) * 4];
}

bool COffscreenContext::SavePng(const std::string& path) const {
  glFinish();
  ilInit();
  ILuint image = 0;
  ilGenImages(1, &image);
  ilBindImage(image);
  // DevIL takes the rows bottom first, as GL has them.
  bool ok = ilTexImage(ILuint(width_), ILuint(height_), 1, 4, IL_RGBA, IL_UNSIGNED_BYTE,
                       const_cast<uint8_t*>(pixels_.data())) == IL_TRUE;
  if (ok) {
    ilConvertImage(IL_RGB, IL_UNSIGNED_BYTE);  // the cleared background has alpha 0
    ilEnable(IL_FILE_OVERWRITE);
    ok = ilSave(IL_PNG, path.c_str()) == IL_TRUE;
  }
  ilDeleteImages(1, &image);
  return ok;
}
