// Whole games at the window, from File > New to the stored winner, entered
// with the mouse from the same script that `hexstead-cli play` runs: with
// the same clock, random draws and player database, the game the window
// stores is byte for byte the game the driver stores.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include <wx/dialog.h>

#include "command_ids.h"
#include "engine/board/random_source.h"
#include "gui_driver.h"
#include "gui_test.h"
#include "hexstead_app.h"
#include "hexstead_view.h"
#include "mouse_script.h"
#include "records/clock.h"
#include "records/game_database.h"
#include "records/player_database.h"
#include "turn_panel.h"
#include "flat_bitmap_button.h"

namespace {

namespace fs = std::filesystem;

// The C library generator's sequence (glibc's rand()) on a state of its own:
// the toolkit may draw from the shared one between two draws of the game.
class CPrivateLibraryRandom final : public CRandomSource {
 public:
  CPrivateLibraryRandom() { Seed(1); }
  int Rand() override {
    int32_t r = 0;
    random_r(&data_, &r);
    return r % (kMax + 1);
  }
  void Seed(unsigned seed) override {
    std::memset(&data_, 0, sizeof data_);
    initstate_r(seed, state_, sizeof state_, &data_);
  }

 private:
  char state_[128] = {};  // the size glibc's rand() works with
  random_data data_{};
};

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class WholeGame : public GuiTest {
 protected:
  void BeforeStart() override { gui::RemoveStoredData(); }
  void TearDown() override {
    if (wxTheApp != nullptr) TheApp().SetRandomSource(nullptr);
    GuiTest::TearDown();
  }

  // Runs the script through hexstead-cli in a folder of its own; returns that folder.
  static fs::path PlayWithTheDriver(const std::string& name) {
    const fs::path data = fs::path(H3D_TEST_WORK_DIR) / ("driver-" + name);
    fs::remove_all(data);
    const std::string command = std::string("'") + H3D_CLI + "' --data '" + data.string() + "' play '" +
                                H3D_CLI_SCRIPTS + "/" + name + ".script' > '" + data.string() + ".out'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return data;
  }

  // The driver's game, then the same script with the mouse; the two stored games compared.
  void PlayAndCompare(const std::string& name, CMouseScript& script) {
    const fs::path driver = PlayWithTheDriver(name);
    ASSERT_TRUE(fs::exists(driver / "game.db")) << "the driver stored no game";
    // The same player database: the one the driver filled as it seated the players.
    const fs::path data = fs::path(H3D_TEST_WORK_DIR) / "data";
    fs::copy_file(driver / "player.db", data / "player.db", fs::copy_options::overwrite_existing);
    CPlayerDatabase::Instance().Load();
    CGameDatabase::Instance().LoadIndex();
    ASSERT_EQ(CGameDatabase::Instance().GameCount(), 0);

    TheApp().SetRandomSource(&random_);
    script.Play(ReadFile(fs::path(H3D_CLI_SCRIPTS) / (name + ".script")));
    ASSERT_FALSE(HasFatalFailure());
    CHexsteadView& view = script.View();
    EXPECT_EQ(view.Session().GameStateNow(), GameOver);
    EXPECT_EQ(view.TurnPanel().Text(), "This game has ended.");
    EXPECT_FALSE(view.CurrentSidePanel().IsUndoEnabled());
    ASSERT_EQ(CGameDatabase::Instance().GameCount(), 1);
    const std::string stored = ReadFile(data / "game.db");
    const std::string expected = ReadFile(driver / "game.db");
    EXPECT_FALSE(stored.empty());
    EXPECT_TRUE(stored == expected) << "the window stored " << stored.size() << " bytes, the driver "
                                    << expected.size() << "; they differ from byte "
                                    << std::mismatch(stored.begin(), stored.end(), expected.begin(),
                                                     expected.end()).first - stored.begin();
    EXPECT_EQ(ReadFile(data / "keys.db"), ReadFile(driver / "keys.db"));
  }

  CPrivateLibraryRandom random_;
};

TEST_F(WholeGame, Tracked) {
  CMouseScript script(random_);
  // A picture of the first dialog of each kind, as the players see it.
  std::set<int> shot;
  script.BeforeEachAnswer([&](wxDialog& dialog) {
    if (!shot.insert(dialog.GetId()).second) return;
    std::string name = dialog.GetTitle().ToStdString();  // "The game is over!" -> the_game_is_over
    for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? static_cast<char>(std::tolower(c)) : '_';
    gui::Screenshot("whole_game_" + std::to_string(dialog.GetId()) + "_" + name);
  });
  PlayAndCompare("whole_game_tracked", script);
  EXPECT_EQ(shot.count(IDD_GAME_OVER), 1u);
}

TEST_F(WholeGame, Untracked) {
  CMouseScript script(random_);
  // Without tracked trades Buy D.C. is enabled after every roll, whatever the hand.
  script.AfterEachLine([&](const ScriptLine& line) {
    if (line.words[0] != "roll" && line.words[0] != "continue") return;
    CHexsteadView& view = script.View();
    const bool rolled = view.Session().TurnPanel().rolled;
    EXPECT_EQ(view.TurnPanel().ActionButton(IDC_BUY_CARD)->IsEnabled(), rolled) << "line " << line.number;
  });
  PlayAndCompare("whole_game_untracked", script);
}

}  // namespace
