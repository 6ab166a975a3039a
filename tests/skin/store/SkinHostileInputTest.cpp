#include <gtest/gtest.h>

#include "SampleSkin.h"
#include "SkinStoreTestSupport.h"
#include "framework/core/TReadOnlyMemoryStream.h"
#include "skin/store/ESeSkinFormatError.h"
#include "skin/store/SePackedBitmap.h"
#include "skin/store/SkinFilterRegistry.h"
#include "skin/store/TCompressionStream.h"
#include "skin/store/TSeLimitedReadStream.h"
#include "skin/store/TSeSkinFilter.h"

using namespace StoreTest;

namespace {

void Load(const std::string& extension, TSeSkinSource& source, const Bytes& bytes) {
  std::unique_ptr<TSeSkinFilter> filter = FindSkinFilterByExtension("." + extension)->Create();
  filter->SetSource(&source);
  TReadOnlyMemoryStream in(bytes.data(), bytes.size());
  filter->LoadFromStream(in);
}

// A chain of depth objects, each the only child of the one before, in binary form.
Bytes Nested(int depth) {
  Bytes form = ObjectForm("TSeSkinObject", "", {});
  for (int i = 1; i < depth; ++i) {
    Bytes blob = ContentBuilder()
                     .Int(0x000F0001)
                     .Str("TSeSkinObject")
                     .Int(static_cast<std::int32_t>(form.size()))
                     .Raw(form)
                     .Done();
    form = ObjectForm("TSeSkinObject", "", ObjectsProperty(blob));
  }
  return form;
}

}  // namespace

TEST(HostileSkin, EveryTruncationFailsAndKeepsTheSkin) {
  TSeSkinSource sample(nullptr);
  SampleSkin::Fill(sample, 2, 4);
  for (const char* ext : {"uskn", "cskn", "mskn"}) {
    SCOPED_TRACE(ext);
    const Bytes whole = SampleSkin::Saved(sample, ext);
    TSeSkinSource target(nullptr);
    SampleSkin::Fill(target, 1, 1);
    for (std::size_t n = 0; n < whole.size(); ++n) {
      const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n));
      EXPECT_THROW(Load(ext, target, cut), Exception) << "cut at " << n;
      ASSERT_EQ(target.Bitmaps().Count(), 1);
      ASSERT_EQ(target.Count(), 2);
    }
    Load(ext, target, whole);
    EXPECT_EQ(target.Bitmaps().Count(), 2);
  }
}

// Expects the load to fail with exactly this message and to leave the sample skin in place.
void ExpectRefused(const std::string& ext, const Bytes& stored, const std::string& message) {
  TSeSkinSource source(nullptr);
  SampleSkin::Fill(source, 1, 1);
  try {
    Load(ext, source, stored);
    ADD_FAILURE() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), message);
  }
  EXPECT_EQ(source.SkinName(), "Sample Skin");
  EXPECT_EQ(source.Bitmaps().Count(), 1);
  EXPECT_EQ(source.Count(), 2);
}

