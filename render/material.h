#pragma once

#include <cstdint>

// A Windows-style colour value: red in the low byte, then green, then blue.
using ColorRef = uint32_t;

// One fixed-function lighting material. Drawing switches between a handful of
// these; every special material is followed by a return to the white one.
class CMaterial {
 public:
  CMaterial();
  explicit CMaterial(ColorRef color);
  virtual ~CMaterial() = default;

  void SetAmbientAndDiffuse(ColorRef color);
  void SetAmbient(ColorRef color);
  void SetEmission(ColorRef color);
  // Multiplies the ambient RGB by factor, keeping each component within 0..1.
  void ScaleAmbient(float factor);

  // Makes this the current material of front and back faces.
  void Apply() const;

  float ambient[4];
  float diffuse[4];
  float emission[4];
  float specular[4];
  float shininess = 0.0f;
};

// Builds a colour value from 0-255 components.
constexpr ColorRef MakeColorRef(uint8_t red, uint8_t green, uint8_t blue) {
  return ColorRef(red) | (ColorRef(green) << 8) | (ColorRef(blue) << 16);
}
