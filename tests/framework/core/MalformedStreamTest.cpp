// Hostile and damaged component streams: every one ends in one of the framework's errors,
// never in a crash, a hang or a huge allocation (the sanitizer build checks the memory side).

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/core/Exception.h"
#include "framework/core/ObjectText.h"
#include "framework/core/TReader.h"
#include "tests/framework/core/StreamTestSupport.h"
#include "tests/framework/core/TestClasses.h"

namespace {

using namespace TestClasses;

// A window with nested controls, references, events, a list and blocks, plus a skin-like
// tree whose children sit in blocks.
std::vector<std::uint8_t> SampleWindow() {
  return ObjectTextToBinary(
      "object Form1: TTestForm\n"
      "  Caption = 'W'#8226\n"
      "  OnActivate = FormActivate\n"
      "  object Panel1: TTestControl\n"
      "    Width = 300\n"
      "    Height = 70000\n"
      "    Anchors = [akLeft, akRight]\n"
      "    object Button1: TTestControl\n"
      "      Width = -5\n"
      "      Height = 30\n"
      "      SkinEngine = SeSkinEngine1\n"
      "      OnClick = ButtonClick\n"
      "      Lines.Strings = (\n"
      "        'a'\n"
      "        'b'#8217)\n"
      "    end\n"
      "  end\n"
      "  object SeSkinEngine1: TTestEngine\n"
      "    DeltaHue = 0\n"
      "    SkinStream = {0102030405}\n"
      "  end\n"
      "end\n");
}

std::vector<std::uint8_t> SampleTree() {
  TTestObject root(nullptr);
  root.SetName("Form");
  auto* caption = new TTestBitmapObject(&root);
  caption->SetName("Caption");
  caption->Bitmap.Name = "X.BMP";
  new TTestObject(caption);
  return WriteToBytes(root);
}

// Reads the bytes as a component; true when they were accepted.
bool TryRead(const std::vector<std::uint8_t>& bytes, std::string& error) {
  try {
    ReadFromBytes(bytes);
    return true;
  } catch (const Exception& e) {
    error = e.Message();
    return false;
  }
}

bool TryConvert(const std::vector<std::uint8_t>& bytes, std::string& error) {
  try {
    const std::string text = ObjectBinaryToText(bytes);
    ObjectTextToBinary(text);
    return true;
  } catch (const Exception& e) {
    error = e.Message();
    return false;
  }
}

TEST(MalformedStream, EveryTruncationIsAnError) {
  for (const auto& bytes : {SampleWindow(), SampleTree()}) {
    std::string error;
    ASSERT_TRUE(TryRead(bytes, error)) << error;
    for (std::size_t n = 0; n < bytes.size(); ++n) {
      const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + n);
      EXPECT_FALSE(TryRead(cut, error)) << n;
      EXPECT_FALSE(error.empty());
      EXPECT_FALSE(TryConvert(cut, error)) << n;
    }
  }
}

TEST(MalformedStream, DamagedBytesNeverCrash) {
  for (const auto& bytes : {SampleWindow(), SampleTree()}) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      for (int value : {0x00, 0x01, 0x0A, 0x12, 0x7F, 0x80, 0xFF, bytes[i] ^ 0x40}) {
        std::vector<std::uint8_t> damaged = bytes;
        damaged[i] = static_cast<std::uint8_t>(value);
        std::string error;
        TryRead(damaged, error);
        TryConvert(damaged, error);
      }
    }
  }
  SUCCEED() << "no crash, no leak, no sanitizer finding";
}

std::vector<std::uint8_t> WithProperty(std::initializer_list<int> value) {
  TBytes b;
  b.Raw("TPF0").Short("TTestEngine").Short("E").Short("SkinStream").Byte(value);
  return b.Get();
}

