#pragma once

// The OpenGL Settings of the user: the tile texture size (0 Large, 1 Medium,
// 2 Small, 3 Tiny) and whether tile textures are mipmapped. They are kept in
// the program's profile settings under "Hexstead3D" between runs.
struct GLSettings {
  int textureSize = 1;
  bool mipmapping = true;
};

GLSettings LoadGLSettings();
void SaveGLSettings(const GLSettings& settings);
