#include "framework/core/ObjectText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/Exception.h"
#include "framework/core/TMemoryStream.h"
#include "tests/framework/core/StreamTestSupport.h"

namespace {

// Every kind of value the converter knows, laid out by hand.
std::vector<std::uint8_t> AllKindsBytes() {
  TBytes b;
  b.Raw("TPF0").Short("TSample").Short("Sample1");
  b.Short("Small").Byte({2, 0x85});                    // -123
  b.Short("Medium").Byte({3, 0x39, 0x30});             // 12345
  b.Short("Large").Byte({4, 0x00, 0x00, 0x00, 0x80});  // -2147483648
  b.Short("Quote").Byte({6}).Short("It's");
  b.Short("Bytes").Byte({6}).Short("caf\xE9\t");
  b.Short("Empty").Byte({6}).Short("");
  b.Short("Wide").Byte({18}).Int32(5).Byte({'a', 0, 'b', 0, 'c', 0, 0x22, 0x20, 'd', 0});
  b.Ident("Font.Charset", "DEFAULT_CHARSET");
  b.Short("Yes").Byte({9}).Short("No").Byte({8}).Short("Nothing").Byte({13});
  b.Short("Style").Byte({11}).Short("fsBold").Short("fsItalic").Byte({0});
  b.Short("NoStyle").Byte({11, 0});
  b.Short("Data").Byte({10}).Int32(4).Byte({0, 0, 0x0F, 0});
  b.Short("NoData").Byte({10}).Int32(0);
  b.Short("Lines.Strings").Byte({1, 6}).Short("one").Byte({1, 2, 7, 0, 0});
  b.Short("NoLines").Byte({1, 0});
  b.Byte({0});
  b.Short("TChild").Short("Child1").Short("Left").Byte({2, 1}).Byte({0});
  b.Short("TGrandChild").Short("").Byte({0, 0});  // an unnamed object
  b.Byte({0});
  b.Byte({0});
  return b.Get();
}

const char* const kAllKindsText =
    "object Sample1: TSample\n"
    "  Small = -123\n"
    "  Medium = 12345\n"
    "  Large = -2147483648\n"
    "  Quote = 'It''s'\n"
    "  Bytes = 'caf'#233#9\n"
    "  Empty = ''\n"
    "  Wide = 'abc'#8226'd'\n"
    "  Font.Charset = DEFAULT_CHARSET\n"
    "  Yes = True\n"
    "  No = False\n"
    "  Nothing = nil\n"
    "  Style = [fsBold, fsItalic]\n"
    "  NoStyle = []\n"
    "  Data = {00000F00}\n"
    "  NoData = {}\n"
    "  Lines.Strings = (\n"
    "    'one'\n"
    "    (\n"
    "      7))\n"
    "  NoLines = ()\n"
    "  object Child1: TChild\n"
    "    Left = 1\n"
    "    object TGrandChild\n"
    "    end\n"
    "  end\n"
    "end\n";

TEST(ObjectText, BinaryBecomesTheExactText) {
  EXPECT_EQ(ObjectBinaryToText(AllKindsBytes()), Crlf(kAllKindsText));
}

TEST(ObjectText, TextBecomesTheExactBinaryAndBack) {
  EXPECT_EQ(ObjectTextToBinary(Crlf(kAllKindsText)), AllKindsBytes());
  // Line ends and blanks do not matter to the reader.
  EXPECT_EQ(ObjectTextToBinary(kAllKindsText), AllKindsBytes());

  TMemoryStream text;
  text.WriteBuffer(kAllKindsText, std::string(kAllKindsText).size());
  text.SetPosition(0);
  TMemoryStream binary;
  ObjectTextToBinary(text, binary);
  EXPECT_EQ(binary.Bytes(), AllKindsBytes());
  binary.SetPosition(0);
  TMemoryStream back;
  ObjectBinaryToText(binary, back);
  EXPECT_EQ(std::string(back.Bytes().begin(), back.Bytes().end()), Crlf(kAllKindsText));
}

std::string BinaryText(std::size_t count) {
  TBytes b;
  b.Raw("TPF0").Short("TBlock").Short("B").Short("Data").Byte({10}).Int32(
      static_cast<std::int32_t>(count));
  for (std::size_t i = 0; i < count; ++i) b.Byte({static_cast<int>(i)});
  b.Byte({0, 0});
  return ObjectBinaryToText(b.Get());
}

TEST(ObjectText, BlocksOfThirtyTwoBytesOrMoreStartOnTheirOwnLines) {
  EXPECT_EQ(BinaryText(31), Crlf("object B: TBlock\n"
                                 "  Data = {000102030405060708090A0B0C0D0E0F101112131415161718191A"
                                 "1B1C1D1E}\n"
                                 "end\n"));
  EXPECT_EQ(BinaryText(32), Crlf("object B: TBlock\n"
                                 "  Data = {\n"
                                 "    000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D"
                                 "1E1F}\n"
                                 "end\n"));
  EXPECT_EQ(BinaryText(65), Crlf("object B: TBlock\n"
                                 "  Data = {\n"
                                 "    000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D"
                                 "1E1F\n"
                                 "    202122232425262728292A2B2C2D2E2F303132333435363738393A3B3C3D"
                                 "3E3F\n"
                                 "    40}\n"
                                 "end\n"));
  for (std::size_t n : {0u, 1u, 31u, 32u, 33u, 64u, 65u, 300u})
    EXPECT_EQ(ObjectBinaryToText(ObjectTextToBinary(BinaryText(n))), BinaryText(n)) << n;
}

TEST(ObjectText, TheReaderAcceptsFreerSpellingsAndWritesThemCanonically) {
  const std::string loose =
      "OBJECT x : TThing\n"
      "\tA=$7F\n"
      "  B = +5  C = 'con' +\n"
      "    'cat'#10\n"
      "  D = TRUE E = false F = [ fsBold ,fsItalic ]\n"
      "  G = {0a 0B\n"
      "       0c}\n"
      "  H = 'Gr\xC3\xBC\xC3\x9F \xE2\x80\xA2'\n"
      "  I = 'caf\xE9'\n"
      "End";
  EXPECT_EQ(ObjectBinaryToText(ObjectTextToBinary(loose)), Crlf("object x: TThing\n"
                                                                "  A = 127\n"
                                                                "  B = 5\n"
                                                                "  C = 'concat'#10\n"
                                                                "  D = True\n"
                                                                "  E = False\n"
                                                                "  F = [fsBold, fsItalic]\n"
                                                                "  G = {0A0B0C}\n"
                                                                "  H = 'Gr'#252#223' '#8226\n"
                                                                "  I = 'caf'#233\n"
                                                                "end\n"));
}

TEST(ObjectText, NonCanonicalBinaryComesBackInTheWritersForm) {
  TBytes b;
  b.Raw("TPF0").Short("TThing").Short("T");
  b.Short("A").Byte({4}).Int32(5);
  b.Short("B").Byte({18}).Int32(2).Byte({'o', 0, 'k', 0});
  b.Short("C").Byte({12}).Int32(2).Raw("hi");
  b.Byte({0, 0});
  TBytes canonical;
  canonical.Raw("TPF0").Short("TThing").Short("T");
  canonical.Short("A").Byte({2, 5});
  canonical.Short("B").Byte({6}).Short("ok");
  canonical.Short("C").Byte({6}).Short("hi");
  canonical.Byte({0, 0});
  EXPECT_EQ(ObjectTextToBinary(ObjectBinaryToText(b.Get())), canonical.Get());
}

std::string ParseError(const std::string& text) {
  try {
    ObjectTextToBinary(text);
  } catch (const EParserError& e) {
    return e.Message();
  }
  return "no error";
}

TEST(ObjectText, MalformedTextNamesTheLine) {
  EXPECT_EQ(ParseError(""), "'object' expected on line 1");
  EXPECT_EQ(ParseError("thing A: T\nend"), "'object' expected on line 1");
  EXPECT_EQ(ParseError("object A: T\n  X 1\nend"), "'=' expected on line 2");
  EXPECT_EQ(ParseError("object A: T\n  X = 'open\nend"), "Unterminated string on line 2");
  EXPECT_EQ(ParseError("object A: T\n\n  X = {0G}\nend"), "Invalid binary value on line 3");
  EXPECT_EQ(ParseError("object A: T\n  X = {\n  012}\nend"), "Invalid binary value on line 3");
  EXPECT_EQ(ParseError("object A: T\n  X = {00"), "'}' expected on line 2");
  EXPECT_EQ(ParseError("object A: T\n  X = 12a\nend"), "Invalid integer value on line 2");
  EXPECT_EQ(ParseError("object A: T\n  X = 99999999999999999999\nend"),
            "Invalid integer value on line 2");
  EXPECT_EQ(ParseError("object A: T\n  X = #70000\nend"), "Invalid character value on line 2");
  EXPECT_EQ(ParseError("object A: T\n  X = [a b]\nend"), "',' expected on line 2");
  EXPECT_EQ(ParseError("object A: T\n  X = [a,]\nend"), "Identifier expected on line 2");
  EXPECT_EQ(ParseError("object A: T\n  X = (1 2\n"), "Value expected on line 3");
  EXPECT_EQ(ParseError("object A: T\n  X = 'a' + 1\nend"), "String expected on line 2");
  EXPECT_EQ(ParseError("object A: T\n  X = ;\nend"), "Value expected on line 2");
  EXPECT_EQ(ParseError("object A: T\n  5 = 1\nend"), "Identifier expected on line 2");
  EXPECT_EQ(ParseError("object A: T\n  X = 1\n"), "Identifier expected on line 3");
  EXPECT_EQ(ParseError("object A: T.U\nend"), "Identifier expected on line 1");
  EXPECT_EQ(ParseError("object A: T\nend\nobject B: T\nend"), "End of text expected on line 3");
  EXPECT_EQ(ParseError("object A: T\n  X = " + std::string(256, 'a') + "\nend"),
            "Identifier too long on line 2");

  std::string deep;
  for (int i = 0; i < 70; ++i) deep += "object A: T\n";
  EXPECT_EQ(ParseError(deep), "Objects nested too deeply on line 65");
  EXPECT_EQ(ParseError("object A: T\n  X = " + std::string(100, '(') + "\nend"),
            "Values nested too deeply on line 2");
}

}  // namespace
