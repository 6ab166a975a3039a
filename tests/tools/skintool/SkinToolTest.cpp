// The skin tool's operations on the program's skin and on skins made to break them: round
// trips through the sources and the filters, the hue shift, the linter, and the files the tool
// reads from outside.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "framework/core/TMemoryStream.h"
#include "skin/objects/SeHue.h"
#include "skin/objects/TSeBitmap.h"
#include "skin/objects/TSeButtonObject.h"
#include "skin/objects/TSeColorButtonObject.h"
#include "tests/tools/skintool/SkinToolTestSupport.h"
#include "tools/skinsource/ESkinSourceError.h"
#include "tools/skinsource/TSkinBitmapFile.h"
#include "tools/skinsource/TSkinFolder.h"
#include "tools/skinsource/TSkinManifestFile.h"
#include "tools/skinsource/TSkinObjectSource.h"
#include "tools/skinsource/TWholeFile.h"
#include "tools/skintool/SkinHue.h"
#include "tools/skintool/TSkinFiles.h"
#include "tools/skintool/TSkinLinter.h"
#include "tools/skintool/TSkinReport.h"

using namespace skintool;
using namespace skinsource;
using skintool_test::LoadProgramSkin;
using skintool_test::Prop;
using skintool_test::TempFolder;

namespace {

std::vector<std::uint8_t> Saved(TSeSkinSource& source, const std::string& folder,
                                const std::string& name) {
  const std::string path = (std::filesystem::path(folder) / name).string();
  TSkinFiles::SaveSkin(source, path);
  return TWholeFile::Read(path);
}

std::unique_ptr<TSeSkinSource> Loaded(const std::string& path) {
  auto source = std::make_unique<TSeSkinSource>(nullptr);
  TSkinFiles::LoadSkin(*source, path);
  return source;
}

bool HasProblem(const std::vector<std::string>& problems, const std::string& where,
                const std::string& what) {
  for (const std::string& p : problems)
    if (p.rfind(where + ":", 0) == 0 && p.find(what) != std::string::npos) return true;
  return false;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& l : lines) out += l + "\n";
  return out;
}

TEST(SkinToolRoundTrip, ExtractThenBuildGivesTheSameBytes) {
  const std::string folder = TempFolder("extract");
  const std::vector<std::uint8_t> original = TWholeFile::Read(QM_PROGRAM_SKIN_FILE);
  auto skin = LoadProgramSkin();
  TSkinFolder::Extract(*skin, folder);
  TSeSkinSource rebuilt(nullptr);
  TSkinFolder::Build(folder, rebuilt);
  EXPECT_EQ(Saved(rebuilt, folder, "rebuilt.cskn"), original);
}

TEST(SkinToolRoundTrip, ExtractedObjectsAreTheCommittedSources) {
  // The sources are in the tool's canonical form: extracting never rewrites an artist's file.
  const std::string folder = TempFolder("canonical");
  auto skin = LoadProgramSkin();
  TSkinFolder::Extract(*skin, folder);
  const TSkinManifestFile ours = TSkinManifestFile::Parse(
      TWholeFile::ReadText(std::string(QM_SKIN_SOURCES) + "/manifest.txt"), "manifest.txt");
  ASSERT_EQ(ours.objects.size(), 24u);
  for (const std::string& file : ours.objects)
    EXPECT_EQ(TWholeFile::ReadText(folder + "/objects/" + file),
              TWholeFile::ReadText(std::string(QM_SKIN_SOURCES) + "/objects/" + file))
        << file;
}

TEST(SkinToolRoundTrip, StandardFiltersAreLossless) {
  const std::string folder = TempFolder("filters");
  const std::vector<std::uint8_t> original = TWholeFile::Read(QM_PROGRAM_SKIN_FILE);
  auto skin = LoadProgramSkin();
  for (const char* name : {"a.uskn", "a.xskn", "a.cskn", "UPPER.USKN"}) {
    Saved(*skin, folder, name);
    auto back = Loaded(folder + "/" + name);
    EXPECT_EQ(Saved(*back, folder, "back.cskn"), original) << name;
  }
}

