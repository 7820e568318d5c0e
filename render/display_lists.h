#pragma once

#include <GL/gl.h>

#include <array>

// The twelve display lists of the board and piece meshes, in board units
// (a tile hexagon has circumradius 5, y is up).
enum MeshList : int {
  HexList = 0,      // the textured tile face
  FirstWedgeList,   // 1..6: the tile face as six pickable wedges
  OutlineList = 7,  // the six sides of the hexagon as lines
  SettlementList,
  CityList,
  RoadList,
  SkirtList,        // a strip hanging below the outer edge of the sea frame
  MeshListCount
};

class CDisplayLists {
 public:
  // Generates and compiles all twelve lists; needs a current GL context.
  void Build();
  void Delete();
  bool IsBuilt() const { return names_[0] != 0; }

  void Call(int list) const { glCallList(names_[list]); }
  void CallWedge(int wedge) const { glCallList(names_[FirstWedgeList + wedge]); }
  GLuint Name(int list) const { return names_[list]; }

 private:
  std::array<GLuint, MeshListCount> names_{};
};

// The number-chip disk: a textured GLU disk of radius 13/9 lying in the
// x-y plane (callers turn it flat).
class CChipDisk {
 public:
  void Create();
  void Destroy();
  void Draw() const;

 private:
  struct GLUquadric* quadric_ = nullptr;
};
