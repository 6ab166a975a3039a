// The program's skin as the build made it from resources/skin: every fact the frame and the
// controls rely on, read back from the built file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>

#include "framework/core/ObjectText.h"
#include "framework/core/TMemoryStream.h"
#include "framework/core/TReadOnlyMemoryStream.h"
#include "framework/core/TStream.h"
#include "skin/objects/SkinObjectRegistry.h"
#include "skin/objects/TSeBitmap.h"
#include "skin/store/TDecompressionStream.h"
#include "skin/store/TSeSkinFilterUncompressed.h"
#include "tests/tools/skintool/SkinToolTestSupport.h"
#include "tools/skinsource/TWholeFile.h"
#include "tools/skintool/TSkinReport.h"

using skintool_test::Prop;

namespace {

class ProgramSkinTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { skin_ = skintool_test::LoadProgramSkin().release(); }
  static void TearDownTestSuite() {
    delete skin_;
    skin_ = nullptr;
  }

  static TSeSkinObject& Top(const std::string& name) {
    TSeSkinObject* object = skin_->GetObjectByName(name);
    if (object == nullptr) throw std::runtime_error("no top-level object " + name);
    return *object;
  }
  // A descendant by name path from a top-level object ("Form", "Caption", "Title").
  static TSeSkinObject& Part(const std::string& top, const std::vector<std::string>& path) {
    TSeSkinObject* object = &Top(top);
    for (const std::string& name : path) {
      TSeSkinObject* found = nullptr;
      for (int i = 0; i < object->ObjectCount() && found == nullptr; ++i)
        if (object->Objects(i)->Name() == name) found = object->Objects(i);
      if (found == nullptr) throw std::runtime_error(object->Name() + " has no child " + name);
      object = found;
    }
    return *object;
  }
  static std::vector<std::string> ChildNames(const TSeSkinObject& object) {
    std::vector<std::string> names;
    for (int i = 0; i < object.ObjectCount(); ++i) names.push_back(object.Objects(i)->Name());
    return names;
  }
  static const TSeBitmap* Bitmap(const std::string& name) {
    for (int i = 0; i < skin_->Bitmaps().Count(); ++i)
      if (skin_->Bitmaps().Bitmaps(i)->Name == name) return skin_->Bitmaps().Bitmaps(i);
    return nullptr;
  }
  static std::string Link(const TObject& object, const std::string& link) {
    return Prop(object, link + ".Name") + " " + Prop(object, link + ".Left") + "," +
           Prop(object, link + ".Top") + "," + Prop(object, link + ".Right") + "," +
           Prop(object, link + ".Bottom");
  }
  static std::string Bounds(const TSeSkinObject& o) {
    return std::to_string(o.Left()) + "," + std::to_string(o.Top()) + " " +
           std::to_string(o.Width()) + "x" + std::to_string(o.Height());
  }

  static TSeSkinSource* skin_;
};
TSeSkinSource* ProgramSkinTest::skin_ = nullptr;

TEST_F(ProgramSkinTest, HeaderNamesTheSkinAndAnExampleAuthor) {
  EXPECT_EQ(skin_->SkinName(), "ZaduVadazo VA Skin");
  EXPECT_EQ(skin_->SkinVersion(), "2.0.0");
  EXPECT_FALSE(skin_->Author().empty());
  // Contact addresses stay in the reserved example domains.
  EXPECT_NE(skin_->AuthorEMail().find("@example."), std::string::npos) << skin_->AuthorEMail();
  EXPECT_EQ(skin_->AuthorURL().rfind("http://", 0), 0u) << skin_->AuthorURL();
  EXPECT_NE(skin_->AuthorURL().find("example."), std::string::npos) << skin_->AuthorURL();
}

