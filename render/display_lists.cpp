#include "display_lists.h"

#include <GL/glu.h>

#include "tile_geometry.h"

namespace {

constexpr float N = 1.0f / 9.0f;  // piece dimensions are multiples of one ninth
constexpr float H = float(kHexHalfHeight);

// The hexagon's vertices with the texture coordinate each carries; the
// seventh repeats the first to close the polygon.
struct HexVertex {
  float x, z, s, t;
};
constexpr HexVertex kHexVertices[7] = {
    {5.0f, 0.0f, 1.0f, 0.5f},  {2.5f, -H, 0.75f, 1.0f}, {-2.5f, -H, 0.25f, 1.0f},
    {-5.0f, 0.0f, 0.0f, 0.5f}, {-2.5f, H, 0.25f, 0.0f}, {2.5f, H, 0.75f, 0.0f},
    {5.0f, 0.0f, 1.0f, 0.5f}};

// Wedge w runs from the centre to these two hexagon vertices.
constexpr int kWedgeVertices[6][2] = {{4, 3}, {3, 2}, {2, 1}, {1, 0}, {0, 5}, {5, 4}};

void HexPoint(const HexVertex& v) {
  glTexCoord2f(v.s, v.t);
  glVertex3f(v.x, 0.0f, v.z);
}

void CompileHex() {
  glBegin(GL_POLYGON);
  glNormal3f(0, 1, 0);
  for (const HexVertex& v : kHexVertices) HexPoint(v);
  glEnd();
}

void CompileWedge(int w) {
  glBegin(GL_TRIANGLES);
  glNormal3f(0, 1, 0);
  glTexCoord2f(0.5f, 0.5f);
  glVertex3f(0, 0, 0);
  HexPoint(kHexVertices[kWedgeVertices[w][0]]);
  HexPoint(kHexVertices[kWedgeVertices[w][1]]);
  glEnd();
}

void CompileOutline() {
  glBegin(GL_LINES);
  glNormal3f(0, 1, 0);
  for (int i = 0; i < 6; ++i) {
    glVertex3f(kHexVertices[i].x, 0.0f, kHexVertices[i].z);
    glVertex3f(kHexVertices[i + 1].x, 0.0f, kHexVertices[i + 1].z);
  }
  glEnd();
}

// Two gables, two side walls and two roof planes.
void CompileSettlement() {
  for (float zs : {1.0f, -1.0f}) {
    glBegin(GL_POLYGON);
    glNormal3f(0, 0, zs);
    glVertex3f(5 * N, 0, zs * 7 * N);
    glVertex3f(-5 * N, 0, zs * 7 * N);
    glVertex3f(-5 * N, 7 * N, zs * 7 * N);
    glVertex3f(0, 12 * N, zs * 7 * N);
    glVertex3f(5 * N, 7 * N, zs * 7 * N);
    glEnd();
  }
  for (float xs : {1.0f, -1.0f}) {
    glBegin(GL_POLYGON);
    glNormal3f(xs, 0, 0);
    glVertex3f(xs * 5 * N, 0, 7 * N);
    glVertex3f(xs * 5 * N, 0, -7 * N);
    glVertex3f(xs * 5 * N, 7 * N, -7 * N);
    glVertex3f(xs * 5 * N, 7 * N, 7 * N);
    glEnd();
    glBegin(GL_POLYGON);
    glNormal3f(xs, 1, 0);
    glVertex3f(xs * 5 * N, 7 * N, 7 * N);
    glVertex3f(xs * 5 * N, 7 * N, -7 * N);
    glVertex3f(0, 12 * N, -7 * N);
    glVertex3f(0, 12 * N, 7 * N);
    glEnd();
  }
}

void Quad(float nx, float ny, float nz, const float (&v)[4][3]) {
  glBegin(GL_POLYGON);
  glNormal3f(nx, ny, nz);
  for (const auto& p : v) glVertex3f(p[0], p[1], p[2]);
  glEnd();
}

// A tall gabled wing at the front (z > 0) and a low flat-roofed wing behind.
void CompileCity() {
  // Side profile as (z, y): it is star-shaped from its first vertex, which is
  // how GL fans a polygon.
  constexpr float kProfile[7][2] = {{10 * N, 0},     {-10 * N, 0},     {-10 * N, 8 * N},
                                    {0, 8 * N},      {0, 15 * N},      {5 * N, 20 * N},
                                    {10 * N, 15 * N}};
  for (float xs : {1.0f, -1.0f}) {
    glBegin(GL_POLYGON);
    glNormal3f(xs, 0, 0);
    for (const auto& p : kProfile) glVertex3f(xs * 5 * N, p[1], p[0]);
    glEnd();
  }
  const float x = 5 * N;
  Quad(0, 0, 1, {{x, 0, 10 * N}, {-x, 0, 10 * N}, {-x, 15 * N, 10 * N}, {x, 15 * N, 10 * N}});
  Quad(0, 0, -1,
       {{x, 0, -10 * N}, {x, 8 * N, -10 * N}, {-x, 8 * N, -10 * N}, {-x, 0, -10 * N}});
  Quad(0, 0, -1, {{x, 8 * N, 0}, {x, 15 * N, 0}, {-x, 15 * N, 0}, {-x, 8 * N, 0}});
  Quad(0, 1, 0, {{x, 8 * N, 0}, {-x, 8 * N, 0}, {-x, 8 * N, -10 * N}, {x, 8 * N, -10 * N}});
  Quad(0, 1, 1,
       {{x, 15 * N, 10 * N}, {x, 20 * N, 5 * N}, {-x, 20 * N, 5 * N}, {-x, 15 * N, 10 * N}});
  Quad(0, 1, -1, {{x, 15 * N, 0}, {-x, 15 * N, 0}, {-x, 20 * N, 5 * N}, {x, 20 * N, 5 * N}});
}

// A box along z: front, two sides, back and top.
void CompileRoad() {
  const float x = 2.5f * N, z = 12.5f * N, y = 5 * N;
  glBegin(GL_QUADS);
  glNormal3f(0, 0, 1);
  glVertex3f(x, 0, z), glVertex3f(x, y, z), glVertex3f(-x, y, z), glVertex3f(-x, 0, z);
  glNormal3f(1, 0, 0);
  glVertex3f(x, 0, -z), glVertex3f(x, y, -z), glVertex3f(x, y, z), glVertex3f(x, 0, z);
  glNormal3f(-1, 0, 0);
  glVertex3f(-x, 0, z), glVertex3f(-x, y, z), glVertex3f(-x, y, -z), glVertex3f(-x, 0, -z);
  glNormal3f(0, 0, -1);
  glVertex3f(-x, 0, -z), glVertex3f(-x, y, -z), glVertex3f(x, y, -z), glVertex3f(x, 0, -z);
  glNormal3f(0, 1, 0);
  glVertex3f(x, y, z), glVertex3f(x, y, -z), glVertex3f(-x, y, -z), glVertex3f(-x, y, z);
  glEnd();
}

void CompileSkirt() {
  glBegin(GL_QUADS);
  glNormal3f(0, 0, 1);
  glVertex3f(-2.5f, 0, 0);
  glVertex3f(2.5f, 0, 0);
  glVertex3f(2.5f, -0.23f, 0);
  glVertex3f(-2.5f, -0.23f, 0);
  glEnd();
}

void CompileList(int list) {
  if (list == HexList) return CompileHex();
  if (list < OutlineList) return CompileWedge(list - FirstWedgeList);
  switch (list) {
    case OutlineList: return CompileOutline();
    case SettlementList: return CompileSettlement();
    case CityList: return CompileCity();
    case RoadList: return CompileRoad();
    default: return CompileSkirt();
  }
}

}  // namespace

void CDisplayLists::Build() {
  for (int list = 0; list < MeshListCount; ++list) {
    names_[list] = glGenLists(1);
    glNewList(names_[list], GL_COMPILE);
    CompileList(list);
    glEndList();
  }
}

void CDisplayLists::Delete() {
  for (GLuint& name : names_) {
    if (name != 0) glDeleteLists(name, 1);
    name = 0;
  }
}

void CChipDisk::Create() {
  quadric_ = gluNewQuadric();
  gluQuadricTexture(quadric_, GL_TRUE);
}

void CChipDisk::Destroy() {
  if (quadric_) gluDeleteQuadric(quadric_);
  quadric_ = nullptr;
}

void CChipDisk::Draw() const {
  if (quadric_) gluDisk(quadric_, 0.0, 13.0 / 9.0, 15, 5);
}
