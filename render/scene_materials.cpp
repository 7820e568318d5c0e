#include "scene_materials.h"

namespace {

constexpr ColorRef kBlack = MakeColorRef(0, 0, 0);
constexpr ColorRef kWhite = MakeColorRef(255, 255, 255);

// A material that shows only its own light: black surface, coloured emission.
void MakeGlow(CMaterial& material, ColorRef emission) {
  material.SetAmbientAndDiffuse(kBlack);
  material.SetEmission(emission);
}

}  // namespace

void CSceneMaterials::Set() {
  MakeGlow(dim, MakeColorRef(128, 128, 128));
  white.SetAmbientAndDiffuse(kWhite);
  MakeGlow(greenGlow, MakeColorRef(0, 255, 0));
  MakeGlow(yellowGlow, kYellowGlowColor);
  MakeGlow(redGlow, MakeColorRef(255, 0, 0));
  MakeGlow(slate, MakeColorRef(91, 92, 115));
  black.SetAmbientAndDiffuse(kBlack);
}