TEST_F(ProgramSkinTest, HoldsFiftySevenBitmapsWithTheNamedSheets) {
  ASSERT_EQ(skin_->Bitmaps().Count(), 57);
  int listViewHeaders = 0;
  for (int i = 0; i < skin_->Bitmaps().Count(); ++i) {
    const TSeBitmap& b = *skin_->Bitmaps().Bitmaps(i);
    if (b.Name == "LISTVIEWHEADER.BMP") ++listViewHeaders;
    EXPECT_FALSE(b.IsEmpty()) << b.Name;
  }
  EXPECT_EQ(listViewHeaders, 2);
  for (const char* name : {"FRAMECAPTION.BMP", "GROUPBOX.BMP", "TABPANEEDGE.BMP"})
    EXPECT_NE(Bitmap(name), nullptr) << name;
  // Eight 21 x 21 frames stacked; five 23-high button cells; four 18 x 18 tab cells.
  const TSeBitmap* close = Bitmap("CLOSEBUTTON.bmp");
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->Width(), 21);
  EXPECT_EQ(close->Height(), 168);
  const TSeBitmap* button = Bitmap("BUTTON.bmp");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Width(), 20);
  EXPECT_GE(button->Height(), 5 * 23);
  const TSeBitmap* tab = Bitmap("TABITEM.BMP");
  ASSERT_NE(tab, nullptr);
  EXPECT_GE(tab->Width() * tab->Height(), 4 * 18 * 18);
}

TEST_F(ProgramSkinTest, PicturesAreOpaqueExceptWhereMagentaWasPainted) {
  // Hue shifts skip pixels of alpha 0, so everything but the key colour must be opaque.
  int key = 0;
  for (int i = 0; i < skin_->Bitmaps().Count(); ++i) {
    const TSeBitmap& b = *skin_->Bitmaps().Bitmaps(i);
    const std::uint32_t* p = b.Bits();
    for (std::size_t n = 0; n < std::size_t(b.Width()) * std::size_t(b.Height()); ++n) {
      if (p[n] == kSeKeyColor) {
        ++key;
        continue;
      }
      ASSERT_EQ(p[n] >> 24, 0xFFu) << b.Name << " pixel " << n;
    }
  }
  EXPECT_GT(key, 0);  // rounded corners and glyph backgrounds
}

TEST_F(ProgramSkinTest, TwentyFourTopLevelObjectsInOrder) {
  const std::vector<std::string> expected = {
      "Form",       "MenuBar",     "PopupMenu",  "CheckBox",    "RadioButton", "ScrollBar",
      "Button",     "SpeedButton", "GroupBox",   "ProgressBar", "TrackBar",    "ListBox",
      "Edit",       "ComboBox",    "SpinButton", "Panel",       "Tabs",        "Grid",
      "ControlBar", "Toolbar",     "Header",     "StatusBar",   "ScrollBox",   "Splitter"};
  std::vector<std::string> names;
  for (const auto& object : skin_->AllObjects()) {
    names.push_back(object->Name());
    EXPECT_EQ(object->ClassName(), "TSeSkinObject") << object->Name();
  }
  EXPECT_EQ(names, expected);
  EXPECT_EQ(skin_->GetObjectByName("Label"), nullptr);
  EXPECT_EQ(skin_->GetObjectByName("ToolWindow"), nullptr);
}

TEST_F(ProgramSkinTest, HundredSixtySixObjectsByClass) {
  const std::map<std::string, int> expected = {
      {"TSeButtonObject", 59}, {"TSeSkinObject", 55},      {"TSeBitmapObject", 24},
      {"TSeSystemButton", 9},  {"TSeActiveBitmap", 8},     {"TSeTextObject", 7},
      {"TSeActiveObject", 3},  {"TSeColorButtonObject", 1}};
  EXPECT_EQ(skintool::TSkinReport::ClassCounts(*skin_), expected);
  EXPECT_EQ(skintool::TSkinReport::ObjectCount(*skin_), 166);
}