TEST(MalformedStream, CountsBeyondTheStreamAreRefusedBeforeAnyAllocation) {
  std::string error;
  // A block that claims 2 GiB, a wide string that claims 4 GiB, a negative count.
  const auto huge = WithProperty({10, 0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3});
  EXPECT_FALSE(TryRead(huge, error));
  EXPECT_EQ(error, "Stream read error");
  EXPECT_FALSE(TryConvert(huge, error));
  EXPECT_EQ(error, "Stream read error");

  TBytes wide;
  wide.Raw("TPF0").Short("TTestForm").Short("F").Short("Caption").Byte({18}).Int32(0x7FFFFFFF);
  wide.Byte({'a', 0});
  EXPECT_FALSE(TryRead(wide.Get(), error));
  EXPECT_EQ(error, "Stream read error");
  EXPECT_FALSE(TryConvert(wide.Get(), error));
  EXPECT_EQ(error, "Stream read error");

  TBytes negative;
  negative.Raw("TPF0").Short("TTestForm").Short("F").Short("Caption").Byte({12}).Int32(-1);
  EXPECT_FALSE(TryRead(negative.Get(), error));
  EXPECT_EQ(error, "Stream read error");
  EXPECT_FALSE(TryConvert(negative.Get(), error));

  // The children block of a tree says it holds a child of 1 GiB.
  TBytes lying;
  lying.Raw("TPF0").Short("TTestObject").Short("Root").Short("Objects").Byte({10}).Int32(23);
  lying.Int32(0x000F0001).Int32(11).Raw("TTestObject").Int32(0x40000000).Byte({0, 0});
  EXPECT_FALSE(TryRead(lying.Get(), error));
  EXPECT_EQ(error, "Stream read error");
}

TEST(MalformedStream, BadSignaturesAndTagsAreTheFrameworksErrors) {
  std::string error;
  for (const std::vector<std::uint8_t>& bad :
       {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>{'T', 'P'},
        std::vector<std::uint8_t>{'T', 'P', 'F', '1', 1, 'T', 0, 0, 0}}) {
    EXPECT_FALSE(TryRead(bad, error));
    EXPECT_EQ(error, "Invalid stream format");
    EXPECT_FALSE(TryConvert(bad, error));
    EXPECT_EQ(error, "Invalid stream format");
  }
  const auto badTag = WithProperty({0x55, 0, 0});
  EXPECT_FALSE(TryRead(badTag, error));
  EXPECT_EQ(error, "Invalid property value");
  EXPECT_FALSE(TryConvert(badTag, error));
  EXPECT_EQ(error, "Invalid stream format");

  // A list that never ends where the record should.
  TBytes unended;
  unended.Raw("TPF0").Short("TTestForm").Short("F").Byte({0}).Byte({5});
  EXPECT_FALSE(TryRead(unended.Get(), error));

  // Names that the text form could not carry.
  TBytes oddName;
  oddName.Raw("TPF0").Short("T Form").Short("F").Byte({0, 0});
  EXPECT_FALSE(TryConvert(oddName.Get(), error));
  EXPECT_EQ(error, "Invalid stream format");
  TBytes keyword;  // a property the text would take for the object's end
  keyword.Raw("TPF0").Short("TForm").Short("F").Short("End").Byte({2, 1, 0, 0});
  EXPECT_FALSE(TryConvert(keyword.Get(), error));
  EXPECT_EQ(error, "Invalid stream format");
}

std::vector<std::uint8_t> Nested(int depth) {
  TBytes b;
  b.Raw("TPF0");
  for (int i = 0; i < depth; ++i) b.Short("TTestMenu").Short("M" + std::to_string(i)).Byte({0});
  for (int i = 0; i < depth; ++i) b.Byte({0});
  return b.Get();
}

TEST(MalformedStream, NestingIsLimitedToSixtyFourLevels) {
  std::string error;
  EXPECT_TRUE(TryRead(Nested(64), error)) << error;
  EXPECT_TRUE(TryConvert(Nested(64), error)) << error;
  EXPECT_FALSE(TryRead(Nested(65), error));
  EXPECT_EQ(error, "Invalid stream format");
  EXPECT_FALSE(TryConvert(Nested(65), error));
  EXPECT_EQ(error, "Invalid stream format");
  EXPECT_FALSE(TryRead(Nested(100000), error));

  TBytes lists;
  lists.Raw("TPF0").Short("TTestMenu").Short("M").Short("X");
  for (int i = 0; i < 1000; ++i) lists.Byte({1});
  EXPECT_FALSE(TryConvert(lists.Get(), error));
  EXPECT_EQ(error, "Invalid stream format");
}

TEST(MalformedStream, TreesNestedThroughTheirBlocksAreLimitedToo) {
  const auto tree = [](int depth) {
    TTestObject root(nullptr);
    TTestObject* node = &root;
    for (int i = 1; i < depth; ++i) node = new TTestObject(node);
    return WriteToBytes(root);
  };
  std::string error;
  EXPECT_TRUE(TryRead(tree(64), error)) << error;
  EXPECT_FALSE(TryRead(tree(65), error));
  EXPECT_EQ(error, "Invalid stream format");
  EXPECT_TRUE(TryRead(tree(3), error)) << "the limit is released after a failure";
}

}  // namespace
