#pragma once

#include "side_panel.h"

// The chip panel: asks for the tile of the first number chip, then of the
// second one. Its text comes from the session.
class CChipPanel : public CSidePanel {
 public:
  CChipPanel(wxWindow* parent, const CInterfaceImages& images, std::function<void()> onUndo);
};
