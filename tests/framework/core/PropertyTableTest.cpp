#include "framework/core/TPropertyBuilder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/ObjectText.h"
#include "tests/framework/core/StreamTestSupport.h"
#include "tests/framework/core/TestClasses.h"

namespace {

using namespace TestClasses;

std::vector<std::string> Names(const TClassInfo& info) {
  std::vector<std::string> out;
  for (const TPropertyInfo* p : info.Properties()) out.push_back(p->Name());
  return out;
}

std::string TextOf(TComponent& component) {
  return ObjectBinaryToText(WriteToBytes(component));
}

TEST(PropertyTable, PropertiesComeBaseClassFirstInDeclarationOrder) {
  const std::vector<std::string> expected = {"Name",   "Tag",   "Align",  "Color", "DrawIfOwner",
                                             "Font",   "Kind",  "Masked", "Left",  "Top",
                                             "Height", "Width", "Bitmap"};
  EXPECT_EQ(Names(TTestBitmapObject::StaticClassInfo()), expected);
  EXPECT_EQ(Names(TFont::StaticClassInfo()),
            (std::vector<std::string>{"Charset", "Color", "Height", "Name", "Pitch", "Style"}));

  const TClassInfo& info = TTestBitmapObject::StaticClassInfo();
  ASSERT_NE(info.FindProperty("drawifowner"), nullptr);
  EXPECT_EQ(info.FindProperty("drawifowner")->Kind(), TPropertyKind::pkBoolean);
  EXPECT_EQ(info.FindProperty("Bitmap")->Kind(), TPropertyKind::pkObject);
  EXPECT_EQ(info.FindProperty("Align")->EnumType(), &AlignInfo());
  EXPECT_EQ(info.FindProperty("Nothing"), nullptr);
  EXPECT_EQ(TTestControl::StaticClassInfo().FindProperty("SkinEngine")->ObjectClass(),
            &TTestEngine::StaticClassInfo());
  EXPECT_NE(TTestForm::StaticClassInfo().FindMethod("buttonclick"), nullptr);
  EXPECT_EQ(TTestForm::StaticClassInfo().FindMethod("Loaded"), nullptr);
}

TEST(PropertyTable, TypedAccessorsReachTheMembers) {
  TTestBitmapObject object(nullptr);
  const TClassInfo& info = object.ClassInfo();
  info.FindProperty("Align")->SetOrdinal(object, 3);
  EXPECT_EQ(object.Align, TTestAlign::saClient);
  info.FindProperty("Masked")->SetOrdinal(object, 0);
  EXPECT_FALSE(object.Masked);
  object.Width = -7;
  EXPECT_EQ(info.FindProperty("Width")->GetOrdinal(object), -7);
  EXPECT_EQ(info.FindProperty("Font")->GetObject(object), &object.Font);
  EXPECT_EQ(info.FindProperty("Bitmap")->GetObject(object), &object.Bitmap);

  TTestControl control(nullptr);
  const TClassInfo& controlInfo = control.ClassInfo();
  controlInfo.FindProperty("Anchors")->SetOrdinal(control, 0b1010);
  EXPECT_EQ(control.Anchors, (TTestAnchors{TTestAnchor::akTop, TTestAnchor::akBottom}));
  controlInfo.FindProperty("Caption")->SetWideString(control, u"\u2022 x");
  EXPECT_EQ(control.Caption, u"\u2022 x");
  TTestMenu menu(nullptr);
  TTestEngine engine(nullptr);
  const TPropertyInfo& popup = *controlInfo.FindProperty("PopupMenu");
  EXPECT_FALSE(popup.SetReference(control, &engine));  // not a menu
  EXPECT_EQ(control.PopupMenu, nullptr);
  EXPECT_TRUE(popup.SetReference(control, &menu));
  EXPECT_EQ(control.PopupMenu, &menu);
  EXPECT_TRUE(controlInfo.FindProperty("SkinEngine")->SetReference(control, &engine));
  EXPECT_EQ(control.SkinEngine(), &engine);
}

TEST(PropertyTable, OnlyWhatTheStoredRulesAskForIsWritten) {
  TTestControl control(nullptr);
  control.SetName("Ctl");
  // Width and Height have no default: always written. Version is never written; an empty
  // list, a nil reference and an unassigned event are not written.
  EXPECT_EQ(TextOf(control), Crlf("object Ctl: TTestControl\n"
                                  "  Width = 100\n"
                                  "  Height = 30\n"
                                  "end\n"));

  control.Left = 1;
  control.Anchors = {TTestAnchor::akRight};
  control.Caption = u"Go";
  control.Color = clBtnFace;  // its default
  control.Cursor = crHandPoint;
  control.Enabled = false;
  control.Lines.Add(u"x");
  control.OnClick = TNotifyEvent([](TObject*) {});  // a handler without a method name
  EXPECT_EQ(TextOf(control), Crlf("object Ctl: TTestControl\n"
                                  "  Left = 1\n"
                                  "  Width = 100\n"
                                  "  Height = 30\n"
                                  "  Anchors = [akRight]\n"
                                  "  Caption = 'Go'\n"
                                  "  Cursor = crHandPoint\n"
                                  "  Enabled = False\n"
                                  "  Lines.Strings = (\n"
                                  "    'x')\n"
                                  "end\n"));

  // "Always" writes default values; a block with "has data" is written even when empty.
  TTestEngine engine(nullptr);
  engine.SetName("Engine");
  EXPECT_EQ(TextOf(engine), Crlf("object Engine: TTestEngine\n"
                                 "  DeltaHue = 0\n"
                                 "  Version = '3.1.5'\n"
                                 "  SkinStream = {}\n"
                                 "end\n"));
}

TEST(PropertyTable, AFontIsWrittenWholeAndSubObjectsOnlyWhereTheyDiffer) {
  TTestBitmapObject object(nullptr);
  object.SetName("Glyph");
  object.SetTag(-1);
  object.Bitmap.Name = "FRAMECAPTION.BMP";
  object.Bitmap.Right = 12;
  object.Font.SetStyle({TFontStyle::fsBold, TFontStyle::fsStrikeOut});
  object.Font.SetPitch(TFontPitch::fpFixed);
  EXPECT_EQ(TextOf(object), Crlf("object Glyph: TTestBitmapObject\n"
                                 "  Tag = -1\n"
                                 "  Font.Charset = DEFAULT_CHARSET\n"
                                 "  Font.Color = clWindowText\n"
                                 "  Font.Height = -11\n"
                                 "  Font.Name = 'MS Sans Serif'\n"
                                 "  Font.Pitch = fpFixed\n"
                                 "  Font.Style = [fsBold, fsStrikeOut]\n"
                                 "  Bitmap.Name = 'FRAMECAPTION.BMP'\n"
                                 "  Bitmap.Right = 12\n"
                                 "  Objects = {00000F00}\n"
                                 "end\n"));
}

TEST(PropertyTable, ColoursAndCursorsWithoutANameAreIntegers) {
  TTestControl control(nullptr);
  control.SetName("C");
  control.Color = 0x00123456;
  control.Cursor = -100;
  const std::string text = TextOf(control);
  EXPECT_NE(text.find("  Color = 1193046\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("  Cursor = -100\r\n"), std::string::npos) << text;
  control.Color = clNone;
  EXPECT_NE(TextOf(control).find("  Color = clNone\r\n"), std::string::npos);
  control.Color = clDefault;
  EXPECT_NE(TextOf(control).find("  Color = clDefault\r\n"), std::string::npos);
  control.Color = clInfoBk;
  EXPECT_NE(TextOf(control).find("  Color = clInfoBk\r\n"), std::string::npos);
  EXPECT_EQ(ColorIdents().ToValue("clnone"), clNone);
  EXPECT_EQ(*ColorIdents().ToValue("clBtnFace"), static_cast<TColor>(0x8000000F));
  EXPECT_EQ(CharsetIdents().ToIdent(1), "DEFAULT_CHARSET");
  EXPECT_EQ(CursorIdents().ToValue("crIBeam"), crIBeam);
}

}  // namespace