TEST(SkinToolRoundTrip, PackedFilterLosesOnlyTheLowColourBits) {
  const std::string folder = TempFolder("packed");
  auto skin = LoadProgramSkin();
  const std::vector<std::uint8_t> first = Saved(*skin, folder, "a.mskn");
  auto packed = Loaded(folder + "/a.mskn");
  EXPECT_EQ(packed->SkinName(), skin->SkinName());
  EXPECT_EQ(packed->AuthorURL(), skin->AuthorURL());
  EXPECT_EQ(TSkinReport::Tree(*packed), TSkinReport::Tree(*skin));
  ASSERT_EQ(packed->Bitmaps().Count(), skin->Bitmaps().Count());
  int changed = 0;
  for (int i = 0; i < skin->Bitmaps().Count(); ++i) {
    const TSeBitmap& a = *skin->Bitmaps().Bitmaps(i);
    const TSeBitmap& b = *packed->Bitmaps().Bitmaps(i);
    ASSERT_EQ(a.Name, b.Name);
    ASSERT_EQ(a.Width(), b.Width());
    ASSERT_EQ(a.Height(), b.Height());
    for (int y = 0; y < a.Height(); ++y)
      for (int x = 0; x < a.Width(); ++x) {
        const std::uint32_t p = a.Pixel(x, y), q = b.Pixel(x, y);
        if (p == kSeKeyColor) {
          ASSERT_EQ(q & 0xFFFFFFu, kSeKeyRGB) << a.Name << " " << x << "," << y;
          continue;
        }
        // 5 bits of red and blue, 6 of green.
        ASSERT_LE(std::abs(int(p >> 16 & 0xFF) - int(q >> 16 & 0xFF)), 8) << a.Name;
        ASSERT_LE(std::abs(int(p >> 8 & 0xFF) - int(q >> 8 & 0xFF)), 4) << a.Name;
        ASSERT_LE(std::abs(int(p & 0xFF) - int(q & 0xFF)), 8) << a.Name;
        changed += (p & 0xFFFFFF) != (q & 0xFFFFFF);
      }
  }
  EXPECT_GT(changed, 0) << "16-bit colour should round some pixels";
  // The loss happens once: packing the packed skin again keeps it.
  EXPECT_EQ(Saved(*packed, folder, "b.mskn"), first);
  auto viaStandard = Loaded((std::filesystem::path(folder) / "b.mskn").string());
  Saved(*viaStandard, folder, "c.uskn");
  auto again = Loaded(folder + "/c.uskn");
  EXPECT_EQ(Saved(*again, folder, "c.mskn"), first);
}

TEST(SkinToolHue, ShiftsBitmapsAndObjectColoursAsTheEngineDoes) {
  auto original = LoadProgramSkin();
  auto shifted = LoadProgramSkin();
  ApplyHue(*shifted, 85);
  for (int i = 0; i < original->Bitmaps().Count(); ++i) {
    const TSeBitmap& a = *original->Bitmaps().Bitmaps(i);
    const TSeBitmap& b = *shifted->Bitmaps().Bitmaps(i);
    for (int y = 0; y < a.Height(); ++y)
      for (int x = 0; x < a.Width(); ++x) {
        const std::uint32_t p = a.Pixel(x, y);
        ASSERT_EQ(b.Pixel(x, y), p == kSeKeyColor ? p : ShiftHuePixel(p, 85)) << a.Name;
      }
  }
  TSeSkinObject* form = shifted->GetObjectByName("Form");
  EXPECT_EQ(Prop(*form, "Color"), std::to_string(ShiftHueColor(14150122, 85)));
  TSeSkinObject* caption = shifted->GetObjectByName("GroupBox")->FindByName("Caption");
  EXPECT_EQ(Prop(*caption, "Font.Color"), std::to_string(ShiftHueColor(12937521, 85)));

  // A third of the colour circle: the blue caption is no longer blue.
  const TSeBitmap* picture = nullptr;
  for (int i = 0; i < shifted->Bitmaps().Count(); ++i)
    if (shifted->Bitmaps().Bitmaps(i)->Name == "FRAMECAPTION.BMP")
      picture = shifted->Bitmaps().Bitmaps(i);
  ASSERT_NE(picture, nullptr);
  const std::uint32_t mid = picture->Pixel(20, 15);
  EXPECT_FALSE((mid & 0xFF) > ((mid >> 16) & 0xFF) && (mid & 0xFF) > ((mid >> 8) & 0xFF))
      << std::hex << mid;
}

