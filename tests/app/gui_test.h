#pragma once

#include <gtest/gtest.h>

#include <string>

#include "gui_driver.h"
#include "hexstead_app.h"
#include "records/clock.h"

// The fixture of a test that drives the program. SetUp starts it (the test is
// skipped when there is no display) with the test's own preparations before
// and after; TearDown closes every game the test left open. A still clock
// (`Clock::Still`) stops time at a fixed moment for the whole test, so that turn
// times neither depend on the machine's speed nor change on an Undo.
class GuiTest : public ::testing::Test {
 protected:
  enum class Clock { Running, Still };
  static constexpr double kStillClock = 1700000000.0;

  explicit GuiTest(Clock clock = Clock::Running) : clock_(clock) {}

  // What the test needs before the program starts, and once it runs.
  virtual void BeforeStart() {}
  virtual void AfterStart() {}

  void SetUp() override {
    BeforeStart();
    if (HasFatalFailure()) return;
    std::string why;
    if (!gui::Start(&why)) GTEST_SKIP() << why;
    if (clock_ == Clock::Still) CClock::SetFixed(kStillClock);
    AfterStart();
  }
  void TearDown() override {
    CClock::UseSystem();
    if (wxTheApp != nullptr) TheApp().CloseAllGames();
    gui::Pump(50);
  }

 private:
  Clock clock_;
};
