#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tools/skinart/SkinChecker.h"
#include "tools/skinart/SkinLayout.h"
#include "tools/skinart/SkinText.h"

namespace skinart {
namespace {

// The checker is proved on the real sources: they pass, and each planted fault is reported.
class SkinCheckerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { pristine_ = new SkinSources(SkinSources::Load(QM_SKIN_SOURCES)); }
  static void TearDownTestSuite() { delete pristine_; }

  void SetUp() override {
    skin_ = std::make_unique<SkinSources>(SkinSources::Load(QM_SKIN_SOURCES));
  }

  SkinTextObject* Find(const std::string& top, const std::string& name) {
    for (auto& o : skin_->objects)
      if (o->name == top) return const_cast<SkinTextObject*>(o->FindByName(name));
    return nullptr;
  }

  static void SetProperty(SkinTextObject* o, const std::string& key, const std::string& value) {
    ASSERT_NE(o, nullptr);
    for (auto& [k, v] : o->properties)
      if (k == key) {
        v = value;
        return;
      }
    FAIL() << key << " is not written on " << o->name;
  }

  // Whether some problem mentions every one of the given fragments.
  bool Reports(std::initializer_list<std::string> fragments) {
    for (const auto& p : SkinChecker::Check(*skin_))
      if (std::all_of(fragments.begin(), fragments.end(),
                      [&](const std::string& f) { return p.find(f) != std::string::npos; }))
        return true;
    return false;
  }

