#include <gtest/gtest.h>

#include <string>

#include "tools/skinart/SkinManifest.h"
#include "tools/skinart/SkinText.h"

namespace skinart {
namespace {

std::string Crlf(const std::string& lf) {
  std::string out;
  for (char c : lf) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

TEST(SkinTextTest, ReadsNestedObjectsWithTheirProperties) {
  const auto o = SkinTextParser::Parse(Crlf("object Tabs: TSeSkinObject\n"
                                            "  Width = 200\n"
                                            "  object Frame: TSeSkinObject\n"
                                            "    MarginLeft = -1\n"
                                            "    object Edge: TSeBitmapObject\n"
                                            "      Bitmap.Name = 'it''s.BMP'\n"
                                            "    end\n"
                                            "  end\n"
                                            "  object Text: TSeTextObject\n"
                                            "    Font.Style = [fsBold, fsItalic]\n"
                                            "  end\n"
                                            "end\n"),
                                       "t");
  EXPECT_EQ(o->name, "Tabs");
  EXPECT_EQ(o->Int("Width"), 200);
  EXPECT_EQ(o->Int("Height", 7), 7);
  ASSERT_EQ(o->children.size(), 2u);
  EXPECT_EQ(o->children[1]->className, "TSeTextObject");
  EXPECT_EQ(o->Child("FRAME")->Int("MarginLeft"), -1);
  const SkinTextObject* edge = o->FindByName("edge");
  ASSERT_NE(edge, nullptr);
  EXPECT_EQ(edge->Str("Bitmap.Name"), "it's.BMP");
  EXPECT_EQ(o->FindByName("Tabs"), o.get());  // the object itself first
  EXPECT_EQ(o->FindByName("Nothing"), nullptr);
  EXPECT_THROW(o->children[1]->Int("Font.Style"), ESkinSourceError);
}

TEST(SkinTextTest, RefusesMalformedTextWithTheLine) {
  const char* bad[] = {
      "object A: TSeSkinObject\nend\n",                      // LF only
      "object A: TSeSkinObject\r\nend",                      // no final line end
      "object A: TSeSkinObject\r\n  Width = 1\r\n",          // no end
      "object A: TSeSkinObject\r\n   Width = 1\r\nend\r\n",  // odd indentation
      "object A TSeSkinObject\r\nend\r\n",                   // no colon
      "object A: TSeSkinObject\r\n  Width=1\r\nend\r\n",     // no " = "
      "object A: TSeSkinObject\r\n  Width = 1\r\n  Width = 2\r\nend\r\n",
      "object A: TSeSkinObject\r\n  object B: TSeSkinObject\r\n  end\r\n  Width = 1\r\nend\r\n",
      "object A: TSeSkinObject\r\nend\r\nobject B: TSeSkinObject\r\nend\r\n",
      "object A: TSeSkinObject\r\n\r\nend\r\n",  // blank line
      "",
  };
  for (const char* text : bad)
    EXPECT_THROW(SkinTextParser::Parse(text, "f"), ESkinSourceError) << text;
  try {
    SkinTextParser::Parse("object A: TSeSkinObject\r\n  Width=1\r\nend\r\n", "A.txt");
    FAIL();
  } catch (const ESkinSourceError& e) {
    EXPECT_NE(e.Message().find("A.txt:2"), std::string::npos) << e.Message();
  }
}

TEST(SkinTextTest, RefusesNestingDeeperThanAnySkinNeeds) {
  std::string text;
  for (int i = 0; i < 40; ++i) text += std::string(2 * i, ' ') + "object A: TSeSkinObject\r\n";
  for (int i = 39; i >= 0; --i) text += std::string(2 * i, ' ') + "end\r\n";
  EXPECT_THROW(SkinTextParser::Parse(text, "deep"), ESkinSourceError);
}

TEST(SkinTextTest, QuotedStringsAndIntegers) {
  EXPECT_EQ(SkinTextParser::Unquote("''"), "");
  EXPECT_EQ(SkinTextParser::Unquote("'a''b'"), "a'b");
  EXPECT_FALSE(SkinTextParser::Unquote("'a'b'"));
  EXPECT_FALSE(SkinTextParser::Unquote("abc"));
  EXPECT_EQ(SkinTextParser::ToInt("-11"), -11);
  EXPECT_FALSE(SkinTextParser::ToInt("-"));
  EXPECT_FALSE(SkinTextParser::ToInt("1e3"));
  EXPECT_FALSE(SkinTextParser::ToInt("99999999999999999999"));
}

TEST(SkinManifestTest, ReadsHeaderBitmapsAndObjectsInOrder) {
  const auto m = SkinManifest::Parse(
      "# comment\nSkinName = A B\r\nSkinVersion = 2.0.0\nAuthor = Me\nAuthorEMail = a@example.com"
      "\nAuthorURL = http://example.com\n[bitmaps]\nX.BMP = X.BMP\nX.BMP = X-2.bmp\n"
      "[objects]\nForm.txt\nButton.txt\n",
      "m");
  EXPECT_EQ(m.skinName, "A B");
  ASSERT_EQ(m.bitmaps.size(), 2u);
  EXPECT_EQ(m.bitmaps[1].first, "X.BMP");
  EXPECT_EQ(m.bitmaps[1].second, "X-2.bmp");
  EXPECT_EQ(m.objects, (std::vector<std::string>{"Form.txt", "Button.txt"}));
}

TEST(SkinManifestTest, RefusesWhatItDoesNotUnderstand) {
  const char* bad[] = {
      "SkinName = A\n",                                      // no sections
      "Colour = red\n[bitmaps]\n[objects]\n",                // unknown key
      "SkinName = A\nSkinName = B\n[bitmaps]\n[objects]\n",  // twice
      "[bitmaps]\nA.BMP = ../../etc/passwd\n[objects]\n",    // leaves the folder
      "[bitmaps]\n[objects]\n../Form.txt\n",
      "[objects]\n[bitmaps]\n",         // wrong order
      "[bitmaps]\nA.BMP\n[objects]\n",  // no file
  };
  for (const char* text : bad)
    EXPECT_THROW(SkinManifest::Parse(text, "m"), ESkinSourceError) << text;
}

}  // namespace
}  // namespace skinart