// The built file itself: tag, zlib at the fastest level, top-level records as text and every
// children blob marked binary; the SkinStream file is the envelope byte and the same bytes.
TEST_F(ProgramSkinTest, BuiltFileStoresTextRecordsWithBinaryChildren) {
  const std::vector<std::uint8_t> file = skinsource::TWholeFile::Read(QM_PROGRAM_SKIN_FILE);
  ASSERT_GT(file.size(), 6u);
  EXPECT_EQ(std::string(file.begin(), file.begin() + 4), "QNWB");
  EXPECT_EQ(file[4], 0x78);
  EXPECT_EQ(file[5], 0x01);
  const std::vector<std::uint8_t> stream = skinsource::TWholeFile::Read(QM_PROGRAM_SKIN_STREAM);
  ASSERT_EQ(stream.size(), file.size() + 1);
  EXPECT_EQ(stream[0], 2);
  EXPECT_TRUE(std::equal(file.begin(), file.end(), stream.begin() + 1));

  TReadOnlyMemoryStream packed(file.data() + 4, file.size() - 4);
  TMemoryStream content;
  {
    TDecompressionStream inflate(packed);
    std::uint8_t buffer[4096];
    for (std::size_t n; (n = inflate.Read(buffer, sizeof buffer)) > 0;)
      content.WriteBuffer(buffer, n);
  }
  content.SetPosition(0);
  const auto readString = [&content]() {
    const std::int32_t n = content.ReadInt32();
    EXPECT_GE(n, 0);
    EXPECT_LE(n, content.Remaining());
    std::string s(static_cast<std::size_t>(n), '\0');
    content.ReadBuffer(s.data(), s.size());
    return s;
  };
  for (int i = 0; i < 5; ++i) readString();
  const std::int32_t bitmaps = content.ReadInt32();
  ASSERT_EQ(bitmaps, 57);
  for (int i = 0; i < bitmaps; ++i) {
    readString();
    const std::int32_t w = content.ReadInt32(), h = content.ReadInt32();
    content.Seek(std::int64_t{w} * h * 4, TSeekOrigin::soCurrent);
  }
  ASSERT_EQ(content.ReadInt32(), 24);
  int blobs = 0;
  // Walks one object's text form: every "Objects = {...}" must carry the binary marker.
  std::function<void(const std::string&)> walk = [&](const std::string& text) {
    const std::size_t at = text.find("  Objects = {");
    ASSERT_NE(at, std::string::npos);
    std::string hex;
    for (std::size_t i = text.find('{', at) + 1; text[i] != '}'; ++i)
      if (std::isxdigit(static_cast<unsigned char>(text[i]))) hex += text[i];
    std::vector<std::uint8_t> blob;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
      blob.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    ++blobs;
    TReadOnlyMemoryStream in(blob.data(), blob.size());
    const std::uint32_t word = in.ReadUInt32();
    ASSERT_EQ(word & 0x000F0000u, 0x000F0000u) << text.substr(0, 40);
    for (std::uint32_t c = 0; c < (word & 0xFFFFu); ++c) {
      const std::int32_t nameLength = in.ReadInt32();
      in.Seek(nameLength, TSeekOrigin::soCurrent);
      std::vector<std::uint8_t> form(static_cast<std::size_t>(in.ReadInt32()));
      in.ReadBuffer(form.data(), form.size());
      ASSERT_EQ(std::string(form.begin(), form.begin() + 4), "TPF0");
      walk(ObjectBinaryToText(form));
    }
    EXPECT_EQ(in.Remaining(), 0);
  };
  for (int i = 0; i < 24; ++i) {
    EXPECT_EQ(readString(), "TSeSkinObject");
    const std::string text = readString();
    ASSERT_EQ(text.rfind("object ", 0), 0u) << "a top-level record in text form";
    walk(text);
  }
  EXPECT_EQ(blobs, 166);
  EXPECT_EQ(content.Remaining(), 0) << "the content ends after the last object";
}

TEST_F(ProgramSkinTest, FormIsTheMaskedFaceColouredFrame) {
  const TSeSkinObject& form = Top("Form");
  EXPECT_EQ(Bounds(form), "0,0 375x247");
  EXPECT_EQ(Prop(form, "Masked"), "True");
  EXPECT_EQ(Prop(form, "Color"), "14150122");
  EXPECT_EQ(Prop(form, "Font.Name"), "MS Sans Serif");
  EXPECT_EQ(Prop(form, "Font.Height"), "-11");
}

