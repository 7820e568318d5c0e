#pragma once

#include "render/material.h"

// The seven materials that board drawing switches between.
struct CSceneMaterials {
  CMaterial dim;         // tiles and chips not highlighted in a selection mode
  CMaterial white;       // normal textured drawing; restored after every special one
  CMaterial greenGlow;   // candidate tiles of the first and second chip
  CMaterial yellowGlow;  // longest road, producing tiles after a roll
  CMaterial redGlow;     // the robber's tile
  CMaterial slate;       // skirt along the outer edge of the sea frame
  CMaterial black;       // outline of the skirt

  // Gives each material its colours.
  void Set();
};

// The glow colour of highlighted pieces and producing tiles.
inline constexpr ColorRef kYellowGlowColor = MakeColorRef(255, 227, 100);
