// The window program's command line: what it answers without a window, and
// where it works.
#include "program_options.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "records/installation.h"

namespace fs = std::filesystem;

namespace {

using Action = ProgramOptions::Action;

ProgramOptions Parse(std::vector<std::string> args) { return ParseProgramOptions(args); }

TEST(ProgramOptionsTest, ReadsTheUserDirectoryAndOneFile) {
  ProgramOptions plain = Parse({});
  EXPECT_EQ(plain.action, Action::Run);
  EXPECT_FALSE(plain.userDirectory);
  EXPECT_TRUE(plain.importFile.empty());

  ProgramOptions desktop = Parse({"--user-dir", "games.h3d"});
  EXPECT_EQ(desktop.action, Action::Run);
  EXPECT_TRUE(desktop.userDirectory);
  EXPECT_EQ(desktop.importFile, "games.h3d");

  // After "--" a name that starts with a dash is a file.
  EXPECT_EQ(Parse({"--", "-odd.h3d"}).importFile, "-odd.h3d");
}

TEST(ProgramOptionsTest, HelpAndVersionWinAndMistakesAreUsageErrors) {
  EXPECT_EQ(Parse({"--user-dir", "--help"}).action, Action::Help);
  EXPECT_EQ(Parse({"-h"}).action, Action::Help);
  EXPECT_EQ(Parse({"--version", "--bogus"}).action, Action::Version);
  EXPECT_EQ(Parse({"--bogus"}).action, Action::UsageError);
  EXPECT_EQ(Parse({"-x", "--help"}).action, Action::UsageError);
  EXPECT_EQ(Parse({"a.h3d", "b.h3d"}).action, Action::UsageError);
}

struct Outcome {
  int status;
  std::string out, err;
};

Outcome Prepare(ProgramOptions& options) {
  std::ostringstream out, err;
  const int status = PrepareProgramStart(options, "hexstead3d", out, err);
  return {status, out.str(), err.str()};
}

TEST(ProgramStartTest, AnswersOnTheRightStreamWithTheRightStatus) {
  ProgramOptions help = Parse({"--help"});
  Outcome helped = Prepare(help);
  EXPECT_EQ(helped.status, 0);
  EXPECT_EQ(helped.out.rfind("usage: hexstead3d [--user-dir] [FILE.h3d]\n", 0), 0u);
  EXPECT_TRUE(helped.err.empty());

  ProgramOptions version = Parse({"--version"});
  Outcome versioned = Prepare(version);
  EXPECT_EQ(versioned.status, 0);
  EXPECT_EQ(versioned.out, "Hexstead 3D Version 0.7.6\n");

  ProgramOptions wrong = Parse({"--bogus"});
  Outcome refused = Prepare(wrong);
  EXPECT_EQ(refused.status, kUsageExitStatus);
  EXPECT_TRUE(refused.out.empty());
  EXPECT_EQ(refused.err.rfind("hexstead3d: unknown option '--bogus'\nusage: hexstead3d", 0), 0u);
}

// Runs each test in a scratch HOME and puts the working directory and the
// environment back afterwards.
class ProgramStartPlaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedCwd_ = fs::current_path();
    if (const char* home = std::getenv("HOME")) savedHome_ = home;
    if (const char* xdg = std::getenv("XDG_DATA_HOME")) savedXdg_ = xdg;
    scratch_ = fs::temp_directory_path() / ("h3d-start-" + std::to_string(::getpid()));
    fs::remove_all(scratch_);
    fs::create_directories(scratch_ / "home");
    fs::create_directories(scratch_ / "here");
    fs::current_path(scratch_ / "here");
    setenv("HOME", (scratch_ / "home").c_str(), 1);
    unsetenv("XDG_DATA_HOME");
  }
  void TearDown() override {
    fs::current_path(savedCwd_);
    if (savedHome_) setenv("HOME", savedHome_->c_str(), 1); else unsetenv("HOME");
    if (savedXdg_) setenv("XDG_DATA_HOME", savedXdg_->c_str(), 1); else unsetenv("XDG_DATA_HOME");
    fs::remove_all(scratch_);
  }

  fs::path savedCwd_, scratch_;
  std::optional<std::string> savedHome_, savedXdg_;
};

TEST_F(ProgramStartPlaceTest, UserDirectoryIsCreatedAndTheImportFileKeepsItsPlace) {
  ProgramOptions options = Parse({"--user-dir", "games.h3d"});
  Outcome started = Prepare(options);
  EXPECT_EQ(started.status, -1) << started.err;
  const fs::path work = scratch_ / "home/.local/share/Hexstead3D";
  EXPECT_EQ(fs::current_path(), work);
  EXPECT_TRUE(fs::is_directory(work / "data"));
  // Named relative to where the program was started, not where it works.
  EXPECT_EQ(options.importFile, (scratch_ / "here/games.h3d").string());
}

TEST_F(ProgramStartPlaceTest, WithoutTheOptionItWorksWhereItWasStarted) {
  ProgramOptions options = Parse({});
  EXPECT_EQ(Prepare(options).status, -1);
  EXPECT_EQ(fs::current_path(), scratch_ / "here");
  EXPECT_TRUE(fs::is_directory(scratch_ / "here/data"));
}

TEST_F(ProgramStartPlaceTest, AnUnusableUserDirectoryEndsTheStartWithAMessage) {
  // A file where the directory should be.
  fs::create_directories(scratch_ / "home/.local/share");
  std::ofstream(scratch_ / "home/.local/share/Hexstead3D") << "not a directory";
  ProgramOptions options = Parse({"--user-dir"});
  Outcome refused = Prepare(options);
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("cannot work in"), std::string::npos) << refused.err;
  EXPECT_EQ(fs::current_path(), scratch_ / "here");
}

}  // namespace