TEST_F(ProgramSkinTest, CaptionHasCornersAndAStretchedTitle) {
  const TSeSkinObject& caption = Part("Form", {"Caption"});
  EXPECT_EQ(Bounds(caption), "0,0 375x29");
  const TSeSkinObject& left = Part("Form", {"Caption", "CaptionLeft"});
  EXPECT_EQ(Prop(left, "Align"), "saLeft");
  EXPECT_EQ(left.Width(), 10);
  EXPECT_EQ(Prop(left, "Kind"), "skTopLeft");
  const TSeSkinObject& right = Part("Form", {"Caption", "CaptionRight"});
  EXPECT_EQ(Prop(right, "Align"), "saRight");
  EXPECT_EQ(right.Width(), 10);
  EXPECT_EQ(Prop(right, "Kind"), "skTopRight");

  const TSeSkinObject& title = Part("Form", {"Caption", "Title"});
  EXPECT_EQ(Prop(title, "Align"), "saClient");
  EXPECT_EQ(Prop(title, "Kind"), "skTitle");
  EXPECT_EQ(std::stoi(Prop(title, "Bitmap.Right")) - std::stoi(Prop(title, "Bitmap.Left")), 47);
  EXPECT_EQ(std::stoi(Prop(title, "Bitmap.Bottom")) - std::stoi(Prop(title, "Bitmap.Top")), 29);
  EXPECT_EQ(Prop(title, "TileStyle"), "tsStretch");
  EXPECT_EQ(Prop(title, "Font.Name"), "Tahoma");
  EXPECT_EQ(Prop(title, "Font.Style"), "[fsBold]");
  EXPECT_EQ(Prop(title, "Font.Color"), std::to_string(0xFFFFFF));
  EXPECT_EQ(Prop(title, "TextEffect"), "teShadow");
  EXPECT_EQ(Prop(title, "TextMarginLeft"), "22");
  EXPECT_EQ(Prop(title, "TextMarginRight"), "140");
  EXPECT_EQ(Prop(title, "TextMarginTop"), "4");
  const std::vector<std::string> titleParts = ChildNames(title);
  ASSERT_GE(titleParts.size(), 2u);
  EXPECT_EQ(titleParts[0], "TopBorder");
  EXPECT_EQ(titleParts[1], "ButtonContainer");

  const TSeSkinObject& top = Part("Form", {"Caption", "Title", "TopBorder"});
  EXPECT_EQ(Prop(top, "Align"), "saTop");
  EXPECT_EQ(top.Height(), 5);
  EXPECT_EQ(Prop(top, "Kind"), "skTop");
  const TSeSkinObject& box = Part("Form", {"Caption", "Title", "ButtonContainer"});
  EXPECT_EQ(Prop(box, "Align"), "saTopRight");
  EXPECT_EQ(box.Width(), 204);
  EXPECT_EQ(box.Height(), 21);
  EXPECT_EQ(Prop(box, "Kind"), "skCaption");
}

