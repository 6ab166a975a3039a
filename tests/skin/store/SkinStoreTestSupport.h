#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/TMemoryStream.h"
#include "skin/objects/SkinString.h"
#include "skin/objects/TSeBitmap.h"
#include "skin/store/TCompressionStream.h"
#include "skin/store/TSeSkinContentWriter.h"
#include "skin/store/TSeSkinSource.h"

// Comparisons and hand-made content streams for the store's tests.
namespace StoreTest {

using Bytes = std::vector<std::uint8_t>;

inline std::uint32_t Through565(std::uint32_t p) {
  auto widen = [](std::uint32_t v, int bits) {
    return bits == 5 ? (v << 3) | (v >> 2) : (v << 2) | (v >> 4);
  };
  const std::uint32_t r = widen((p >> 19) & 0x1F, 5), g = widen((p >> 10) & 0x3F, 6),
                      b = widen((p >> 3) & 0x1F, 5);
  const std::uint32_t q = (r << 16) | (g << 8) | b;
  // Within 6 of the key colour on every channel reads back as the key colour.
  auto near = [](std::uint32_t a, std::uint32_t k) { return (a > k ? a - k : k - a) < 6; };
  if (near(r, 0x7F) && near(g, 0) && near(b, 0x7F)) return 0x007F007F;
  return q;
}

// Same header strings, bitmaps (names, sizes, pixels; through 16 bits when packed) and object
// binary forms.
inline void ExpectSameSkin(TSeSkinSource& expected, TSeSkinSource& actual, bool packed = false) {
  EXPECT_EQ(expected.SkinName(), actual.SkinName());
  EXPECT_EQ(expected.SkinVersion(), actual.SkinVersion());
  EXPECT_EQ(expected.Author(), actual.Author());
  EXPECT_EQ(expected.AuthorEMail(), actual.AuthorEMail());
  EXPECT_EQ(expected.AuthorURL(), actual.AuthorURL());
  ASSERT_EQ(expected.Bitmaps().Count(), actual.Bitmaps().Count());
  for (int i = 0; i < expected.Bitmaps().Count(); ++i) {
    const TSeBitmap& e = *expected.Bitmaps().Bitmaps(i);
    const TSeBitmap& a = *actual.Bitmaps().Bitmaps(i);
    EXPECT_EQ(e.Name, a.Name);
    ASSERT_EQ(e.Width(), a.Width());
    ASSERT_EQ(e.Height(), a.Height());
    for (int y = 0; y < e.Height(); ++y)
      for (int x = 0; x < e.Width(); ++x) {
        const std::uint32_t want = packed ? Through565(e.Pixel(x, y)) : e.Pixel(x, y);
        ASSERT_EQ(want, a.Pixel(x, y)) << e.Name << " at " << x << "," << y;
      }
  }
  ASSERT_EQ(expected.Count(), actual.Count());
  for (int i = 0; i < expected.Count(); ++i) {
    EXPECT_EQ(TSeSkinContentWriter::BinaryForm(*expected.Objects(i)),
              TSeSkinContentWriter::BinaryForm(*actual.Objects(i)));
    EXPECT_EQ(actual.Objects(i)->Bitmaps(), &actual.Bitmaps());
  }
}

// Builds a content stream field by field.
class ContentBuilder {
 public:
  ContentBuilder& Header() {
    for (const char* s : {"Name", "1.0", "Me", "me@quillmar.example", "quillmar.example"}) Str(s);
    return *this;
  }
  ContentBuilder& Str(const std::string& s) {
    WriteSkinString(out_, s);
    return *this;
  }
  ContentBuilder& Int(std::int32_t v) {
    out_.WriteInt32(v);
    return *this;
  }
  ContentBuilder& Raw(const Bytes& bytes) {
    out_.WriteBuffer(bytes.data(), bytes.size());
    return *this;
  }
  Bytes Done() const { return out_.Bytes(); }

 private:
  TMemoryStream out_;
};

// A content stream in the compressed filters' container: the tag, then the content deflated.
inline Bytes Compressed(const Bytes& content) {
  TMemoryStream out;
  out.WriteBuffer("QNWB", 4);
  {
    TCompressionStream z(TCompressionLevel::clFastest, out);
    z.WriteBuffer(content.data(), content.size());
    z.Finish();
  }
  return out.Bytes();
}

// A binary object form: signature, class, name, the properties given as raw bytes, the two
// closing zeros.
inline Bytes ObjectForm(const std::string& cls, const std::string& name, const Bytes& props) {
  Bytes out{'T', 'P', 'F', '0'};
  out.push_back(static_cast<std::uint8_t>(cls.size()));
  out.insert(out.end(), cls.begin(), cls.end());
  out.push_back(static_cast<std::uint8_t>(name.size()));
  out.insert(out.end(), name.begin(), name.end());
  out.insert(out.end(), props.begin(), props.end());
  out.push_back(0);
  out.push_back(0);
  return out;
}

// The "Objects" property holding blob.
inline Bytes ObjectsProperty(const Bytes& blob) {
  Bytes out{7, 'O', 'b', 'j', 'e', 'c', 't', 's', 10};
  const auto n = static_cast<std::uint32_t>(blob.size());
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(n >> (8 * i)));
  out.insert(out.end(), blob.begin(), blob.end());
  return out;
}

}  // namespace StoreTest
