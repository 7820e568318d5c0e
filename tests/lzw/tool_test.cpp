// Runs the built lzwpack, lzwunpack and bitdump programs.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "test_data.h"

namespace {

namespace fs = std::filesystem;

class LzwTools : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("lzw_tools_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  // Runs a command line; returns the exit status, stdout and stderr are kept.
  int Run(const std::string& program, const std::string& arguments) {
    const std::string command =
        program + " " + arguments + " >" + Path("stdout") + " 2>" + Path("stderr");
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::string Read(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(Path(name), std::ios::binary) << bytes;
  }
  void ExpectOneLineError() const {
    const std::string error = Read("stderr");
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(error.find('\n'), error.size() - 1) << error;
  }

  fs::path dir_;
};

const std::string kPack = LZWPACK_PATH;
const std::string kUnpack = LZWUNPACK_PATH;
const std::string kBitdump = BITDUMP_PATH;

TEST_F(LzwTools, PackAndUnpackRestoreTheFile) {
  const auto text = TextBytes(200000, 21);
  const auto noise = RandomBytes(100000, 22);
  std::string original(text.begin(), text.end());
  original.append(noise.begin(), noise.end());
  Write("in", original);
  ASSERT_EQ(Run(kPack, Path("in") + " " + Path("packed") + " ignored"), 0);
  EXPECT_TRUE(Read("stderr").empty());
  ASSERT_EQ(Run(kUnpack, Path("packed") + " " + Path("out")), 0);
  EXPECT_TRUE(Read("out") == original);
  EXPECT_TRUE(Read("stdout").empty());
}

TEST_F(LzwTools, EmptyFilePacksToThreeBytes) {
  Write("empty", "");
  ASSERT_EQ(Run(kPack, Path("empty") + " " + Path("packed")), 0);
  EXPECT_EQ(Read("packed"), std::string("\x00\x03\x02", 3));
  ASSERT_EQ(Run(kUnpack, Path("packed") + " " + Path("out")), 0);
  EXPECT_TRUE(fs::exists(Path("out")));
  EXPECT_EQ(Read("out"), "");
}

TEST_F(LzwTools, BitdumpPrintsBitZeroFirst) {
  Write("one", "\x01");
  ASSERT_EQ(Run(kBitdump, Path("one")), 0);
  EXPECT_EQ(Read("stdout"), "10000000\n");
  Write("two", std::string("\x00\x03\x02\xff", 4));
  ASSERT_EQ(Run(kBitdump, Path("two")), 0);
  EXPECT_EQ(Read("stdout"), "00000000110000000100000011111111\n");
  Write("empty", "");
  ASSERT_EQ(Run(kBitdump, Path("empty")), 0);
  EXPECT_EQ(Read("stdout"), "\n");
}

TEST_F(LzwTools, MissingArgumentsFailWithOneLine) {
  Write("in", "abc");
  for (const auto& [program, arguments] : {std::pair{kPack, std::string()}, {kPack, Path("in")},
                                            {kUnpack, std::string()}, {kUnpack, Path("in")},
                                            {kBitdump, std::string()}}) {
    EXPECT_EQ(Run(program, arguments), 1) << program << " " << arguments;
    ExpectOneLineError();
  }
}

TEST_F(LzwTools, UnopenableFilesFailWithOneLine) {
  Write("in", "abc");
  Write("keep", "precious");
  EXPECT_EQ(Run(kPack, Path("missing") + " " + Path("keep")), 1);
  ExpectOneLineError();
  EXPECT_EQ(Run(kUnpack, Path("missing") + " " + Path("keep")), 1);
  ExpectOneLineError();
  EXPECT_EQ(Read("keep"), "precious");  // a missing input never truncates the output
  EXPECT_EQ(Run(kPack, Path("in") + " " + Path("no/such/dir/out")), 1);
  ExpectOneLineError();
  EXPECT_EQ(Run(kUnpack, Path("in") + " " + Path("no/such/dir/out")), 1);
  ExpectOneLineError();
  EXPECT_EQ(Run(kBitdump, Path("missing")), 1);
  ExpectOneLineError();
  EXPECT_EQ(Run(kPack, Path("in") + " " + Path("in")), 1);  // would destroy its own input
  ExpectOneLineError();
  EXPECT_EQ(Read("in"), "abc");
}

TEST_F(LzwTools, DamagedStreamKeepsTheDecodedPrefixAndFails) {
  const auto text = TextBytes(50000, 23);
  Write("in", std::string(text.begin(), text.end()));
  ASSERT_EQ(Run(kPack, Path("in") + " " + Path("packed")), 0);
  const std::string packed = Read("packed");
  Write("cut", packed.substr(0, packed.size() / 2));
  EXPECT_EQ(Run(kUnpack, Path("cut") + " " + Path("out")), 1);
  ExpectOneLineError();
  const std::string out = Read("out");
  EXPECT_GT(out.size(), 0u);
  EXPECT_TRUE(std::equal(out.begin(), out.end(), text.begin()));

  Write("garbage", std::string(1000, '\xff'));
  EXPECT_EQ(Run(kUnpack, Path("garbage") + " " + Path("out")), 1);
  ExpectOneLineError();
}

}  // namespace