TEST(SkinToolHue, ZeroShiftLeavesTheSkinAlone) {
  // The engine applies nothing when the hue does not change, not even its rounding.
  const std::string folder = TempFolder("hue0");
  auto skin = LoadProgramSkin();
  ApplyHue(*skin, 0);
  EXPECT_EQ(Saved(*skin, folder, "h.cskn"), TWholeFile::Read(QM_PROGRAM_SKIN_FILE));
}

TEST(SkinToolLinter, ProgramSkinIsClean) {
  auto skin = LoadProgramSkin();
  EXPECT_EQ(Joined(TSkinLinter::Check(*skin)), "");
}

TEST(SkinToolLinter, FindsBrokenLinksRectanglesAndMargins) {
  auto skin = LoadProgramSkin();
  auto* face = ObjectAs<TSeButtonObject>(skin->GetObjectByName("Button")->FindByName("Face"));
  ASSERT_NE(face, nullptr);
  face->BitmapHot().SetName("NOSUCH.BMP");
  face->BitmapPressed().SetBottom(500);
  face->BitmapFocused().SetRight(0);
  auto* tab = ObjectAs<TSeBitmapObject>(skin->GetObjectByName("Tabs")->FindByName("Tab"));
  ASSERT_NE(tab, nullptr);
  tab->SetMarginLeft(15);  // 15 + 4 > 18
  const std::vector<std::string> problems = TSkinLinter::Check(*skin);
  EXPECT_TRUE(HasProblem(problems, "Button.Face.BitmapHot", "NOSUCH.BMP")) << Joined(problems);
  EXPECT_TRUE(HasProblem(problems, "Button.Face.BitmapPressed", "outside")) << Joined(problems);
  EXPECT_TRUE(HasProblem(problems, "Button.Face.BitmapFocused", "empty")) << Joined(problems);
  EXPECT_TRUE(HasProblem(problems, "Tabs.Tab.Bitmap", "margins")) << Joined(problems);
  EXPECT_EQ(problems.size(), 4u + 3u) << Joined(problems);  // the Tab's other state links too
}

TEST(SkinToolLinter, FindsDuplicateAndMissingObjects) {
  auto skin = LoadProgramSkin();
  skin->GetObjectByName("Splitter")->SetName("EDIT");
  delete skin->GetObjectByName("Tabs")->FindByName("Text");
  // Deeper in the tree, it shadows the part the scroll bar looks up by name.
  TSeSkinObject* bar = skin->GetObjectByName("ScrollBar");
  bar->FindByName("LeftButton")->FindByName("Glyph")->SetName("vertslider");
  const std::vector<std::string> problems = TSkinLinter::Check(*skin);
  EXPECT_TRUE(HasProblem(problems, "EDIT", "never found")) << Joined(problems);
  EXPECT_TRUE(HasProblem(problems, "Tabs.Text", "missing")) << Joined(problems);
  EXPECT_TRUE(HasProblem(problems, "ScrollBar.LeftButton.vertslider", "in place of"))
      << Joined(problems);
  delete skin->GetObjectByName("Form")->FindByName("Client");
  EXPECT_TRUE(HasProblem(TSkinLinter::Check(*skin), "Form", "skClient"));
}

