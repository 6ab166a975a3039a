#include <gtest/gtest.h>

#include "SkinStoreTestSupport.h"
#include "skin/store/ESeSkinFormatError.h"
#include "skin/store/SePackedBitmap.h"

using namespace StoreTest;

namespace {

void Put(Bytes& b, std::size_t at, std::uint32_t v, int n) {
  for (int i = 0; i < n; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A BMP file of the given format with zeroed pixel bytes.
Bytes File(std::int32_t w, std::int32_t h, int bits, std::uint32_t compression,
           std::size_t pixelBytes) {
  const std::size_t off = 14 + 40 + (compression == 3 ? 12 : 0);
  Bytes b(off + pixelBytes, 0);
  b[0] = 'B';
  b[1] = 'M';
  Put(b, 2, static_cast<std::uint32_t>(b.size()), 4);
  Put(b, 10, static_cast<std::uint32_t>(off), 4);
  Put(b, 14, 40, 4);
  Put(b, 18, static_cast<std::uint32_t>(w), 4);
  Put(b, 22, static_cast<std::uint32_t>(h), 4);
  Put(b, 26, 1, 2);
  Put(b, 28, static_cast<std::uint32_t>(bits), 2);
  Put(b, 30, compression, 4);
  if (compression == 3) {
    Put(b, 54, 0xF800, 4);
    Put(b, 58, 0x07E0, 4);
    Put(b, 62, 0x001F, 4);
  }
  return b;
}

void Decode(const Bytes& file, TSeBitmap& bitmap) {
  DecodePackedBitmap(file.data(), file.size(), bitmap);
}

}  // namespace

TEST(PackedBitmap, SixteenBitFileRoundTripKeepsTopBits) {
  TSeBitmap source;
  source.SetSize(5, 3);  // odd width: rows padded to 12 bytes
  const std::uint32_t colours[] = {0xFFFFFFFF, 0x00000000, 0x007F007F, 0x80123456, 0x00F8FCF8,
                                   0x00070307, 0x00FF0000, 0x0000FF00, 0x000000FF};
  for (int i = 0; i < 15; ++i) source.SetPixel(i % 5, i / 5, colours[i % 9]);
  const Bytes file = EncodePackedBitmap(source);
  ASSERT_EQ(file.size(), 14u + 40 + 12 + 12 * 3);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[28], 16);  // bits per pixel
  EXPECT_EQ(file[30], 3);   // bit fields
  TSeBitmap back;
  Decode(file, back);
  ASSERT_EQ(back.Width(), 5);
  ASSERT_EQ(back.Height(), 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) {
      // Before the key colour is restored: only the top bits, widened, alpha gone.
      std::uint32_t p = source.Pixel(x, y);
      auto w5 = [](std::uint32_t v) { return (v << 3) | (v >> 2); };
      auto w6 = [](std::uint32_t v) { return (v << 2) | (v >> 4); };
      const std::uint32_t want =
          (w5((p >> 19) & 31) << 16) | (w6((p >> 10) & 63) << 8) | w5((p >> 3) & 31);
      EXPECT_EQ(back.Pixel(x, y), want) << x << "," << y;
    }
  EXPECT_EQ(back.Pixel(0, 0), 0x00FFFFFFu);
  EXPECT_EQ(back.Pixel(1, 0), 0u);
}

TEST(PackedBitmap, OtherDepthsAndRowOrders) {
  // 24-bit, top-down (negative height), 2 x 2: rows of 6 bytes padded to 8.
  Bytes file = File(2, -2, 24, 0, 16);
  const std::uint8_t px[] = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
  std::copy(std::begin(px), std::end(px), file.begin() + 54);
  TSeBitmap b;
  Decode(file, b);
  EXPECT_EQ(b.Pixel(0, 0), 0x00030201u);
  EXPECT_EQ(b.Pixel(1, 0), 0x00060504u);
  EXPECT_EQ(b.Pixel(0, 1), 0x00090807u);
  // 32-bit bottom-up: the first stored row is the picture's last.
  Bytes file32 = File(1, 2, 32, 0, 8);
  Put(file32, 54, 0xAA112233, 4);
  Put(file32, 58, 0xBB445566, 4);
  TSeBitmap c;
  Decode(file32, c);
  EXPECT_EQ(c.Pixel(0, 1), 0x00112233u);
  EXPECT_EQ(c.Pixel(0, 0), 0x00445566u);
  // 16-bit without bit fields is 5-5-5.
  Bytes file555 = File(1, 1, 16, 0, 4);
  Put(file555, 54, 0x7C00, 2);
  TSeBitmap d;
  Decode(file555, d);
  EXPECT_EQ(d.Pixel(0, 0), 0x00FF0000u);
  // No pixels at all: an empty bitmap.
  TSeBitmap e;
  Decode(File(0, 0, 16, 3, 0), e);
  EXPECT_TRUE(e.IsEmpty());
}

TEST(PackedBitmap, MalformedFilesAreRefusedBeforeAllocating) {
  std::vector<Bytes> bad;
  bad.push_back(Bytes(10, 0));                            // shorter than the headers
  bad.push_back(File(2, 2, 8, 0, 16));                    // palette depth
  bad.push_back(File(2, 2, 16, 1, 16));                   // run-length coding
  bad.push_back(File(2, 2, 16, 3, 7));                    // fewer pixel bytes than rows need
  bad.push_back(File(-2, 2, 16, 3, 16));                  // negative width
  bad.push_back(File(0x7FFFFFFF, 0x7FFFFFFF, 32, 0, 4));  // size overflow
  bad.push_back(File(40000, 40000, 16, 3, 4));            // huge, no pixels behind it
  Bytes magic = File(1, 1, 16, 3, 4);
  magic[0] = 'X';
  bad.push_back(magic);
  Bytes holes = File(1, 1, 16, 3, 4);
  Put(holes, 54, 0xF0F0, 4);  // a mask with a gap
  bad.push_back(holes);
  Bytes offset = File(1, 1, 16, 3, 4);
  Put(offset, 10, 0xFFFFFFF0, 4);  // pixels beyond the file
  bad.push_back(offset);
  Bytes info = File(1, 1, 16, 3, 4);
  Put(info, 14, 0x10000, 4);  // info header larger than the file
  bad.push_back(info);
  for (std::size_t i = 0; i < bad.size(); ++i) {
    TSeBitmap b;
    EXPECT_THROW(Decode(bad[i], b), ESeSkinFormatError) << "case " << i;
  }
}
