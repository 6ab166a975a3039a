// The checks of `skinart --check`, proved on the program's skin as its sources build it: the
// sources pass, and each planted fault is reported.
#include "tools/skintool/TProgramSkinChecker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "skin/objects/TSeBitmap.h"
#include "tests/tools/skintool/SkinToolTestSupport.h"
#include "tools/skinsource/TSkinFolder.h"
#include "tools/skintool/TSkinLinter.h"

using skinsource::TSkinFolder;
using skintool::TProgramSkinChecker;
using skintool::TSkinLinter;
using skintool_test::SetProp;

namespace {

class TProgramSkinCheckerTest : public ::testing::Test {
 protected:
  void SetUp() override { TSkinFolder::Build(QM_SKIN_SOURCES, skin_); }

  TSeSkinObject* Find(const std::string& top, const std::string& name) {
    TSeSkinObject* object = skin_.GetObjectByName(top);
    return object != nullptr ? object->FindByName(name) : nullptr;
  }

  void Set(const std::string& top, const std::string& name, const std::string& property,
           const std::string& value) {
    TSeSkinObject* object = Find(top, name);
    ASSERT_NE(object, nullptr) << name;
    ASSERT_TRUE(SetProp(*object, property, value)) << name << "." << property;
  }

  // What `skinart --check` reports: the linter's findings and the program's facts.
  std::vector<std::string> Problems() {
    std::vector<std::string> problems = TSkinLinter::Check(skin_);
    for (std::string& p : TProgramSkinChecker::Check(skin_)) problems.push_back(p);
    return problems;
  }

  // Whether some problem mentions every one of the given fragments.
  bool Reports(std::initializer_list<std::string> fragments) {
    for (const auto& p : Problems())
      if (std::all_of(fragments.begin(), fragments.end(),
                      [&](const std::string& f) { return p.find(f) != std::string::npos; }))
        return true;
    return false;
  }

  TSeSkinSource skin_{nullptr};
};

TEST_F(TProgramSkinCheckerTest, TheProgramsSourcesHaveNoProblems) {
  for (const auto& p : TSkinFolder::CheckSources(QM_SKIN_SOURCES)) ADD_FAILURE() << p;
  for (const auto& p : Problems()) ADD_FAILURE() << p;
}

TEST_F(TProgramSkinCheckerTest, ReportsCountsOrderAndMissingParts) {
  delete Find("Tabs", "Tab");
  EXPECT_TRUE(Reports({"165 objects"}));
  EXPECT_TRUE(Reports({"58 TSeButtonObject"}));
  EXPECT_TRUE(Reports({"missing object Tabs/Tab"}));
  skin_.GetObjectByName("MenuBar")->SetName("Menubar");
  EXPECT_TRUE(Reports({"top-level object 1 is Menubar, expected MenuBar"}));
  skin_.Bitmaps().Add(std::make_unique<TSeBitmap>());
  EXPECT_TRUE(Reports({"58 bitmaps"}));
  skin_.SetAuthorEMail("me@quillmar.com");
  EXPECT_TRUE(Reports({"reserved example domain"}));
  skin_.SetSkinVersion("2.0.1");
  EXPECT_TRUE(Reports({"skin version is \"2.0.1\""}));
}

TEST_F(TProgramSkinCheckerTest, ReportsLayoutsAsTheLibraryLaysThemOut) {
  Find("Form", "CloseButton")->SetLeft(349);
  EXPECT_TRUE(Reports({"CloseButton: stored bounds (349, 5, 370, 26) differ from the layout"}));
  EXPECT_TRUE(Reports({"CloseButton must be at 350, 5 in a 375 x 247 frame"}));
  // The caption buttons follow a wider frame only as a corner child's children.
  Set("Form", "ButtonContainer", "Align", "saNone");
  EXPECT_TRUE(Reports({"CloseButton must be at 615, 5 in a 640 x 480 frame"}));
  Set("Form", "Bottom", "Height", "6");
  EXPECT_TRUE(Reports({"rolled-up frame must be 34 high"}));
}

TEST_F(TProgramSkinCheckerTest, ReportsLooksThatDoNotTellStatesApart) {
  Set("Button", "Face", "BitmapHot.Top", "0");
  Set("Button", "Face", "BitmapHot.Bottom", "23");
  EXPECT_TRUE(Reports({"Button/Face: BitmapHot hardly differs"}));
  EXPECT_TRUE(Reports({"Button/Face.BitmapHot is not BUTTON.bmp"}));
  skin_.Bitmaps().Bitmaps(0)->SetPixel(0, 0, 0xFF0000FF);  // FRAMECAPTION.BMP, active half
  EXPECT_TRUE(Reports({"CaptionLeft.ActiveBitmap needs a transparent rounded corner"}));
  EXPECT_FALSE(Reports({"CaptionLeft.Bitmap needs"}));
}

TEST_F(TProgramSkinCheckerTest, ReportsGridAndTextColours) {
  Set("Grid", "Cell", "FocusedColor", "12937520");
  EXPECT_TRUE(Reports({"Grid/Cell.FocusedColor is 12937520, expected 12937521"}));
  Set("CheckBox", "Text", "FontDisabled.Color", "12632256");
  EXPECT_TRUE(Reports({"CheckBox/Text.FontDisabled.Color is 12632256"}));
}

TEST_F(TProgramSkinCheckerTest, ReportsTheFramesPartsOutOfPlace) {
  Find("Form", "SysMenu")->SetLeft(40);
  EXPECT_TRUE(Reports({"SysMenu must sit at the top left"}));
  Set("Form", "MinButton", "Action", "sbaMaximize");
  EXPECT_TRUE(Reports({"MinButton.Action is sbaMaximize, expected sbaMinimize"}));
  Set("Form", "Left", "Bitmap.Left", "0");
  Set("Form", "Left", "Bitmap.Right", "5");
  EXPECT_TRUE(Reports({"Left needs distinct active and inactive pictures"}));
  TSeSkinObject* container = Find("Form", "ButtonContainer");
  TSeSkinObject* close = container->Objects(0);
  container->RemoveComponent(close);
  container->InsertComponent(close);
  EXPECT_TRUE(Reports({"ButtonContainer/RestoreButton must be CloseButton"}));
}

// A masked title with children gives the window only its children's shapes, and the title's
// own picture is cut away.
TEST_F(TProgramSkinCheckerTest, ReportsAWindowRegionThatCutsAwayWhatTheFramePaints) {
  EXPECT_FALSE(Reports({"window region"}));
  Set("Form", "Title", "Masked", "True");
  EXPECT_TRUE(Reports({"the frame's window region leaves"}));
}

}  // namespace