TEST(HostileSkin, LyingCountsAndSizesAreNamedErrors) {
  // Each lie is followed by data that reads on if the lie is skipped or taken at face value,
  // so only the reader's own check can produce its error. Behind a decompressor the reader
  // cannot know how much follows, and a count within the bounds of a skin runs into the end.
  const std::string invalid = "Invalid stream format", end = "Stream read error";
  const std::int32_t big = 0x7FFFFFFF;
  const Bytes oneBitmap = ContentBuilder().Str("A").Int(1).Int(1).Raw({1, 2, 3, 4}).Done();
  const Bytes oneObject =
      ContentBuilder().Str("TSeSkinObject").Str("object X: TSeSkinObject\r\nend\r\n").Done();
  const Bytes fourPixels(16, 0);
  const Bytes restOfHeader = ContentBuilder().Str("1.0").Str("Me").Str("e").Str("u").Done();
  struct Case {
    const char* what;
    Bytes content;
    std::string message;
    bool onlyWhenSizeKnown;
  };
  const std::vector<Case> cases{
      {"negative string length", ContentBuilder().Int(-5).Raw(restOfHeader).Int(0).Int(0).Done(),
       invalid, false},
      {"string length", ContentBuilder().Int(big).Raw(restOfHeader).Int(0).Int(0).Done(), end,
       false},
      {"bitmap count beyond any skin",  // one more than 65536
       ContentBuilder().Header().Int(65537).Raw(oneBitmap).Int(0).Done(),
       "Skin holds too many bitmaps", false},
      {"bitmap count beyond the data",
       ContentBuilder().Header().Int(2).Raw(oneBitmap).Int(0).Done(), "Skin holds too many bitmaps",
       true},
      {"negative bitmap count", ContentBuilder().Header().Int(-1).Int(0).Done(), invalid, false},
      {"bitmap size",
       ContentBuilder().Header().Int(1).Str("A").Int(big).Int(big).Raw(fourPixels).Int(0).Done(),
       invalid, false},
      {"bitmap under the pixel limit, no pixels",
       ContentBuilder().Header().Int(1).Str("A").Int(20000).Int(20000).Raw({1, 2, 3}).Done(), end,
       false},
      {"negative bitmap width",
       ContentBuilder().Header().Int(1).Str("A").Int(-2).Int(2).Raw(fourPixels).Int(0).Done(),
       invalid, false},
      {"negative bitmap width and height",
       ContentBuilder().Header().Int(1).Str("A").Int(-2).Int(-2).Raw(fourPixels).Int(0).Done(),
       invalid, false},
      {"object count beyond any skin",
       ContentBuilder().Header().Int(0).Int(big).Raw(oneObject).Done(),
       "Skin holds too many objects", false},
      {"object count beyond the data",
       ContentBuilder().Header().Int(0).Int(7).Raw(oneObject).Done(), "Skin holds too many objects",
       true},
      {"negative object count", ContentBuilder().Header().Int(0).Int(-1).Raw(oneObject).Done(),
       invalid, false},
      {"object text length",
       ContentBuilder().Header().Int(0).Int(1).Str("TSeSkinObject").Int(big).Raw(oneObject).Done(),
       end, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectRefused("uskn", c.content, c.message);
    ExpectRefused("cskn", Compressed(c.content), c.onlyWhenSizeKnown ? end : c.message);
  }
  // Text that is no object is the text reader's error.
  ExpectRefused("uskn",
                ContentBuilder().Header().Int(0).Int(1).Str("TSeSkinObject").Str("object {").Done(),
                "Identifier expected on line 1");
}

TEST(HostileSkin, PackedRecordsWithLyingLengths) {
  const std::string invalid = "Invalid stream format";
  const std::int32_t big = 0x7FFFFFFF;
  TSeBitmap picture;
  picture.SetSize(2, 2);
  picture.Fill(0xFF102030);
  const std::vector<std::uint8_t> bmp = EncodePackedBitmap(picture);
  const auto bitmapOf = [&](std::int32_t length) {
    return ContentBuilder().Header().Int(1).Str("A").Int(length).Raw(bmp).Int(0).Done();
  };
  const Bytes form = ObjectForm("TSeSkinObject", "", {});
  const auto objectOf = [&](std::int32_t length, const Bytes& what) {
    return ContentBuilder()
        .Header()
        .Int(0)
        .Int(1)
        .Str("TSeSkinObject")
        .Int(length)
        .Raw(what)
        .Done();
  };
  // A child record whose byte count lies, then the child's real form.
  const auto childOf = [&](std::int32_t count, std::int32_t length) {
    const Bytes blob =
        ContentBuilder().Int(count).Str("TSeSkinObject").Int(length).Raw(form).Done();
    const Bytes parent = ObjectForm("TSeSkinObject", "", ObjectsProperty(blob));
    return objectOf(static_cast<std::int32_t>(parent.size()), parent);
  };
  const auto size = [](const auto& bytes) { return static_cast<std::int32_t>(bytes.size()); };
  TSeSkinSource sound(nullptr);  // told the truth, the same records read
  Load("mskn", sound, Compressed(bitmapOf(size(bmp))));
  Load("mskn", sound, Compressed(childOf(0x000F0001, size(form))));
  EXPECT_EQ(sound.Objects(0)->Objects(0)->ClassName(), "TSeSkinObject");
  const std::vector<std::pair<Bytes, std::string>> cases{
      {bitmapOf(-size(bmp)), invalid},
      {bitmapOf(big), "Stream read error"},
      {objectOf(-size(form), form), invalid},
      {objectOf(big, form), "Stream read error"},
      {childOf(0x000F0001, -size(form)), invalid},
      {childOf(0x000F0001, size(form) + 1), invalid},
      {childOf(0x000F0006, size(form)), invalid},  // six records need 48 bytes
  };
  for (const auto& [content, message] : cases) ExpectRefused("mskn", Compressed(content), message);
  const Bytes notBmp =
      ContentBuilder().Header().Int(1).Str("A").Int(4).Raw({1, 2, 3, 4}).Int(0).Done();
  ExpectRefused("mskn", Compressed(notBmp), "Bitmap image is not valid");
}

TEST(HostileSkin, AnUnknownRecordsLengthIsCheckedLikeAKnownOnes) {
  // A length past the end, or negative: a record of an unknown class fails with the error that
  // one of a known class gets, and the skin that was there stays.
  for (const std::int32_t length : {1000, 0x7FFFFFFF, -1}) {
    for (const char* ext : {"uskn", "cskn", "mskn"}) {
      SCOPED_TRACE(std::string(ext) + " " + std::to_string(length));
      std::string messages[2];
      for (int unknown = 0; unknown < 2; ++unknown) {
        const Bytes content = ContentBuilder()
                                  .Header()
                                  .Int(0)
                                  .Int(1)
                                  .Str(unknown ? "TSeGlowObject" : "TSeSkinObject")
                                  .Int(length)
                                  .Raw({'o', 'b', 'j'})
                                  .Done();
        TSeSkinSource source(nullptr);
        SampleSkin::Fill(source, 1, 1);
        try {
          Load(ext, source, std::string(ext) == "uskn" ? content : Compressed(content));
          ADD_FAILURE() << "no error";
        } catch (const Exception& e) {
          messages[unknown] = e.Message();
        }
        EXPECT_EQ(source.Count(), 2);
      }
      EXPECT_EQ(messages[1], messages[0]);
      EXPECT_EQ(messages[1], length < 0 ? "Invalid stream format" : "Stream read error");
    }
  }
}

TEST(HostileSkin, ChildrenNestingIsBounded) {
  const auto packedSkin = [](int depth) {
    const Bytes form = Nested(depth);
    return Compressed(ContentBuilder()
                          .Header()
                          .Int(0)
                          .Int(1)
                          .Str("TSeSkinObject")
                          .Int(static_cast<std::int32_t>(form.size()))
                          .Raw(form)
                          .Done());
  };
  TSeSkinSource source(nullptr);
  Load("mskn", source, packedSkin(20));
  int depth = 0;
  for (TSeSkinObject* o = source.Objects(0); o != nullptr; o = o->Objects(0)) ++depth;
  EXPECT_EQ(depth, 20);
  EXPECT_THROW(Load("mskn", source, packedSkin(500)), EReadError);
  EXPECT_EQ(source.Count(), 1);  // the 20-deep skin is still there
  // A child count that the blob cannot hold.
  const Bytes lying =
      ObjectForm("TSeSkinObject", "", ObjectsProperty(ContentBuilder().Int(0x000FFFFF).Done()));
  const Bytes content = ContentBuilder()
                            .Header()
                            .Int(0)
                            .Int(1)
                            .Str("TSeSkinObject")
                            .Int(static_cast<std::int32_t>(lying.size()))
                            .Raw(lying)
                            .Done();
  EXPECT_THROW(Load("mskn", source, Compressed(content)), EReadError);
}

TEST(HostileSkin, ContentIsBoundedWhateverItInflatesTo) {
  // A few kilobytes of zlib that inflate to a picture larger than any skin's content.
  const std::int32_t w = 4096, h = 1100;
  Bytes content = ContentBuilder().Header().Int(1).Str("BIG.BMP").Int(w).Int(h).Done();
  content.resize(content.size() + std::size_t(w) * h * 4, 0);
  const Bytes bomb = Compressed(ContentBuilder().Raw(content).Int(0).Done());
  EXPECT_LT(bomb.size(), 100000u);
  TSeSkinSource source(nullptr);
  EXPECT_THROW(Load("cskn", source, bomb), ESeSkinFormatError);

  const Bytes data(64, 0);
  TReadOnlyMemoryStream inner(data.data(), data.size());
  TSeLimitedReadStream limited(inner, 40, false);
  std::uint8_t buffer[64];
  EXPECT_EQ(limited.Available(), 40);
  EXPECT_EQ(limited.Read(buffer, 30), 30u);
  EXPECT_EQ(limited.Position(), 30);
  EXPECT_EQ(limited.Available(), 10);
  EXPECT_THROW(limited.Read(buffer, 11), ESeSkinFormatError);
  TReadOnlyMemoryStream inner2(data.data(), data.size());
  TSeLimitedReadStream known(inner2, 1000, true);
  EXPECT_EQ(known.Available(), 64);
  EXPECT_THROW(known.Write(buffer, 1), EWriteError);
}

#ifndef _WIN32
#include <sys/resource.h>

namespace {

// The most memory the process has held so far, in bytes.
long PeakResidentBytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss * 1024L;
}

}  // namespace