TEST_F(ProgramSkinTest, CaptionButtonsStandRightToLeftWithCentredGlyphs) {
  const TSeSkinObject& box = Part("Form", {"Caption", "Title", "ButtonContainer"});
  const std::vector<std::string> order = {"CloseButton", "RestoreButton",  "MaxButton",
                                          "MinButton",   "RollDownButton", "RollUpButton",
                                          "TrayButton",  "HelpButton"};
  ASSERT_EQ(ChildNames(box), order);
  const TSeSkinObject& close = *box.Objects(0);
  EXPECT_EQ(Bounds(close), "350,5 21x21");
  EXPECT_EQ(Link(close, "Bitmap"), "CLOSEBUTTON.bmp 0,84,21,105");
  for (int i = 0; i < box.ObjectCount(); ++i) {
    const TSeSkinObject& button = *box.Objects(i);
    EXPECT_EQ(button.ClassName(), "TSeSystemButton") << button.Name();
    EXPECT_EQ(Prop(button, "Align"), "saRight") << button.Name();
    if (i > 0) {
      EXPECT_EQ(button.Width(), 23) << button.Name();
      EXPECT_EQ(button.Height(), 21) << button.Name();
      // Aligned right: each one ends where the one before it begins.
      EXPECT_EQ(button.Left() + button.Width(), box.Objects(i - 1)->Left()) << button.Name();
    }
    ASSERT_EQ(button.ObjectCount(), 1) << button.Name();
    const TSeSkinObject& glyph = *button.Objects(0);
    EXPECT_EQ(glyph.Name(), "Glyph");
    EXPECT_EQ(glyph.ClassName(), "TSeButtonObject");
    EXPECT_EQ(Prop(glyph, "Kind"), "skTranparent");
    EXPECT_EQ(Prop(glyph, "Align"), "saCenter");
    EXPECT_FALSE(Prop(glyph, "Bitmap.Name").empty()) << button.Name();
    for (const char* state : {"BitmapHot", "BitmapPressed", "BitmapDisabled"}) {
      EXPECT_FALSE(Prop(glyph, std::string(state) + ".Name").empty()) << button.Name() << state;
      EXPECT_NE(Link(glyph, state), Link(glyph, "Bitmap"))
          << button.Name() << " " << state << " differs from the normal picture";
    }
    EXPECT_NE(Link(glyph, "BitmapHot"), Link(glyph, "BitmapPressed")) << button.Name();
  }
}

TEST_F(ProgramSkinTest, FramePartsAreActiveBitmapsWithFiveSixelBorders) {
  const TSeSkinObject& form = Top("Form");
  const TSeSkinObject* sys = const_cast<TSeSkinObject&>(form).FindByName("SysMenu");
  ASSERT_NE(sys, nullptr);
  EXPECT_EQ(sys->ClassName(), "TSeSystemButton");
  EXPECT_EQ(sys->Width(), 20);
  EXPECT_EQ(sys->Height(), 20);
  EXPECT_LT(sys->Left(), 20);
  EXPECT_LT(sys->Top(), 29);

  int activeBitmaps = 0;
  std::function<void(const TSeSkinObject&)> visit = [&](const TSeSkinObject& o) {
    if (o.ClassName() == "TSeActiveBitmap") {
      ++activeBitmaps;
      EXPECT_FALSE(Prop(o, "Bitmap.Name").empty()) << o.Name();
      EXPECT_FALSE(Prop(o, "ActiveBitmap.Name").empty()) << o.Name();
      EXPECT_NE(Link(o, "Bitmap"), Link(o, "ActiveBitmap")) << o.Name();
    }
    for (int i = 0; i < o.ObjectCount(); ++i) visit(*o.Objects(i));
  };
  visit(form);
  EXPECT_EQ(activeBitmaps, 8);

  std::map<std::string, const TSeSkinObject*> byKind;
  std::function<void(const TSeSkinObject&)> kinds = [&](const TSeSkinObject& o) {
    byKind.emplace(Prop(o, "Kind"), &o);
    for (int i = 0; i < o.ObjectCount(); ++i) kinds(*o.Objects(i));
  };
  kinds(form);
  ASSERT_TRUE(byKind.count("skLeft") && byKind.count("skRight") && byKind.count("skBottom"));
  EXPECT_EQ(byKind["skLeft"]->Width(), 5);
  EXPECT_EQ(byKind["skRight"]->Width(), 5);
  EXPECT_EQ(byKind["skBottom"]->Height(), 5);
  for (const char* corner : {"skBottomLeft", "skBottomRight"}) {
    ASSERT_TRUE(byKind.count(corner)) << corner;
    EXPECT_EQ(byKind[corner]->Width(), 5) << corner;
    EXPECT_EQ(byKind[corner]->Height(), 5) << corner;
  }
  // Rolled up, only the caption and the bottom border remain.
  EXPECT_EQ(Part("Form", {"Caption"}).Height() + byKind["skBottom"]->Height(), 34);
}

