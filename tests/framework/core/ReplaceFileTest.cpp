#include "framework/core/ReplaceFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/core/Exception.h"

namespace fs = std::filesystem;

namespace {

class ReplaceFile : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("replace-file-" +
               std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::size_t Entries() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {}));
  }
  // The message the caller shows, for a target that could not be written.
  static std::string FailureOf(const std::string& target) {
    try {
      WriteFileReplacing(target, {'n', 'e', 'w'});
    } catch (const EFCreateError& e) {
      return e.what();
    }
    return "no failure";
  }

  fs::path folder_;
};

}  // namespace

TEST_F(ReplaceFile, AnExistingFileIsReplacedWholeAndNothingElseStays) {
  const fs::path target = folder_ / "snippet.html";
  std::ofstream(target, std::ios::binary) << "an older and much longer content\r\n";
  WriteFileReplacing(target.string(), {'a', '\r', '\n', 'b', '\r', '\n'});
  EXPECT_EQ(Read(target), "a\r\nb\r\n");
  EXPECT_EQ(Entries(), 1u);
  WriteFileReplacing((folder_ / "empty.txt").string(), {});
  EXPECT_EQ(Read(folder_ / "empty.txt"), "");
  EXPECT_EQ(Entries(), 2u);
}

// A write that cannot finish names the user's file, leaves what was there, and leaves no
// temporary file behind.
TEST_F(ReplaceFile, AFailedWriteKeepsTheOldContentAndLeavesNoTemporaryFile) {
  const fs::path occupied = folder_ / "a folder.html";
  fs::create_directories(occupied / "inside");
  EXPECT_EQ(FailureOf(occupied.string()), "Cannot create file " + occupied.string());
  EXPECT_TRUE(fs::is_directory(occupied / "inside"));
  EXPECT_EQ(Entries(), 1u);

  const fs::path nowhere = folder_ / "missing" / "snippet.html";
  EXPECT_EQ(FailureOf(nowhere.string()), "Cannot create file " + nowhere.string());
  EXPECT_EQ(Entries(), 1u);
}
