// Where the program and hexstead-cli find the user's data and the shipped
// texture archives.
#include "records/installation.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>

namespace fs = std::filesystem;

namespace {

class ArchiveLookupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("h3d-install-" + std::to_string(::getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "data");
    fs::create_directories(root_ / "usr/share/hexstead3d");
    fs::create_directories(root_ / "usr/data");
    shipped_ = ShippedArchiveDirectories(root_ / "usr/bin");
  }
  void TearDown() override { fs::remove_all(root_); }

  void Touch(const fs::path& path) { std::ofstream(path) << "archive"; }
  std::string Data() const { return (root_ / "data").string(); }

  fs::path root_;
  std::vector<fs::path> shipped_;
};

TEST_F(ArchiveLookupTest, ShippedPlacesAreBesideTheExecutable) {
  ASSERT_EQ(shipped_.size(), 2u);
  EXPECT_EQ(shipped_[0], root_ / "usr/share/hexstead3d");  // an unpacked or installed package
  EXPECT_EQ(shipped_[1], root_ / "usr/data");               // a build tree
  EXPECT_TRUE(ShippedArchiveDirectories(fs::path()).empty());
}

TEST_F(ArchiveLookupTest, TheUsersOwnArchiveWinsThenThePackageThenTheBuild) {
  Touch(root_ / "usr/data/256.tex");
  EXPECT_EQ(LocateArchive(Data(), "256.tex", shipped_), (root_ / "usr/data/256.tex").string());
  Touch(root_ / "usr/share/hexstead3d/256.tex");
  EXPECT_EQ(LocateArchive(Data(), "256.tex", shipped_), (root_ / "usr/share/hexstead3d/256.tex").string());
  Touch(root_ / "data/256.tex");
  EXPECT_EQ(LocateArchive(Data(), "256.tex", shipped_), Data() + "/256.tex");
}

TEST_F(ArchiveLookupTest, AMissingArchiveIsNamedInTheDataDirectory) {
  // The "could not open" message then names the place the user knows.
  EXPECT_EQ(LocateArchive(Data(), "tiny.tex", shipped_), Data() + "/tiny.tex");
  EXPECT_EQ(LocateArchive(Data(), "tiny.tex", {}), Data() + "/tiny.tex");
  // A directory of that name is not an archive.
  fs::create_directories(root_ / "usr/share/hexstead3d/tiny.tex");
  EXPECT_EQ(LocateArchive(Data(), "tiny.tex", shipped_), Data() + "/tiny.tex");
}

TEST_F(ArchiveLookupTest, TheWindowIconIsTheShippedDesktopIconOfThatSize) {
  const fs::path bin = root_ / "usr/bin";
  EXPECT_EQ(LocateDesktopIcon(bin, 48), "");
  fs::create_directories(root_ / "usr/icons/hicolor/48x48/apps");
  Touch(root_ / "usr/icons/hicolor/48x48/apps/hexstead3d.png");  // a build tree
  EXPECT_EQ(LocateDesktopIcon(bin, 48), (root_ / "usr/icons/hicolor/48x48/apps/hexstead3d.png").string());
  fs::create_directories(root_ / "usr/share/icons/hicolor/48x48/apps");
  Touch(root_ / "usr/share/icons/hicolor/48x48/apps/hexstead3d.png");  // a package
  EXPECT_EQ(LocateDesktopIcon(bin, 48), (root_ / "usr/share/icons/hicolor/48x48/apps/hexstead3d.png").string());
  EXPECT_EQ(LocateDesktopIcon(bin, 32), "");
  EXPECT_EQ(LocateDesktopIcon(fs::path(), 48), "");
}

TEST(UserDirectoryTest, FollowsTheXdgRules) {
  EXPECT_EQ(UserWorkDirectory("/xdg", "/home/ann"), fs::path("/xdg/Hexstead3D"));
  // Relative and empty XDG_DATA_HOME values are ignored.
  EXPECT_EQ(UserWorkDirectory("xdg", "/home/ann"), fs::path("/home/ann/.local/share/Hexstead3D"));
  EXPECT_EQ(UserWorkDirectory("", "/home/ann"), fs::path("/home/ann/.local/share/Hexstead3D"));
  EXPECT_EQ(UserWorkDirectory(nullptr, "/home/ann"), fs::path("/home/ann/.local/share/Hexstead3D"));
  EXPECT_TRUE(UserWorkDirectory(nullptr, nullptr).empty());
  EXPECT_TRUE(UserWorkDirectory("relative", "").empty());
}

TEST(UserDirectoryTest, TheDatabasesLiveInDataOfTheUsersDirectory) {
  EXPECT_EQ(UserDataDirectory(), UserWorkDirectory() / "data");
  EXPECT_EQ(ExecutableDirectory(), fs::path(H3D_TEST_BINARY_DIR));
}

}  // namespace
