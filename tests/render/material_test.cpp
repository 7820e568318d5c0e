#include <gtest/gtest.h>

#include "render/material.h"
#include "render/scene_materials.h"

TEST(MaterialTest, ColourValueHoldsRedInTheLowByte) {
  const CMaterial red(0x000000FF);
  EXPECT_FLOAT_EQ(red.ambient[0], 1.0f);
  EXPECT_FLOAT_EQ(red.ambient[1], 0.0f);
  EXPECT_FLOAT_EQ(red.ambient[2], 0.0f);
  EXPECT_FLOAT_EQ(red.diffuse[0], 1.0f);
  EXPECT_FLOAT_EQ(red.ambient[3], 1.0f);
  EXPECT_FLOAT_EQ(red.emission[0], 0.0f);
  const CMaterial blue(MakeColorRef(0, 0, 255));
  EXPECT_FLOAT_EQ(blue.ambient[2], 1.0f);
  EXPECT_FLOAT_EQ(blue.ambient[0], 0.0f);
}

TEST(MaterialTest, DefaultIsHalfGreyWithoutEmissionOrSpecular) {
  const CMaterial m;
  for (int i = 0; i < 3; ++i) {
    EXPECT_FLOAT_EQ(m.ambient[i], 0.5f);
    EXPECT_FLOAT_EQ(m.diffuse[i], 0.5f);
  }
  for (int i = 0; i < 4; ++i) {
    EXPECT_FLOAT_EQ(m.emission[i], 0.0f);
    EXPECT_FLOAT_EQ(m.specular[i], 0.0f);
  }
  EXPECT_FLOAT_EQ(m.shininess, 0.0f);
}

TEST(MaterialTest, PartialSettersTouchOnlyTheirComponents) {
  CMaterial m;
  m.SetAmbient(MakeColorRef(255, 0, 0));
  EXPECT_FLOAT_EQ(m.ambient[0], 1.0f);
  EXPECT_FLOAT_EQ(m.diffuse[0], 0.5f);
  m.SetEmission(MakeColorRef(0, 255, 0));
  EXPECT_FLOAT_EQ(m.emission[1], 1.0f);
  EXPECT_FLOAT_EQ(m.emission[3], 0.0f);  // alpha unchanged
  m.SetAmbientAndDiffuse(MakeColorRef(0, 0, 51));
  EXPECT_FLOAT_EQ(m.ambient[2], 0.2f);
  EXPECT_FLOAT_EQ(m.diffuse[2], 0.2f);
  EXPECT_FLOAT_EQ(m.ambient[3], 1.0f);
}

TEST(MaterialTest, ScalingAmbientStaysWithinZeroAndOne) {
  CMaterial m(MakeColorRef(255, 128, 0));
  m.ScaleAmbient(0.5f);
  m.ScaleAmbient(0.85f);
  EXPECT_FLOAT_EQ(m.ambient[0], 0.425f);
  EXPECT_FLOAT_EQ(m.ambient[2], 0.0f);
  m.ScaleAmbient(10.0f);
  EXPECT_FLOAT_EQ(m.ambient[0], 1.0f);
  m.ScaleAmbient(-2.0f);
  for (int i = 0; i < 3; ++i) EXPECT_FLOAT_EQ(m.ambient[i], 0.0f);
  EXPECT_FLOAT_EQ(m.ambient[3], 1.0f);
}

TEST(MaterialTest, SceneMaterialsGlowWithTheirEmissionOnly) {
  CSceneMaterials m;
  m.Set();
  EXPECT_FLOAT_EQ(m.white.ambient[0], 1.0f);
  EXPECT_FLOAT_EQ(m.white.emission[0], 0.0f);
  EXPECT_FLOAT_EQ(m.dim.ambient[0], 0.0f);
  EXPECT_FLOAT_EQ(m.dim.emission[0], 128.0f / 255.0f);
  EXPECT_FLOAT_EQ(m.yellowGlow.emission[1], 227.0f / 255.0f);
  EXPECT_FLOAT_EQ(m.yellowGlow.diffuse[1], 0.0f);
  EXPECT_FLOAT_EQ(m.redGlow.emission[0], 1.0f);
  EXPECT_FLOAT_EQ(m.greenGlow.emission[1], 1.0f);
  EXPECT_FLOAT_EQ(m.slate.emission[2], 115.0f / 255.0f);
  EXPECT_FLOAT_EQ(m.black.ambient[0], 0.0f);
  EXPECT_FLOAT_EQ(m.black.emission[0], 0.0f);
}
