// The command line as a user meets it: what each subcommand prints and writes, and a clear
// message with status 1 for everything it cannot do.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "tests/tools/skintool/SkinToolTestSupport.h"
#include "tools/skinsource/TWholeFile.h"
#include "tools/skintool/TSkinToolCommand.h"

using skintool::TSkinToolCommand;
using skintool_test::TempFolder;

namespace {

struct Result {
  int status;
  std::string out, err;
};

Result Tool(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = TSkinToolCommand::Run(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(SkinToolCommand, InfoTreeAndCheckOnTheProgramSkin) {
  const Result info = Tool({"info", QM_PROGRAM_SKIN_FILE});
  EXPECT_EQ(info.status, 0) << info.err;
  EXPECT_NE(info.out.find("SkinName:    ZaduVadazo VA Skin\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("Bitmaps:     57\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("Top-level:   24\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("Objects:     166\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("  59 TSeButtonObject\n  55 TSeSkinObject\n"), std::string::npos);

  // The sources folder reads like the built file.
  EXPECT_EQ(Tool({"info", QM_SKIN_SOURCES}).out, info.out);

  const Result one = Tool({"tree", QM_PROGRAM_SKIN_FILE, "button"});
  EXPECT_EQ(one.status, 0);
  EXPECT_EQ(one.out.rfind("object Button: TSeSkinObject\r\n", 0), 0u) << one.out;
  EXPECT_NE(one.out.find("\r\n  object Face: TSeButtonObject\r\n"), std::string::npos);
  const Result all = Tool({"tree", QM_PROGRAM_SKIN_FILE});
  EXPECT_NE(all.out.find("\r\nobject Splitter: TSeSkinObject\r\n"), std::string::npos);

  const Result check = Tool({"check", QM_PROGRAM_SKIN_FILE});
  EXPECT_EQ(check.status, 0) << check.out;
  EXPECT_NE(check.out.find("no problems"), std::string::npos);
}

TEST(SkinToolCommand, BuildConvertHueAndExtractWriteFiles) {
  const std::string dir = TempFolder("cli");
  const std::string built = dir + "/built.cskn", stream = dir + "/stream.bin";
  const Result build = Tool({"build", QM_SKIN_SOURCES, built, "--stream", stream});
  ASSERT_EQ(build.status, 0) << build.err;
  EXPECT_EQ(skinsource::TWholeFile::Read(built),
            skinsource::TWholeFile::Read(QM_PROGRAM_SKIN_FILE));
  EXPECT_EQ(skinsource::TWholeFile::Read(stream),
            skinsource::TWholeFile::Read(QM_PROGRAM_SKIN_STREAM));

  ASSERT_EQ(Tool({"convert", built, dir + "/c.xskn"}).status, 0);
  ASSERT_EQ(Tool({"convert", dir + "/c.xskn", dir + "/d.cskn"}).status, 0);
  EXPECT_EQ(skinsource::TWholeFile::Read(dir + "/d.cskn"), skinsource::TWholeFile::Read(built));

  ASSERT_EQ(Tool({"hue", built, "40", dir + "/h.cskn"}).status, 0);
  EXPECT_NE(skinsource::TWholeFile::Read(dir + "/h.cskn"), skinsource::TWholeFile::Read(built));

  const Result extract = Tool({"extract", built, dir + "/src"});
  ASSERT_EQ(extract.status, 0) << extract.err;
  EXPECT_TRUE(std::filesystem::exists(dir + "/src/bitmaps/CLOSEBUTTON.bmp"));
  EXPECT_TRUE(std::filesystem::exists(dir + "/src/objects/Form.txt"));
  EXPECT_TRUE(std::filesystem::exists(dir + "/src/bitmaps/LISTVIEWHEADER-2.BMP"));
}

TEST(SkinToolCommand, BadInputGivesAMessageAndStatusOne) {
  const std::string dir = TempFolder("clibad");
  skinsource::TWholeFile::WriteText(dir + "/garbage.cskn", "QNWB this is not zlib at all");
  skinsource::TWholeFile::WriteText(dir + "/short.uskn", std::string("\x05\x00\x00\x00"
                                                                     "ab",
                                                                     6));
  skinsource::TWholeFile::WriteText(dir + "/huge.uskn", std::string("\xFF\xFF\xFF\x7F", 4));
  std::filesystem::create_directories(dir + "/empty");
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"frobnicate"}, "unknown command \"frobnicate\""},
      {{"info"}, "info: wrong number of arguments"},
      {{"info", "a.cskn", "b"}, "info: wrong number of arguments"},
      {{"info", dir + "/none.cskn"}, "no such file"},
      {{"info", dir + "/garbage.cskn"}, "garbage.cskn: "},
      {{"info", dir + "/short.uskn"}, "short.uskn: "},
      {{"info", dir + "/huge.uskn"}, "huge.uskn: "},
      {{"info", dir + "/skin.txt"}, "not a skin file"},
      {{"info", dir + "/empty"}, "manifest.txt"},
      {{"tree", QM_PROGRAM_SKIN_FILE, "Label"}, "no top-level object named \"Label\""},
      {{"convert", QM_PROGRAM_SKIN_FILE, dir + "/out.zip"}, "not a skin file name"},
      {{"convert", QM_PROGRAM_SKIN_FILE, dir + "/no/such/dir/a.cskn"}, "a.cskn"},
      {{"build", QM_SKIN_SOURCES, dir + "/a.cskn", "--steam", "x"}, "unknown option --steam"},
      {{"build", QM_PROGRAM_SKIN_FILE, dir + "/a.cskn"}, "manifest.txt"},
      {{"hue", QM_PROGRAM_SKIN_FILE, "forty", dir + "/h.cskn"}, "must be a whole number"},
      {{"hue", QM_PROGRAM_SKIN_FILE, "99999999999", dir + "/h.cskn"}, "must be a whole number"},
      {{"hue", QM_PROGRAM_SKIN_FILE, "256", dir + "/h.cskn"}, "-255 to 255"},
      {{"hue", QM_PROGRAM_SKIN_FILE, "-2147483648", dir + "/h.cskn"}, "-255 to 255"},
      {{"check", dir + "/garbage.cskn"}, "garbage.cskn"},
  };
  for (const auto& c : cases) {
    const Result r = Tool(c.args);
    EXPECT_EQ(r.status, 1) << c.args[0] << " " << (c.args.size() > 1 ? c.args[1] : "");
    EXPECT_EQ(r.err.rfind("skintool: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
  EXPECT_FALSE(std::filesystem::exists(dir + "/out.zip"));
  EXPECT_FALSE(std::filesystem::exists(dir + "/h.cskn"));
}

TEST(SkinToolCommand, HelpListsEveryCommand) {
  const Result help = Tool({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* command : {"info", "tree", "check", "convert", "extract", "build", "hue"})
    EXPECT_NE(help.out.find(std::string("  ") + command + " "), std::string::npos) << command;
  const Result none = Tool({});
  EXPECT_EQ(none.status, 1);
  EXPECT_NE(none.err.find("usage: skintool"), std::string::npos);
}

TEST(SkinToolCommand, CheckReportsProblemsWithStatusOne) {
  const std::string dir = TempFolder("clicheck");
  ASSERT_EQ(Tool({"extract", QM_PROGRAM_SKIN_FILE, dir}).status, 0);
  std::string button = skinsource::TWholeFile::ReadText(dir + "/objects/Button.txt");
  button.replace(button.find("BitmapHot.Name = 'BUTTON.bmp'"), 29,
                 "BitmapHot.Name = 'MISSING.bmp'");
  skinsource::TWholeFile::WriteText(dir + "/objects/Button.txt", button);
  const Result check = Tool({"check", dir});
  EXPECT_EQ(check.status, 1);
  EXPECT_NE(check.out.find("Button.Face.BitmapHot: links to \"MISSING.bmp\""), std::string::npos)
      << check.out;
  EXPECT_NE(check.out.find(": 1 problem\n"), std::string::npos) << check.out;
}

TEST(SkinToolCommand, CheckWarnsOfSkippedClassesWithoutFailing) {
  // The program's skin as a later library might store it: one more top-level record, of a
  // class this one lacks, ahead of "Form".
  const std::string dir = TempFolder("clicheckskip");
  ASSERT_EQ(Tool({"convert", QM_PROGRAM_SKIN_FILE, dir + "/plain.uskn"}).status, 0);
  std::vector<std::uint8_t> bytes = skinsource::TWholeFile::Read(dir + "/plain.uskn");
  const auto int32 = [](std::size_t n) {
    return std::string{char(n), char(n >> 8), char(n >> 16), char(n >> 24)};
  };
  const std::string count = int32(24) + int32(13) + "TSeSkinObject";
  const auto at = std::search(bytes.begin(), bytes.end(), count.begin(), count.end());
  ASSERT_NE(at, bytes.end());
  *at = 25;
  const std::string text = "object Glow: TSeGlowObject\r\n  Radius = 5\r\nend\r\n";
  const std::string record = int32(13) + "TSeGlowObject" + int32(text.size()) + text;
  bytes.insert(at + 4, record.begin(), record.end());
  skinsource::TWholeFile::Write(dir + "/later.uskn", bytes);

  const Result check = Tool({"check", dir + "/later.uskn"});
  EXPECT_EQ(check.status, 0) << check.out << check.err;
  EXPECT_NE(check.out.find("TSeGlowObject: warning: class unknown to this library"),
            std::string::npos)
      << check.out;
  EXPECT_NE(check.out.find("later.uskn: no problems, 1 skipped class\n"), std::string::npos)
      << check.out;
}

}  // namespace

#ifdef QM_SKINTOOL_RENDER
namespace {

TEST(SkinToolCommand, RenderAndSheetWritePictures) {
  const std::string dir = TempFolder("render");
  const Result render =
      Tool({"render", QM_PROGRAM_SKIN_FILE, "Button", "90", "30", "hot", dir + "/button.bmp"});
  ASSERT_EQ(render.status, 0) << render.err;
  const std::vector<std::uint8_t> bmp = skinsource::TWholeFile::Read(dir + "/button.bmp");
  ASSERT_EQ(bmp.size(), 54u + 90 * 30 * 4);
  EXPECT_EQ(bmp[18], 90);
  EXPECT_EQ(bmp[22], 30);
  ASSERT_EQ(Tool({"render", QM_PROGRAM_SKIN_FILE, "Form", "300", "200", "normal", "--inactive",
                  dir + "/form.bmp"})
                .status,
            0);
  ASSERT_EQ(Tool({"sheet", QM_PROGRAM_SKIN_FILE, dir + "/sheet.bmp"}).status, 0);
  EXPECT_GT(skinsource::TWholeFile::Read(dir + "/sheet.bmp").size(), 1000000u);

  const struct {
    std::vector<std::string> args;
    const char* message;
  } bad[] = {
      {{"render", QM_PROGRAM_SKIN_FILE, "Button", "90", "30", "shiny", dir + "/x.bmp"},
       "unknown state \"shiny\""},
      {{"render", QM_PROGRAM_SKIN_FILE, "Label", "90", "30", "hot", dir + "/x.bmp"},
       "no top-level object named \"Label\""},
      {{"render", QM_PROGRAM_SKIN_FILE, "Button", "0", "30", "hot", dir + "/x.bmp"}, "size"},
      {{"render", QM_PROGRAM_SKIN_FILE, "Button", "90", "30", "hot", "--dim", dir + "/x.bmp"},
       "unknown option --dim"},
      {{"sheet", QM_PROGRAM_SKIN_FILE}, "wrong number of arguments"},
  };
  for (const auto& c : bad) {
    const Result r = Tool(c.args);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
  EXPECT_FALSE(std::filesystem::exists(dir + "/x.bmp"));
}

}  // namespace
#endif
