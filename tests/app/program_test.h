#pragma once

#include <string>

#include <gtest/gtest.h>

#include "gui_driver.h"
#include "hexstead_app.h"

namespace gui {

// A test of the running program: starts it (or skips without a display) and
// closes every game window afterwards.
class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string why;
    if (!Start(&why)) GTEST_SKIP() << why;
  }
  void TearDown() override {
    if (wxTheApp != nullptr) TheApp().CloseAllGames();
    Pump(50);
  }
};

}  // namespace gui