TEST_F(ProgramSkinTest, ClientAreaFollowsTheFrameAtAnySize) {
  const TSeSkinObject& form = Top("Form");
  const TSeSkinObject* client = const_cast<TSeSkinObject&>(form).FindByKind(TSeKind::skClient);
  ASSERT_NE(client, nullptr);
  EXPECT_EQ(client->Name(), "Client");
  // A private copy, laid out at other sizes, as a window takes it.
  for (const auto& [w, h] : {std::pair{375, 247}, std::pair{640, 480}, std::pair{200, 120}}) {
    std::unique_ptr<TSeSkinObject> copy = CloneSkinObject(form);
    copy->SetBounds({0, 0, w, h});
    const TSeSkinObject* c = copy->FindByKind(TSeKind::skClient);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->BoundsRect(), (TRect{5, 29, w - 5, h - 5})) << w << "x" << h;
  }
}

TEST_F(ProgramSkinTest, ButtonFaceHasFiveStatePictures) {
  const TSeSkinObject& face = Part("Button", {"Face"});
  EXPECT_EQ(face.ClassName(), "TSeButtonObject");
  EXPECT_EQ(Link(face, "Bitmap").substr(0, 10), "BUTTON.bmp");
  for (const char* m : {"MarginLeft", "MarginRight", "MarginTop", "MarginBottom"})
    EXPECT_EQ(Prop(face, m), "5") << m;
  EXPECT_EQ(Prop(face, "TileStyle"), "tsStretch");
  // Normal, hot, pressed, disabled, focused: one 20 x 23 cell each, top to bottom.
  EXPECT_EQ(Link(face, "Bitmap"), "BUTTON.bmp 0,0,20,23");
  EXPECT_EQ(Link(face, "BitmapHot"), "BUTTON.bmp 0,23,20,46");
  EXPECT_EQ(Link(face, "BitmapPressed"), "BUTTON.bmp 0,46,20,69");
  EXPECT_EQ(Link(face, "BitmapDisabled"), "BUTTON.bmp 0,69,20,92");
  EXPECT_EQ(Link(face, "BitmapFocused"), "BUTTON.bmp 0,92,20,115");
  EXPECT_NO_THROW(Part("Button", {"Text"}));
}

TEST_F(ProgramSkinTest, GroupBoxTabsAndEdit) {
  const TSeSkinObject& frame = Part("GroupBox", {"Frame"});
  EXPECT_EQ(Prop(frame, "Bitmap.Name"), "GROUPBOX.BMP");
  EXPECT_EQ(Prop(frame, "MarginLeft") + Prop(frame, "MarginTop"), "44");
  EXPECT_EQ(Prop(frame, "TileStyle"), "tsStretch");
  const TSeSkinObject& caption = Part("GroupBox", {"Caption"});
  EXPECT_EQ(caption.ClassName(), "TSeTextObject");
  EXPECT_EQ(Prop(caption, "Color"), "14150122");
  EXPECT_EQ(Prop(caption, "Font.Color"), "12937521");

  const TSeSkinObject& tab = Part("Tabs", {"Tab"});
  EXPECT_EQ(Prop(tab, "Bitmap.Name"), "TABITEM.BMP");
  EXPECT_EQ(Prop(tab, "MarginLeft") + Prop(tab, "MarginBottom"), "44");
  EXPECT_EQ(Prop(tab, "TileStyle"), "tsStretch");
  for (const char* state : {"Bitmap", "BitmapHot", "BitmapFocused", "BitmapPressed"}) {
    EXPECT_EQ(std::stoi(Prop(tab, std::string(state) + ".Right")) -
                  std::stoi(Prop(tab, std::string(state) + ".Left")),
              18)
        << state;
  }
  const TSeSkinObject& tabFrame = Part("Tabs", {"Frame"});
  EXPECT_EQ(Prop(tabFrame, "MarginLeft") + Prop(tabFrame, "MarginRight"), "11");
  ASSERT_GE(tabFrame.ObjectCount(), 1);
  EXPECT_EQ(Prop(*tabFrame.Objects(0), "Bitmap.Name"), "TABPANEEDGE.BMP");
  EXPECT_EQ(Prop(*tabFrame.Objects(0), "Align"), "saClient");
  EXPECT_EQ(Prop(Part("Tabs", {"Text"}), "FontHot.Color"), "12937521");
  EXPECT_NO_THROW(Part("Tabs", {"LeftButton"}));
  EXPECT_NO_THROW(Part("Tabs", {"RightButton"}));

  EXPECT_EQ(Prop(Top("Edit"), "Color"), std::to_string(0xFFFFFF));
  const TSeSkinObject& editFrame = Part("Edit", {"Frame"});
  EXPECT_EQ(Prop(editFrame, "MarginTop"), "2");
  std::vector<std::string> edges = ChildNames(editFrame);
  std::sort(edges.begin(), edges.end());
  EXPECT_EQ(edges, (std::vector<std::string>{"Bottom", "Client", "Left", "Right", "Top"}));
  EXPECT_EQ(Part("Edit", {"Text"}).ClassName(), "TSeTextObject");
}

