#include <gtest/gtest.h>

#include "SampleSkin.h"
#include "SkinStoreTestSupport.h"
#include "framework/core/TReadOnlyMemoryStream.h"
#include "skin/store/ESeSkinFormatError.h"
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

Bytes Compressed(const Bytes& content) {
  TMemoryStream out;
  out.WriteBuffer("QNWB", 4);
  {
    TCompressionStream z(TCompressionLevel::clFastest, out);
    z.WriteBuffer(content.data(), content.size());
    z.Finish();
  }
  return out.Bytes();
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

TEST(HostileSkin, LyingCountsAndSizesAreNamedErrors) {
  struct Case {
    const char* what;
    Bytes content;
  };
  const std::int32_t big = 0x7FFFFFFF;
  const std::vector<Case> cases{
      {"string length", ContentBuilder().Int(big).Done()},
      {"negative string length", ContentBuilder().Int(-5).Done()},
      {"bitmap count", ContentBuilder().Header().Int(big).Done()},
      {"negative bitmap count", ContentBuilder().Header().Int(-1).Done()},
      {"bitmap size", ContentBuilder().Header().Int(1).Str("A").Int(big).Int(big).Done()},
      {"bitmap under the pixel limit, no pixels",
       ContentBuilder().Header().Int(1).Str("A").Int(20000).Int(20000).Raw({1, 2, 3}).Done()},
      {"negative bitmap size", ContentBuilder().Header().Int(1).Str("A").Int(-4).Int(4).Done()},
      {"object count", ContentBuilder().Header().Int(0).Int(big).Done()},
      {"object text length",
       ContentBuilder().Header().Int(0).Int(1).Str("TSeSkinObject").Int(big).Done()},
      {"garbage text form",
       ContentBuilder().Header().Int(0).Int(1).Str("TSeSkinObject").Str("object {").Done()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (bool compressed : {false, true}) {
      TSeSkinSource source(nullptr);
      try {
        if (compressed)
          Load("cskn", source, Compressed(c.content));
        else
          Load("uskn", source, c.content);
        ADD_FAILURE() << "no error";
      } catch (const Exception& e) {
        EXPECT_FALSE(e.Message().empty());
      }
      EXPECT_EQ(source.Count(), 0);
    }
  }
  // Counts beyond any skin are refused at once, also behind a decompressor that cannot say
  // how much is left.
  TSeSkinSource source(nullptr);
  EXPECT_THROW(Load("cskn", source, Compressed(cases[2].content)), ESeSkinFormatError);
  EXPECT_THROW(Load("uskn", source, cases[7].content), ESeSkinFormatError);
}

TEST(HostileSkin, PackedRecordsWithLyingLengths) {
  const std::int32_t big = 0x7FFFFFFF;
  const Bytes bitmap = ContentBuilder().Header().Int(1).Str("A").Int(big).Raw({'B', 'M'}).Done();
  const Bytes object =
      ContentBuilder().Header().Int(0).Int(1).Str("TSeSkinObject").Int(big).Raw({'T'}).Done();
  const Bytes notBmp = ContentBuilder().Header().Int(1).Str("A").Int(4).Raw({1, 2, 3, 4}).Done();
  TSeSkinSource source(nullptr);
  for (const Bytes* content : {&bitmap, &object, &notBmp}) {
    EXPECT_THROW(Load("mskn", source, Compressed(*content)), Exception);
  }
  EXPECT_THROW(Load("mskn", source, Compressed(notBmp)), ESeSkinFormatError);
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