  static SkinSources* pristine_;
  std::unique_ptr<SkinSources> skin_;
};

SkinSources* SkinCheckerTest::pristine_ = nullptr;

TEST_F(SkinCheckerTest, TheProgramsSkinHasNoProblems) {
  const auto problems = SkinChecker::Check(*pristine_);
  for (const auto& p : problems) ADD_FAILURE() << p;
}

TEST_F(SkinCheckerTest, ReportsCountsOrderAndMissingParts) {
  auto& tabs = *skin_->objects[16];
  tabs.children.erase(tabs.children.begin());  // drop "Tab"
  EXPECT_TRUE(Reports({"165 objects"}));
  EXPECT_TRUE(Reports({"58 TSeButtonObject"}));
  EXPECT_TRUE(Reports({"missing object Tabs/Tab"}));
  std::swap(skin_->objects[1], skin_->objects[2]);
  EXPECT_TRUE(Reports({"top-level object 1 is PopupMenu"}));
  skin_->bitmaps.pop_back();
  EXPECT_TRUE(Reports({"56 bitmaps"}));
}

TEST_F(SkinCheckerTest, ReportsPropertiesTheTextFormWouldNotWrite) {
  auto* face = Find("Button", "Face");
  std::swap(face->properties[0], face->properties[1]);
  EXPECT_TRUE(Reports({"Button/Face", "out of stored order"}));
  auto* text = Find("Button", "Text");
  text->properties.emplace_back("Bitmap.Name", "'BUTTON.bmp'");
  EXPECT_TRUE(Reports({"Button/Text", "has no property Bitmap.Name"}));
  SetProperty(Find("Form", "Title"), "TextEffect", "teNone");
  EXPECT_TRUE(Reports({"TextEffect is written at its default value"}));
  SetProperty(Find("Form", "Title"), "Font.Color", "16777215");  // has a name: clWhite
  EXPECT_TRUE(Reports({"bad value for Font.Color"}));
  SetProperty(Find("Form", "Caption"), "Align", "saUp");
  EXPECT_TRUE(Reports({"bad value for Align"}));
}

TEST_F(SkinCheckerTest, ReportsBrokenLinksAndMargins) {
  SetProperty(Find("GroupBox", "Frame"), "Bitmap.Right", "17");
  EXPECT_TRUE(Reports({"GroupBox/Frame", "lies outside GROUPBOX.BMP"}));
  SetProperty(Find("ListBox", "Frame"), "Bitmap.Name", "'NOSUCH.BMP'");
  EXPECT_TRUE(Reports({"ListBox/Frame", "names no bitmap"}));
  SetProperty(Find("Panel", "Frame"), "MarginLeft", "12");
  EXPECT_TRUE(Reports({"Panel/Frame", "margins larger than the Bitmap picture"}));
  // The duplicated name resolves to the later bitmap, which holds the sort arrows.
  SetProperty(Find("Header", "SortUp"), "Bitmap.Name", "'listviewheader.bmp'");
  EXPECT_FALSE(Reports({"Header/SortUp"}));
  skin_->bitmaps[55].name = "OTHER.BMP";
  EXPECT_TRUE(Reports({"Header/SortUp", "lies outside listviewheader.bmp"}));
}

TEST_F(SkinCheckerTest, ReportsStoredLayoutsThatTheLayoutWouldChange) {
  SetProperty(Find("Form", "CloseButton"), "Left", "349");
  EXPECT_TRUE(Reports({"CloseButton: stored bounds differ from the layout"}));
  EXPECT_TRUE(Reports({"CloseButton must be at 350, 5"}));
  SetProperty(Find("Form", "Bottom"), "Height", "6");
  EXPECT_TRUE(Reports({"rolled-up frame must be 34 high"}));
}

TEST_F(SkinCheckerTest, ReportsLooksThatDoNotTellStatesApart) {
  SetProperty(Find("Button", "Face"), "BitmapHot.Top", "0");
  SetProperty(Find("Button", "Face"), "BitmapHot.Bottom", "23");
  EXPECT_TRUE(Reports({"Button/Face: BitmapHot hardly differs"}));
  EXPECT_TRUE(Reports({"Button/Face.BitmapHot is not BUTTON.bmp"}));
  auto& caption = skin_->bitmaps[0];
  caption.picture.Set(0, 0, TRgb{0, 0, 255});
  EXPECT_TRUE(Reports({"CaptionLeft.ActiveBitmap needs a transparent rounded corner"}));
}

TEST_F(SkinCheckerTest, ReportsGridAndTextColours) {
  SetProperty(Find("Grid", "Cell"), "FocusedColor", "12937520");
  EXPECT_TRUE(Reports({"Grid/Cell.FocusedColor"}));
  SetProperty(Find("CheckBox", "Text"), "FontDisabled.Color", "clSilver");
  EXPECT_TRUE(Reports({"CheckBox/Text.FontDisabled.Color"}));
}

TEST_F(SkinCheckerTest, ReportsStructuralFaultsOfTheSources) {
  auto* panel = Find("Panel", "Panel");
  panel->children[1]->name = "caption";  // clashes with "Caption" ignoring case
  EXPECT_TRUE(Reports({"Panel: duplicate child name caption"}));
  Find("Grid", "Lines")->className = "TSeLabelObject";
  EXPECT_TRUE(Reports({"Grid/Lines: unknown class TSeLabelObject"}));
  auto* check = Find("CheckBox", "Text");
  check->properties.erase(std::find_if(check->properties.begin(), check->properties.end(),
                                       [](const auto& p) { return p.first == "Font.Charset"; }));
  EXPECT_TRUE(Reports({"CheckBox/Text: Font.Charset is not written"}));
  skin_->manifest.objects[3] = "Checkbox.txt";
  EXPECT_TRUE(Reports({"Checkbox.txt holds object CheckBox"}));
  skin_->manifest.authorEMail = "me@quillmar.com";
  EXPECT_TRUE(Reports({"reserved example domain"}));
  skin_->manifest.skinVersion = "2.0.1";
  EXPECT_TRUE(Reports({"skin version is \"2.0.1\""}));
}

TEST_F(SkinCheckerTest, ReportsTheFramesPartsOutOfPlace) {
  SetProperty(Find("Form", "SysMenu"), "Left", "40");
  EXPECT_TRUE(Reports({"SysMenu must sit at the top left"}));
  SetProperty(Find("Form", "MinButton"), "Action", "sbaMaximize");
  EXPECT_TRUE(Reports({"MinButton.Action is sbaMaximize"}));
  SetProperty(Find("Form", "Left"), "Bitmap.Left", "0");
  SetProperty(Find("Form", "Left"), "Bitmap.Right", "5");
  EXPECT_TRUE(Reports({"Left needs distinct active and inactive pictures"}));
  auto* container = Find("Form", "ButtonContainer");
  std::swap(container->children[0], container->children[1]);
  EXPECT_TRUE(Reports({"ButtonContainer/RestoreButton must be CloseButton"}));
  // A masked title with children would give the window only its buttons' shapes.
  auto* title = Find("Form", "Title");
  title->properties.erase(std::find_if(title->properties.begin(), title->properties.end(),
                                       [](const auto& p) { return p.first == "Masked"; }));
  EXPECT_TRUE(Reports({"the frame's window region leaves"}));
}

std::unique_ptr<SkinTextObject> Tree(const std::string& lf) {
  std::string text;
  for (char c : lf) {
    if (c == '\n') text += '\r';
    text += c;
  }
  return SkinTextParser::Parse(text, "tree");
}

TEST(SkinLayoutTest, EdgePassesRunMostFirstThenClientAndCentre) {
  const auto t = Tree(
      "object R: TSeSkinObject\n  Height = 100\n  Width = 100\n"
      "  object T: TSeSkinObject\n    Align = saTop\n    Height = 10\n  end\n"
      "  object MT: TSeSkinObject\n    Align = saMostTop\n    Height = 5\n  end\n"
      "  object L: TSeSkinObject\n    Align = saLeft\n    Width = 7\n  end\n"
      "  object C: TSeSkinObject\n    Align = saClient\n  end\n"
      "  object M: TSeSkinObject\n    Align = saCenter\n    Height = 4\n    Width = 5\n  end\n"
      "end\n");
  SkinLayout l(*t);
  l.Realign();
  EXPECT_EQ(l.Find("MT")->Bounds(), (LayoutRect{0, 0, 100, 5}));
  EXPECT_EQ(l.Find("T")->Bounds(), (LayoutRect{0, 5, 100, 15}));
  EXPECT_EQ(l.Find("L")->Bounds(), (LayoutRect{0, 15, 7, 100}));
  EXPECT_EQ(l.Find("C")->Bounds(), (LayoutRect{7, 15, 100, 100}));
  // Centred in the remaining 93 x 85, halves rounded toward zero: 7 + 44, 15 + 40.
  EXPECT_EQ(l.Find("M")->Bounds(), (LayoutRect{51, 55, 56, 59}));
}

TEST(SkinLayoutTest, TopRightChildrenKeepTheirDistanceFromTheRightEdge) {
  const auto t = Tree(
      "object R: TSeSkinObject\n  Height = 30\n  Width = 100\n"
      "  object B: TSeSkinObject\n    Align = saTopRight\n    Left = 80\n    Height = 5\n"
      "    Width = 15\n  end\nend\n");
  SkinLayout l(*t);
  l.Realign();  // no previous size yet: stays
  EXPECT_EQ(l.Find("B")->Bounds(), (LayoutRect{80, 0, 95, 5}));
  l.SetBounds({0, 0, 160, 30});
  EXPECT_EQ(l.Find("B")->Bounds(), (LayoutRect{140, 0, 155, 5}));
  l.SetBounds({0, 0, 160, 30});  // same bounds: no second shift
  EXPECT_EQ(l.Find("B")->Bounds(), (LayoutRect{140, 0, 155, 5}));
}

}  // namespace
}  // namespace skinart
