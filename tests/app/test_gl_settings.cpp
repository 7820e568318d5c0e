// The OpenGL Settings kept in the profile settings between runs.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include <wx/fileconf.h>

#include "gl_settings.h"

namespace {

// A private settings file made the program's settings for one test.
class ProfileSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = std::filesystem::temp_directory_path() / ("h3d_gl_settings_" + std::to_string(::getpid()) + ".ini");
    std::filesystem::remove(path_);
    config_ = new wxFileConfig("Hexstead3D", wxEmptyString, path_.string(), wxEmptyString, wxCONFIG_USE_LOCAL_FILE);
    previous_ = wxConfigBase::Set(config_);
  }
  void TearDown() override {
    wxConfigBase::Set(previous_);
    delete config_;
    std::filesystem::remove(path_);
  }

  std::filesystem::path path_;
  wxFileConfig* config_ = nullptr;
  wxConfigBase* previous_ = nullptr;
};

TEST_F(ProfileSettings, DefaultsAreMediumWithMipmapping) {
  const GLSettings settings = LoadGLSettings();
  EXPECT_EQ(settings.textureSize, 1);
  EXPECT_TRUE(settings.mipmapping);
}

TEST_F(ProfileSettings, SavedSettingsComeBackAndReachTheFile) {
  SaveGLSettings({0, false});
  const GLSettings settings = LoadGLSettings();
  EXPECT_EQ(settings.textureSize, 0);
  EXPECT_FALSE(settings.mipmapping);
  EXPECT_TRUE(std::filesystem::exists(path_));  // flushed at once, not only at exit
}

TEST_F(ProfileSettings, UnknownSizesSelectTheTinySet) {
  for (long stored : {3L, 4L, 99L, -1L}) {
    config_->Write("/Settings/TextureSize", stored);
    EXPECT_EQ(LoadGLSettings().textureSize, 3) << stored;
  }
}

}  // namespace
