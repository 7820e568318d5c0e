#pragma once

// What the window benchmarks share: the new-game wizard answered with OK
// without showing it, and the median of a set of timings.
#include <algorithm>
#include <vector>

#include <wx/testing.h>

#include "game_mode_dialog.h"
#include "game_options_dialog.h"

template <>
class wxExpectModal<CGameModeDialog> : public wxExpectModalBase<CGameModeDialog> {
 protected:
  int OnInvoked(CGameModeDialog*) const override { return wxID_OK; }
};
template <>
class wxExpectModal<CGameOptionsDialog> : public wxExpectModalBase<CGameOptionsDialog> {
 protected:
  int OnInvoked(CGameOptionsDialog*) const override { return wxID_OK; }
};

// The middle value; -1 for no values.
inline double Median(std::vector<double> values) {
  if (values.empty()) return -1;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}