// Unread padding at the bottom of a deep chain of children must be paid for once, not once per
// level: children are read in place, not copied level by level.
TEST(HostileSkin, DeepChildrenWithPaddingDoNotMultiplyMemory) {
  constexpr int kDepth = 40;
  constexpr std::size_t kPadding = 8 << 20;
  Bytes innermost = ContentBuilder().Int(0x000F0000).Done();
  innermost.resize(innermost.size() + kPadding, 0);
  Bytes form = ObjectForm("TSeSkinObject", "", ObjectsProperty(innermost));
  for (int i = 1; i < kDepth; ++i) {
    const Bytes blob = ContentBuilder()
                           .Int(0x000F0001)
                           .Str("TSeSkinObject")
                           .Int(static_cast<std::int32_t>(form.size()))
                           .Raw(form)
                           .Done();
    form = ObjectForm("TSeSkinObject", "", ObjectsProperty(blob));
  }
  const Bytes stored = Compressed(ContentBuilder()
                                      .Header()
                                      .Int(0)
                                      .Int(1)
                                      .Str("TSeSkinObject")
                                      .Int(static_cast<std::int32_t>(form.size()))
                                      .Raw(form)
                                      .Done());
  form.clear();
  form.shrink_to_fit();
  const long before = PeakResidentBytes();
  TSeSkinSource source(nullptr);
  Load("mskn", source, stored);
  int depth = 0;
  for (TSeSkinObject* o = source.Objects(0); o != nullptr; o = o->Objects(0)) ++depth;
  EXPECT_EQ(depth, kDepth);
  // A copy per level would cost about kDepth * 2 * 8 MiB (over 600 MiB) here.
  EXPECT_LT(PeakResidentBytes() - before, 160L << 20);
}
#endif