TEST(SkinToolLinter, FindsStatePicturesOfAnotherSizeAndNegativeMargins) {
  auto skin = LoadProgramSkin();
  auto* face = ObjectAs<TSeButtonObject>(skin->GetObjectByName("Button")->FindByName("Face"));
  ASSERT_NE(face, nullptr);
  face->BitmapHot().SetBottom(45);  // 20 x 22 inside BUTTON.bmp, against the normal 20 x 23
  skin->GetObjectByName("Edit")->FindByName("Frame")->SetMarginTop(-1);
  const std::vector<std::string> problems = TSkinLinter::Check(*skin);
  EXPECT_TRUE(HasProblem(problems, "Button.Face.BitmapHot", "differs in size from Bitmap"))
      << Joined(problems);
  EXPECT_TRUE(HasProblem(problems, "Edit.Frame", "negative margin")) << Joined(problems);
  EXPECT_EQ(problems.size(), 2u) << Joined(problems);
}

TEST(SkinToolLinter, LinksFindTheLastBitmapOfTheirName) {
  // LISTVIEWHEADER.BMP occurs twice; the sort arrows are on the second picture.
  auto skin = LoadProgramSkin();
  TSeSkinObject* sortUp = skin->GetObjectByName("Header")->FindByName("SortUp");
  ASSERT_TRUE(skintool_test::SetProp(*sortUp, "Bitmap.Name", "listviewheader.bmp"));
  EXPECT_EQ(Joined(TSkinLinter::Check(*skin)), "");
  skin->Bitmaps().Bitmaps(55)->Name = "OTHER.BMP";
  EXPECT_TRUE(HasProblem(TSkinLinter::Check(*skin), "Header.SortUp.Bitmap", "lies outside"));
}

// Stored layouts are checked with the library's own layout, at the stored size: corner
// children stay where they are, edge children go where the edges put them, children sized by
// their text are left alone.
TEST(SkinToolLinter, FindsStoredLayoutsTheLayoutWouldChange) {
  TSeSkinSource source(nullptr);
  auto root = std::make_unique<TSeSkinObject>(nullptr);
  root->SetName("Root");
  root->SetBounds({0, 0, 100, 50});
  const auto child = [&](const char* name, TSeAlign align, TRect bounds) {
    auto* c = new TSeSkinObject(root.get());
    c->SetName(name);
    c->SetAlign(align);
    c->SetBounds(bounds);
    return c;
  };
  TSeSkinObject* top = child("Top", TSeAlign::saTop, {0, 0, 100, 10});
  child("BottomRight", TSeAlign::saBottomRight, {80, 30, 100, 50});
  child("BottomLeft", TSeAlign::saBottomLeft, {0, 40, 10, 50});
  child("TopRight", TSeAlign::saTopRight, {90, 10, 100, 20});
  child("Sized", TSeAlign::saText, {5, 5, 17, 9});
  TSeSkinObject* root_ = root.get();
  source.AddObject(std::move(root));
  const auto layout = [&]() {
    std::vector<std::string> found;
    for (const std::string& p : TSkinLinter::Check(source))
      if (p.find("stored bounds") != std::string::npos) found.push_back(p);
    return Joined(found);
  };
  EXPECT_EQ(layout(), "");
  top->SetBounds({0, 3, 100, 13});
  EXPECT_EQ(layout(),
            "Root.Top: stored bounds (0, 3, 100, 13) differ from the layout (0, 0, 100, 10)\n");
  top->SetBounds({0, 0, 100, 10});
  // A child of a corner child is laid out inside it.
  auto* inner = new TSeSkinObject(root_->FindByName("BottomRight"));
  inner->SetName("Inner");
  inner->SetAlign(TSeAlign::saClient);
  inner->SetBounds({80, 30, 100, 49});
  EXPECT_EQ(layout(),
            "Root.BottomRight.Inner: stored bounds (80, 30, 100, 49) differ from the layout (80, "
            "30, 100, 50)\n");
}