TEST_F(ProgramSkinTest, PanelScrollBarCheckBoxGridAndMenus) {
  EXPECT_EQ(Part("Panel", {"Caption"}).Height(), 23);
  EXPECT_NO_THROW(Part("Panel", {"Frame"}));
  for (const char* button : {"ButtonRollup", "ButtonRolldown", "ButtonHide"})
    EXPECT_EQ(Part("Panel", {button}).ClassName(), "TSeButtonObject") << button;

  const std::vector<std::string> bars = {"HorzFrame", "LeftButton", "RightButton",  "HorzSlider",
                                         "TopButton", "VertFrame",  "BottomButton", "VertSlider"};
  std::vector<std::string> parts = ChildNames(Top("ScrollBar"));
  ASSERT_GE(parts.size(), bars.size());
  parts.resize(bars.size());
  EXPECT_EQ(parts, bars);
  for (const char* name : {"LeftButton", "RightButton", "TopButton", "BottomButton"}) {
    const TSeSkinObject& button = Part("ScrollBar", {name});
    EXPECT_EQ(button.Width(), 17) << name;
    EXPECT_EQ(button.Height(), 17) << name;
    const TSeSkinObject& glyph = Part("ScrollBar", {name, "Glyph"});
    EXPECT_EQ(glyph.Width(), 9) << name;
    EXPECT_EQ(glyph.Height(), 9) << name;
  }

  EXPECT_EQ(Prop(Part("CheckBox", {"Text"}), "FontDisabled.Color"), std::to_string(0x808080));

  const TSeSkinObject& cell = Part("Grid", {"Cell"});
  EXPECT_EQ(cell.ClassName(), "TSeColorButtonObject");
  EXPECT_EQ(Prop(cell, "Color"), std::to_string(0xFFFFFF));
  EXPECT_EQ(Prop(cell, "HotColor"), std::to_string(0xD7E9EA));
  EXPECT_EQ(Prop(cell, "PressedColor"), "0");
  EXPECT_EQ(Prop(cell, "FocusedColor"), std::to_string(0xC56931));
  EXPECT_EQ(Prop(cell, "DisabledColor"), std::to_string(0xC0C0C0));

  for (const char* menu : {"MenuBar", "PopupMenu", "ListBox"}) {
    int highlights = 0;
    std::function<void(const TSeSkinObject&)> visit = [&](const TSeSkinObject& o) {
      if (o.ClassName() == "TSeActiveObject") ++highlights;
      for (int i = 0; i < o.ObjectCount(); ++i) visit(*o.Objects(i));
    };
    visit(Top(menu));
    EXPECT_EQ(highlights, 1) << menu;
  }
  EXPECT_NO_THROW(Part("PopupMenu", {"Frame"}));
  EXPECT_NO_THROW(Part("PopupMenu", {"Item"}));
}

}  // namespace
