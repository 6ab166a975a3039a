#include <gtest/gtest.h>

#include "framework/core/TAnsiCodePage.h"
#include "framework/core/TWindows1252CodePage.h"
#include "framework/core/UnicodeText.h"

namespace {

TEST(Windows1252CodePage, EveryByteDecodesAndEncodesBack) {
  const auto& cp = TWindows1252CodePage::Instance();
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::u16string text = cp.Decode(byte);
    ASSERT_EQ(text.size(), 1u);
    EXPECT_EQ(cp.Encode(text[0]), byte) << "byte " << b;
  }
  EXPECT_EQ(cp.Decode("\x80\x9f\xff"), u"\u20ac\u0178\u00ff");
}

TEST(Windows1252CodePage, CharactersItLacksAreReported) {
  const auto& cp = TWindows1252CodePage::Instance();
  // U+0080 is a C1 control whose byte 0x80 is taken by the euro sign.
  for (char32_t cp32 : {U'\u0080', U'\u0100', U'\u03a9', U'\u4e2d', U'\U0001F600', U'\ufffd'})
    EXPECT_FALSE(cp.Encode(cp32).has_value()) << static_cast<unsigned>(cp32);
}

TEST(AnsiCodePage, SystemCodePageIsWestern) {
#ifdef _WIN32
  GTEST_SKIP() << "the system code page is the machine's setting";
#else
  EXPECT_EQ(&TAnsiCodePage::System(), &TWindows1252CodePage::Instance());
#endif
}

TEST(UnicodeText, Utf8RoundTripsEveryPlane) {
  const std::u16string text = u"a\u00e9\u20ac\U0001F600\U0010FFFFz";
  const std::string utf8 = UnicodeText::ToUtf8(text);
  EXPECT_EQ(utf8, "a\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80\xf4\x8f\xbf\xbfz");
  EXPECT_EQ(UnicodeText::FromUtf8(utf8), text);
}

TEST(UnicodeText, MalformedUtf8IsRejected) {
  for (const char* bad : {"\x80", "\xc3", "\xc0\xaf", "\xe0\x80\xaf", "\xed\xa0\x80",
                          "\xf4\x90\x80\x80", "\xf8\x88\x80\x80\x80", "ok\xe2\x82"})
    EXPECT_FALSE(UnicodeText::FromUtf8(bad).has_value()) << bad;
  EXPECT_EQ(UnicodeText::FromUtf8(""), u"");
}

TEST(UnicodeText, UnpairedSurrogatesBecomeReplacementCharacters) {
  EXPECT_EQ(UnicodeText::ToUtf8(u"\xd800x\xdc00"), "\xef\xbf\xbdx\xef\xbf\xbd");
  const std::u16string high_at_end = u"a\xdbff";
  std::size_t pos = 1;
  EXPECT_EQ(UnicodeText::NextCodePoint(high_at_end, pos), U'\ufffd');
  EXPECT_EQ(pos, 2u);
}

}  // namespace
