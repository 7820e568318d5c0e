#pragma once

#include <gtest/gtest.h>

#include "session_test_support.h"

// A test of one session with fixed services: the harness, the session whose
// decisions the test UI answers, and that UI.
class SessionTest : public ::testing::Test {
 protected:
  CSessionHarness h;
  CAnsweredSession& s = h.session;
  CTestUi& ui = h.ui;

  const CPlayerGame& Seat(int p) { return s.Game().players[p]; }
  // A game of three at its first roll (see CSessionHarness::StartPlaying).
  void StartPlaying(bool track) {
    h.StartPlaying(track);
    ASSERT_EQ(s.GameStateNow(), Turn);
  }
  void RollAndContinue(int32_t total) { ASSERT_TRUE(h.RollAndContinue(total)); }
};
