#include "generator/SnippetGenerator.h"

#include <gtest/gtest.h>

#include "framework/core/TAnsiCodePage.h"
#include "framework/core/TWindows1252CodePage.h"

namespace {

using Lines = std::vector<std::string>;

Lines Generate(TSnippetKind kind, const TSnippetInput& input) {
  return GenerateSnippet(kind, input, TWindows1252CodePage::Instance());
}

// The expected texts are written out in full, character for character, so that any change of
// a fixed text shows up as a failing line.
Lines SingleItem(const std::string& user, const std::string& ret, const std::string& cancel) {
  return {
      R"(<form method="post" action="https://www.quillmar.example/quillmar/handle.php" target="_blank"> )",
      R"(<input type=hidden name=product_id value=product ID> )",
      R"(<input type=hidden name=user value=")" + user + R"(">)",
      R"(<input type=hidden name=affid value="10362">)",
      R"(<input type="hidden" name="flag" value=3>)",
      R"(<input type="hidden" name="return_URL" value=")" + ret + R"(">)",
      R"(<input type="hidden" name="cancel_URL" value=")" + cancel + R"(">)",
      R"(<input type=image src=https://www.quillmar.example/quillmar/images/BuyNowQM1.gif>)",
      R"(</form>)",
  };
}

Lines ShoppingCart(const std::string& user) {
  return {
      R"(<form method="post" action="https://www.quillmar.example/quillmar/shopping.php" target="_blank"> )",
      R"(<input type=hidden name=product_id value=product ID> )",
      R"(<input type=hidden name=user value=")" + user + R"(">)",
      R"(<input type=image src=https://www.quillmar.example/quillmar/images/AddToCartQM1.gif>)",
      R"(</form>)",
  };
}

Lines Subscription(const std::string& user, const std::string& ret, const std::string& cancel) {
  return {
      R"(<form method="post" action="https://www.quillmar.example/quillmar/handle.php" target="_blank"> )",
      R"(<input type=hidden name=product_id value=product ID> )",
      R"(<input type=hidden name=user value=")" + user + R"(">)",
      R"(<input type=hidden name=affid value="10362">)",
      R"(<input type="hidden" name="flag" value=3>)",
      R"(<input type="hidden" name="subscription" value="YES">)",
      R"(<input type="hidden" name="return_URL" value=")" + ret + R"(">)",
      R"(<input type="hidden" name="cancel_URL" value=")" + cancel + R"(">)",
      R"(<input type=image src=https://www.quillmar.example/quillmar/images/PayNowQM1.gif>)",
      R"(</form>)",
  };
}

TEST(SnippetGenerator, EmptyFieldsGiveEveryLineWithEmptyValues) {
  const TSnippetInput empty;
  EXPECT_EQ(Generate(TSnippetKind::snSingleItem, empty), SingleItem("", "", ""));
  EXPECT_EQ(Generate(TSnippetKind::snShoppingCart, empty), ShoppingCart(""));
  EXPECT_EQ(Generate(TSnippetKind::snSubscription, empty), Subscription("", "", ""));
}

TEST(SnippetGenerator, TypedValuesLandInTheirLines) {
  const TSnippetInput input{u"sales@shop.example", u"http://shop.example/thanks",
                            u"http://shop.example/cancel"};
  EXPECT_EQ(
      Generate(TSnippetKind::snSingleItem, input),
      SingleItem("sales@shop.example", "http://shop.example/thanks", "http://shop.example/cancel"));
  // The cart has no return or cancel line: those fields must not leak into it.
  EXPECT_EQ(Generate(TSnippetKind::snShoppingCart, input), ShoppingCart("sales@shop.example"));
  EXPECT_EQ(Generate(TSnippetKind::snSubscription, input),
            Subscription("sales@shop.example", "http://shop.example/thanks",
                         "http://shop.example/cancel"));
}

TEST(SnippetGenerator, ValuesAreEscapedForAnAttributeAndKeepTheirBlanks) {
  const TSnippetInput input{u"  a\"b<c>d&e  ", u"http://x.example/?a=1&b=2",
                            u"\"><script>alert(1)</script>"};
  EXPECT_EQ(Generate(TSnippetKind::snSingleItem, input),
            SingleItem("  a&quot;b&lt;c&gt;d&amp;e  ", "http://x.example/?a=1&amp;b=2",
                       "&quot;&gt;&lt;script&gt;alert(1)&lt;/script&gt;"));
  // An already escaped entity is escaped again, so the browser hands back what was typed.
  EXPECT_EQ(Generate(TSnippetKind::snShoppingCart, {u"&amp;'", u"", u""}),
            ShoppingCart("&amp;amp;'"));
}

TEST(SnippetGenerator, CharactersOutsideTheCodePageBecomeCharacterReferences) {
  // e-acute and the euro sign exist in Windows-1252 (bytes E9 and 80); omega, the CJK
  // character and the emoji (a surrogate pair) do not.
  const TSnippetInput input{u"caf\u00e9\u20ac@\u03a9.example", u"\u4e2d\U0001F600", u"x\xd800y"};
  EXPECT_EQ(Generate(TSnippetKind::snSubscription, input),
            Subscription("caf\xe9\x80@&#937;.example", "&#20013;&#128512;", "x&#65533;y"));
}

TEST(SnippetGenerator, OnlyTheFirstTwoLinesEndWithABlank) {
  const TSnippetInput input{u"m@shop.example", u"r", u"c"};
  for (auto kind :
       {TSnippetKind::snSingleItem, TSnippetKind::snShoppingCart, TSnippetKind::snSubscription}) {
    const Lines lines = Generate(kind, input);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      ASSERT_FALSE(lines[i].empty());
      EXPECT_EQ(lines[i].back() == ' ', i < 2) << "line " << i + 1;
      if (i < 2) {
        EXPECT_NE(lines[i][lines[i].size() - 2], ' ') << "line " << i + 1;
      }
    }
  }
}

TEST(SnippetGenerator, SystemCodePageOverloadUsesTheSystemCodePage) {
  const TSnippetInput input{u"\u00e9\u03a9", u"", u""};
  EXPECT_EQ(GenerateSnippet(TSnippetKind::snShoppingCart, input),
            GenerateSnippet(TSnippetKind::snShoppingCart, input, TAnsiCodePage::System()));
}

TEST(SnippetGenerator, AttributeEncodingAlone) {
  const auto& cp = TWindows1252CodePage::Instance();
  EXPECT_EQ(EncodeAttributeValue(u"", cp), "");
  EXPECT_EQ(EncodeAttributeValue(u"<<>>", cp), "&lt;&lt;&gt;&gt;");
  EXPECT_EQ(EncodeAttributeValue(u"\xdc00", cp), "&#65533;");  // lone low surrogate
  EXPECT_EQ(EncodeAttributeValue(u"\U0010FFFF", cp), "&#1114111;");
}

}  // namespace
