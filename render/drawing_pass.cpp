#include "drawing_pass.h"

namespace {
// One flag for the whole program: all views draw on the UI thread.
bool passRunning = false;
}  // namespace

CDrawingPass::CDrawingPass() : started_(!passRunning) { passRunning = true; }

CDrawingPass::~CDrawingPass() {
  if (started_) passRunning = false;
}

bool CDrawingPass::Running() { return passRunning; }
