// A skin's source folder as the tools read it: the program's sources, copied and then changed
// the way a hand edit would change them.
#include "tools/skinsource/TSkinFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tools/skinsource/TWholeFile.h"

using skinsource::TSkinFolder;
using skinsource::TWholeFile;

namespace {

namespace fs = std::filesystem;

class TSkinFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = (fs::temp_directory_path() / "skinsource_folder").string();
    fs::remove_all(folder_);
    fs::copy(QM_SKIN_SOURCES, folder_, fs::copy_options::recursive);
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Replaces the first occurrence of what in a file of the copy.
  void Edit(const std::string& file, const std::string& what, const std::string& with) {
    const std::string path = folder_ + "/" + file;
    std::string text = TWholeFile::ReadText(path);
    const std::size_t at = text.find(what);
    ASSERT_NE(at, std::string::npos) << what;
    text.replace(at, what.size(), with);
    TWholeFile::WriteText(path, text);
  }

  std::string Problems() {
    std::string out;
    for (const std::string& p : TSkinFolder::CheckSources(folder_)) out += p + "\n";
    return out;
  }

  std::string folder_;
};

TEST_F(TSkinFolderTest, ObjectTextsMustBeAsTheToolWritesThem) {
  EXPECT_EQ(Problems(), "");
  // Out of stored order; a named colour in decimal; a property at its default.
  Edit("objects/Button.txt", "  Height = 25\r\n  Width = 75\r\n",
       "  Width = 75\r\n  Height = 25\r\n");
  EXPECT_EQ(Problems(),
            "objects/Button.txt: line 7 is not as the skin tool writes it, which has \"  Height "
            "= 25\"\n");
  fs::copy_file(std::string(QM_SKIN_SOURCES) + "/objects/Button.txt",
                folder_ + "/objects/Button.txt", fs::copy_options::overwrite_existing);
  Edit("objects/Edit.txt", "Font.Color = clWindowText", "Font.Color = -2147483640");
  Edit("objects/Tabs.txt", "  Height = ", "  TextEffect = teNone\r\n  Height = ");
  const std::string problems = Problems();
  EXPECT_NE(problems.find("objects/Edit.txt: line 3 is not as the skin tool writes it, which has "
                          "\"  Font.Color = clWindowText\""),
            std::string::npos)
      << problems;
  EXPECT_NE(problems.find("objects/Tabs.txt: line "), std::string::npos) << problems;
}

TEST_F(TSkinFolderTest, FilesMustBeNamedAfterTheirObjectAndOnlyOnce) {
  fs::rename(folder_ + "/objects/Form.txt", folder_ + "/objects/Frame.txt");
  Edit("manifest.txt", "\nForm.txt", "\nFrame.txt");
  Edit("manifest.txt", "FRAMELEFT.BMP = FRAMELEFT.BMP", "FRAMELEFT.BMP = framecaption.bmp");
  EXPECT_EQ(Problems(),
            "bitmaps/framecaption.bmp: named twice in the manifest\n"
            "objects/Frame.txt: holds object Form\n");
}

}  // namespace
