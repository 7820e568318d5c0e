#include "material.h"

#include <GL/gl.h>

#include <algorithm>

namespace {

void SetRgb(float* target, ColorRef color) {
  target[0] = float(color & 0xFF) / 255.0f;
  target[1] = float((color >> 8) & 0xFF) / 255.0f;
  target[2] = float((color >> 16) & 0xFF) / 255.0f;
}

void Fill(float* target, float r, float g, float b, float a) {
  target[0] = r;
  target[1] = g;
  target[2] = b;
  target[3] = a;
}

}  // namespace

CMaterial::CMaterial() {
  Fill(ambient, 0.5f, 0.5f, 0.5f, 1.0f);
  Fill(diffuse, 0.5f, 0.5f, 0.5f, 1.0f);
  Fill(emission, 0.0f, 0.0f, 0.0f, 0.0f);
  Fill(specular, 0.0f, 0.0f, 0.0f, 0.0f);
}

CMaterial::CMaterial(ColorRef color) : CMaterial() {
  ambient[3] = diffuse[3] = 1.0f;
  SetAmbientAndDiffuse(color);
}

void CMaterial::SetAmbientAndDiffuse(ColorRef color) {
  SetRgb(ambient, color);
  SetRgb(diffuse, color);
}

void CMaterial::SetAmbient(ColorRef color) { SetRgb(ambient, color); }

void CMaterial::SetEmission(ColorRef color) { SetRgb(emission, color); }

void CMaterial::ScaleAmbient(float factor) {
  for (int i = 0; i < 3; ++i) ambient[i] = std::clamp(ambient[i] * factor, 0.0f, 1.0f);
}

void CMaterial::Apply() const {
  glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient);
  glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
  glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, emission);
  glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular);
  glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, shininess);
}
