#pragma once

// Keeps a drawing pass of any board view from starting while another one runs
// (a paint that arrives during a pass, e.g. from a nested message loop, is
// dropped). Construct one at the start of a paint and draw only if Started().
class CDrawingPass {
 public:
  CDrawingPass();
  ~CDrawingPass();
  CDrawingPass(const CDrawingPass&) = delete;
  CDrawingPass& operator=(const CDrawingPass&) = delete;

  bool Started() const { return started_; }
  static bool Running();

 private:
  bool started_;
};
