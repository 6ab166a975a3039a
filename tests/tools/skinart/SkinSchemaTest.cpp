#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "tools/skinart/SkinSchema.h"

namespace skinart {
namespace {

const SkinSchema::Property& Prop(const std::string& cls, const std::string& name) {
  for (const auto& p : *SkinSchema::Properties(cls))
    if (p.name == name) return p;
  throw std::runtime_error(name);
}

TEST(SkinSchemaTest, ClassesStoreTheirPropertiesInOrder) {
  EXPECT_EQ(SkinSchema::Properties("TSeLabel"), nullptr);
  const auto& sys = *SkinSchema::Properties("TSeSystemButton");
  // Common block, the bitmap object's link and tile styles, the active bitmap's, then its own.
  EXPECT_EQ(sys.front().name, "Align");
  EXPECT_EQ(sys[3].name, "Font.Charset");
  EXPECT_EQ(sys.back().name, "BitmapPressed.Bottom");
  std::vector<std::string> names;
  for (const auto& p : sys) names.push_back(p.name);
  auto at = [&](const std::string& n) {
    return std::find(names.begin(), names.end(), n) - names.begin();
  };
  EXPECT_LT(at("TextMarginTop"), at("Bitmap.Name"));
  EXPECT_LT(at("TileStyle"), at("ActiveBitmap.Name"));
  EXPECT_LT(at("ActiveFont.Style"), at("Action"));
  EXPECT_LT(at("Action"), at("BitmapHot.Name"));
  const auto& colour = *SkinSchema::Properties("TSeColorButtonObject");
  EXPECT_EQ(colour[colour.size() - 6].name, "DisabledColor");
}

TEST(SkinSchemaTest, ColoursByNameOrNumber) {
  EXPECT_EQ(SkinSchema::Colour("clWhite"), 0xFFFFFF);
  EXPECT_EQ(SkinSchema::Colour("clNone"), 0x1FFFFFFF);
  EXPECT_EQ(SkinSchema::Colour("clWindowText"), 0x80000008);
  EXPECT_EQ(SkinSchema::Colour("14150122"), 14150122);
  EXPECT_EQ(SkinSchema::Colour("-2147483640"), 0x80000008);  // written as signed 32 bits
  EXPECT_FALSE(SkinSchema::Colour("clPink"));
  EXPECT_FALSE(SkinSchema::Colour("99999999999"));
  EXPECT_EQ(SkinSchema::ColourName(0x808080), "clGray");
  EXPECT_FALSE(SkinSchema::ColourName(14150122));
}

TEST(SkinSchemaTest, ValuesMustBeWrittenAsTheWriterWritesThem) {
  const auto& colour = Prop("TSeSkinObject", "Color");
  EXPECT_TRUE(SkinSchema::Valid(colour, "14150122"));
  EXPECT_TRUE(SkinSchema::Valid(colour, "clSilver"));
  EXPECT_FALSE(SkinSchema::Valid(colour, "12632256"));  // clSilver has a name
  EXPECT_TRUE(SkinSchema::IsDefault(colour, "clWhite"));
  EXPECT_TRUE(SkinSchema::IsDefault(colour, "16777215"));
  const auto& align = Prop("TSeSkinObject", "Align");
  EXPECT_TRUE(SkinSchema::Valid(align, "saTopRight"));
  EXPECT_FALSE(SkinSchema::Valid(align, "satopright"));
  EXPECT_TRUE(SkinSchema::Valid(Prop("TSeSkinObject", "Kind"), "skTranparent"));
  EXPECT_FALSE(SkinSchema::Valid(Prop("TSeSkinObject", "Kind"), "skTransparent"));
  const auto& style = Prop("TSeSkinObject", "Font.Style");
  EXPECT_TRUE(SkinSchema::Valid(style, "[]"));
  EXPECT_TRUE(SkinSchema::Valid(style, "[fsBold, fsItalic]"));
  EXPECT_FALSE(SkinSchema::Valid(style, "[fsBold,fsItalic]"));
  EXPECT_FALSE(SkinSchema::Valid(style, "[fsHeavy]"));
  EXPECT_FALSE(SkinSchema::IsDefault(style, "[]"));  // fonts are always written in full
  EXPECT_FALSE(SkinSchema::Valid(Prop("TSeSkinObject", "Width"), "2147483648"));
  EXPECT_FALSE(SkinSchema::Valid(Prop("TSeSkinObject", "Masked"), "true"));
  EXPECT_FALSE(SkinSchema::Valid(Prop("TSeBitmapObject", "Bitmap.Name"), "BUTTON.bmp"));
  EXPECT_TRUE(SkinSchema::IsDefault(Prop("TSeSystemButton", "Kind"), "skNone"));
}

}  // namespace
}  // namespace skinart