// A small skin made in code, for names and strings a skin file may carry.
std::unique_ptr<TSeSkinSource> OddSkin() {
  auto source = std::make_unique<TSeSkinSource>(nullptr);
  source->SetSkinName(" leading and trailing ");
  source->SetSkinVersion("");
  source->SetAuthor("O'Brien = #1");
  source->SetAuthorEMail("tab\there");
  source->SetAuthorURL("#not a comment");
  const char* names[] = {"../../escape.bmp", "a=b.bmp", "A=B.BMP", "'quoted'", "CON",
                         "lpt1.bmp",         ""};
  for (const char* name : names) {
    auto bitmap = std::make_unique<TSeBitmap>();
    bitmap->SetSize(3, 2);
    bitmap->Fill(0xFF112233);
    bitmap->SetPixel(1, 1, kSeKeyColor);
    bitmap->SetPixel(2, 0, 0x80445566);  // real alpha survives
    bitmap->Name = name;
    source->Bitmaps().Add(std::move(bitmap));
  }
  source->Bitmaps().Add(std::make_unique<TSeBitmap>());  // empty
  for (const char* name : {"..", "Form", "form", "a/b\\c"}) {
    auto object = std::make_unique<TSeSkinObject>(nullptr);
    object->SetName(name[0] == '.' || name[1] == '/' ? "" : name);
    source->AddObject(std::move(object));
  }
  return source;
}

TEST(SkinToolExtract, OddNamesStayInsideTheFolderAndComeBack) {
  const std::string folder = TempFolder("odd");
  auto skin = OddSkin();
  TMemoryStream first;
  skin->SaveToStream(first);
  TSkinFolder::Extract(*skin, folder + "/out");
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    const std::string path = entry.path().lexically_normal().string();
    EXPECT_EQ(path.rfind(std::filesystem::path(folder + "/out").lexically_normal().string(), 0), 0u)
        << path;
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder + "/out/bitmaps"),
                          std::filesystem::directory_iterator()),
            8);
  EXPECT_TRUE(std::filesystem::exists(folder + "/out/bitmaps/_CON"));
  EXPECT_TRUE(std::filesystem::exists(folder + "/out/bitmaps/_lpt1.bmp"));
  TSeSkinSource rebuilt(nullptr);
  TSkinFolder::Build(folder + "/out", rebuilt);
  EXPECT_EQ(rebuilt.SkinName(), " leading and trailing ");
  EXPECT_EQ(rebuilt.Author(), "O'Brien = #1");
  EXPECT_EQ(rebuilt.AuthorEMail(), "tab\there");
  EXPECT_EQ(rebuilt.AuthorURL(), "#not a comment");
  TMemoryStream second;
  rebuilt.SaveToStream(second);
  EXPECT_EQ(second.Bytes(), first.Bytes());
}

