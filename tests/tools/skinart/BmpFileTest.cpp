#include <gtest/gtest.h>

#include "tools/skinart/BmpFile.h"

namespace skinart {
namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
         (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

TArtCanvas Sample() {
  TArtCanvas c(3, 2);
  c.Set(0, 0, TRgb{1, 2, 3});
  c.Set(2, 1, TRgb{250, 0, 10});
  return c;
}

TEST(BmpFileTest, WritesWhatImageEditorsWrite) {
  const auto bytes = BmpFile::Encode(Sample());
  ASSERT_EQ(bytes.size(), 14u + 40u + 3u * 2u * 4u);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(U32(bytes, 2), bytes.size());
  EXPECT_EQ(U32(bytes, 10), 54u);
  EXPECT_EQ(U32(bytes, 18), 3u);
  EXPECT_EQ(U32(bytes, 22), 2u);                // positive: rows run bottom-up
  EXPECT_EQ(bytes[28] | (bytes[29] << 8), 32);  // 32 bits per pixel
  EXPECT_EQ(U32(bytes, 30), 0u);                // no compression
  // The first stored row is the bottom one: (2, 1) is its last pixel, blue green red alpha.
  EXPECT_EQ(bytes[54 + 8], 10);
  EXPECT_EQ(bytes[54 + 9], 0);
  EXPECT_EQ(bytes[54 + 10], 250);
  EXPECT_EQ(bytes[54 + 11], 0);
  // The top-left pixel comes in the second row.
  EXPECT_EQ(bytes[54 + 12], 3);
  EXPECT_EQ(bytes[54 + 14], 1);
}

TEST(BmpFileTest, ReadsBackEveryPixel) {
  const TArtCanvas back = BmpFile::Decode(BmpFile::Encode(Sample()));
  ASSERT_EQ(back.Width(), 3);
  ASSERT_EQ(back.Height(), 2);
  EXPECT_EQ(back.At(0, 0), (TRgb{1, 2, 3}));
  EXPECT_EQ(back.At(2, 1), (TRgb{250, 0, 10}));
  EXPECT_EQ(back.At(1, 0), kMagenta);
}

TEST(BmpFileTest, ReadsTopDownAndPaddedTwentyFourBitFiles) {
  // 24 bits, width 1: each row holds 3 bytes plus one byte of padding; height -2 (top-down).
  std::vector<std::uint8_t> b = BmpFile::Encode(TArtCanvas(1, 2));
  b.resize(54);
  b[22] = 0xFE, b[23] = 0xFF, b[24] = 0xFF, b[25] = 0xFF;
  b[28] = 24;
  for (std::uint8_t v : {3, 2, 1, 0, 30, 20, 10, 0}) b.push_back(v);
  const TArtCanvas c = BmpFile::Decode(b);
  EXPECT_EQ(c.At(0, 0), (TRgb{1, 2, 3}));
  EXPECT_EQ(c.At(0, 1), (TRgb{10, 20, 30}));
}

TEST(BmpFileTest, RefusesBrokenFilesWithANamedError) {
  const auto good = BmpFile::Encode(Sample());
  auto truncated = good;
  truncated.pop_back();
  EXPECT_THROW(BmpFile::Decode(truncated), EBmpError);
  EXPECT_THROW(BmpFile::Decode({'B', 'M'}), EBmpError);
  auto magic = good;
  magic[0] = 'X';
  EXPECT_THROW(BmpFile::Decode(magic), EBmpError);
  auto huge = good;  // a width of 2^31 - 1 must not allocate
  huge[18] = huge[19] = huge[20] = 0xFF, huge[21] = 0x7F;
  EXPECT_THROW(BmpFile::Decode(huge), EBmpError);
  auto packed = good;  // 16-bit or compressed files are not skin sources
  packed[28] = 16;
  EXPECT_THROW(BmpFile::Decode(packed), EBmpError);
  auto offset = good;  // pixel offset past the end
  offset[10] = 0xF0, offset[11] = 0xFF;
  EXPECT_THROW(BmpFile::Decode(offset), EBmpError);
  EXPECT_THROW(BmpFile::Load("/nonexistent/x.bmp"), EBmpError);
}

}  // namespace
}  // namespace skinart