std::vector<std::uint8_t> Bmp(std::int32_t width, std::int32_t height, int bpp,
                              const std::vector<std::uint8_t>& pixels) {
  std::vector<std::uint8_t> out = {'B', 'M'};
  const auto put = [&out](std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  put(54 + static_cast<std::uint32_t>(pixels.size()), 4);
  put(0, 4);
  put(54, 4);
  put(40, 4);
  put(static_cast<std::uint32_t>(width), 4);
  put(static_cast<std::uint32_t>(height), 4);
  put(1, 2);
  put(static_cast<std::uint32_t>(bpp), 2);
  for (int i = 0; i < 6; ++i) put(0, 4);
  out.insert(out.end(), pixels.begin(), pixels.end());
  return out;
}

TEST(SkinToolBuild, PicturesWithoutAlphaBecomeOpaqueAndMagentaBecomesTheKey) {
  const std::string folder = TempFolder("alpha");
  std::filesystem::create_directories(folder + "/bitmaps");
  std::filesystem::create_directories(folder + "/objects");
  // No alpha at all; real alpha; near-magenta in both.
  TWholeFile::Write(folder + "/bitmaps/plain.bmp",
                    Bmp(2, 1, 32, {10, 20, 30, 0, 0xFB, 3, 0xFC, 0}));
  TWholeFile::Write(folder + "/bitmaps/alpha.bmp",
                    Bmp(2, 1, 32, {10, 20, 30, 0x40, 0xFF, 0, 0xFF, 0}));
  TWholeFile::WriteText(folder + "/objects/Form.txt",
                        "object Form: TSeSkinObject\r\n  Width = 10\r\nend\r\n");
  TWholeFile::WriteText(folder + "/manifest.txt",
                        "SkinName = t\n[bitmaps]\nPLAIN = plain.bmp\nALPHA = alpha.bmp\n"
                        "[objects]\nForm.txt\n");
  TSeSkinSource source(nullptr);
  TSkinFolder::Build(folder, source);
  ASSERT_EQ(source.Bitmaps().Count(), 2);
  EXPECT_EQ(source.Bitmaps().Bitmaps(0)->Pixel(0, 0), 0xFF1E140Au);
  EXPECT_EQ(source.Bitmaps().Bitmaps(0)->Pixel(1, 0), kSeKeyColor);
  EXPECT_EQ(source.Bitmaps().Bitmaps(1)->Pixel(0, 0), 0x401E140Au);
  EXPECT_EQ(source.Bitmaps().Bitmaps(1)->Pixel(1, 0), kSeKeyColor);
  ASSERT_EQ(source.Count(), 1);
  EXPECT_EQ(source.Objects(0)->Width(), 10);
}

TEST(SkinToolBuild, BadSourcesNameTheFileAndKeepTheSkin) {
  const std::string folder = TempFolder("badsources");
  auto skin = LoadProgramSkin();
  TSkinFolder::Extract(*skin, folder);
  const std::string button = folder + "/objects/Button.txt";
  const std::string text = TWholeFile::ReadText(button);
  const struct {
    std::string replaced, with, message;
  } cases[] = {
      {"TSeButtonObject", "TNoSuchObject", "Button.txt"},
      {"Width = 75", "Wdth = 75", "Wdth"},
      {"Align = saClient", "Align = saNowhere", "Button.txt"},
      {"end\r\n", "", "Button.txt"},
  };
  for (const auto& c : cases) {
    std::string broken = text;
    broken.replace(broken.find(c.replaced), c.replaced.size(), c.with);
    TWholeFile::WriteText(button, broken);
    TSeSkinSource target(nullptr);
    target.SetSkinName("kept");
    try {
      TSkinFolder::Build(folder, target);
      ADD_FAILURE() << c.with;
    } catch (const ESkinSourceError& e) {
      EXPECT_NE(e.Message().find(c.message), std::string::npos) << e.Message();
    }
    EXPECT_EQ(target.SkinName(), "kept");
    EXPECT_EQ(target.Count(), 0);
  }
  TWholeFile::WriteText(button, text);
  std::filesystem::remove(folder + "/bitmaps/GROUPBOX.BMP");
  TSeSkinSource target(nullptr);
  EXPECT_THROW(TSkinFolder::Build(folder, target), ESkinSourceError);
}

TEST(SkinToolObjectSource, NestedChildrenReadBackIntoTheSameTree) {
  auto skin = LoadProgramSkin();
  TSeSkinObject* form = skin->GetObjectByName("Form");
  const std::string text = TSkinObjectSource::Write(*form);
  EXPECT_EQ(text.find("Objects = "), std::string::npos);
  const auto back = TSkinObjectSource::Read(text, "Form.txt");
  EXPECT_EQ(TSkinObjectSource::Write(*back), text);
  EXPECT_EQ(back->FindByName("CloseButton")->ParentObject()->Name(), "ButtonContainer");
}

}  // namespace
