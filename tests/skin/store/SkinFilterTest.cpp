#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "SampleSkin.h"
#include "SkinStoreTestSupport.h"
#include "framework/core/TFileStream.h"
#include "framework/core/TReadOnlyMemoryStream.h"
#include "skin/store/ProgramDirectory.h"
#include "skin/store/SkinFilterRegistry.h"
#include "skin/store/SkinStreamEnvelope.h"
#include "skin/store/TSeSkinFilter.h"

using namespace StoreTest;

namespace {

void LoadWith(const std::string& extension, TSeSkinSource& source, const Bytes& bytes) {
  std::unique_ptr<TSeSkinFilter> filter = FindSkinFilterByExtension("." + extension)->Create();
  filter->SetSource(&source);
  TReadOnlyMemoryStream in(bytes.data(), bytes.size());
  filter->LoadFromStream(in);
}

}  // namespace

TEST(SkinFilterRegistry, OrderExtensionsDescriptionsAndDefault) {
  const auto& filters = SkinFilters();
  ASSERT_EQ(filters.size(), 4u);
  const char* names[] = {"TSeSkinFilterUncompressed", "TSeSkinFilterCompressed",
                         "TSeSkinFilterUltraCompressed", "TSeSkinFilterMaxCompression"};
  const char* exts[] = {"uskn", "cskn", "xskn", "mskn"};
  const char* descriptions[] = {"Uncompressed Skin", "Compressed Skin", "Ultra Compressed Skin",
                                "Maximum Compressed"};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(filters[i].ClassName, names[i]);
    EXPECT_EQ(filters[i].Extension, exts[i]);
    EXPECT_EQ(filters[i].Description, descriptions[i]);
    // What the class says before an instance exists is what an instance says.
    auto filter = filters[i].Create();
    EXPECT_EQ(filter->GetExtension(), exts[i]);
    EXPECT_EQ(filter->GetDescription(), descriptions[i]);
  }
  EXPECT_EQ(DefaultSkinFilter().ClassName, "TSeSkinFilterCompressed");
  EXPECT_EQ(FindSkinFilterByExtension(".MSKN"), &filters[3]);
  EXPECT_EQ(FindSkinFilterByExtension("mskn"), nullptr);
  EXPECT_EQ(FindSkinFilterByExtension(".skn"), nullptr);
}

TEST(SkinFilters, EveryFilterReadsBackWhatItWrote) {
  TSeSkinSource original(nullptr);
  SampleSkin::Fill(original, 4, 7);
  for (const char* ext : {"uskn", "cskn", "xskn", "mskn"}) {
    SCOPED_TRACE(ext);
    const Bytes bytes = SampleSkin::Saved(original, ext);
    TSeSkinSource copy(nullptr);
    LoadWith(ext, copy, bytes);
    ExpectSameSkin(original, copy, std::string(ext) == "mskn");
    // Read and written again, the stored bytes are the same: text forms and BMP files are
    // canonical.
    EXPECT_EQ(SampleSkin::Saved(copy, ext), bytes);
  }
}

TEST(SkinFilters, TagAndZlibLevelsAndLayouts) {
  TSeSkinSource source(nullptr);
  SampleSkin::Fill(source);
  const Bytes fast = SampleSkin::Saved(source, "cskn");
  const Bytes best = SampleSkin::Saved(source, "xskn");
  const Bytes packed = SampleSkin::Saved(source, "mskn");
  for (const Bytes* b : {&fast, &best, &packed}) {
    ASSERT_GT(b->size(), 6u);
    EXPECT_EQ(std::string(b->begin(), b->begin() + 4), "QNWB");
    EXPECT_EQ((*b)[4], 0x78);
  }
  EXPECT_EQ(fast[5], 0x01);
  EXPECT_EQ(best[5], 0xDA);
  EXPECT_EQ(packed[5], 0xDA);
  // The ultra filter compresses the same standard content as the default one; the packed
  // filter does not.
  TSeSkinSource a(nullptr), b(nullptr);
  LoadWith("xskn", a, best);
  EXPECT_EQ(SampleSkin::Saved(a, "cskn"), fast);
  const Bytes plain = SampleSkin::Saved(source, "uskn");
  EXPECT_EQ(std::string(plain.begin() + 4, plain.begin() + 4 + 11), "Sample Skin");
  // Any tag is taken.
  Bytes retagged = fast;
  std::copy_n("ABCD", 4, retagged.begin());
  LoadWith("cskn", b, retagged);
  EXPECT_EQ(b.Count(), source.Count());
}

TEST(SkinFilters, WithoutSourceNothingIsReadOrWritten) {
  for (const auto& cls : SkinFilters()) {
    auto filter = cls.Create();
    TMemoryStream out;
    filter->SaveToStream(out);
    EXPECT_EQ(out.Size(), 0);
    const Bytes junk{1, 2, 3};
    TReadOnlyMemoryStream in(junk.data(), junk.size());
    EXPECT_NO_THROW(filter->LoadFromStream(in));
  }
}

TEST(SkinStreamEnvelope, BytesOfASkinAndOfNone) {
  TSeSkinSource source(nullptr);
  TMemoryStream none;
  WriteSkinStream(source, none);
  EXPECT_EQ(none.Bytes(), Bytes{0});

  SampleSkin::Fill(source);
  TMemoryStream stored;
  WriteSkinStream(source, stored);
  const Bytes& b = stored.Bytes();
  ASSERT_GT(b.size(), 7u);
  EXPECT_EQ((Bytes{b.begin(), b.begin() + 7}), (Bytes{0x02, 'Q', 'N', 'W', 'B', 0x78, 0x01}));

  // 0 leaves the skin alone; any other first byte reads a skin, as 2 does.
  TReadOnlyMemoryStream zero(none.Bytes().data(), 1);
  ReadSkinStream(source, zero);
  EXPECT_EQ(source.Count(), 2);
  for (std::uint8_t first : {std::uint8_t{1}, std::uint8_t{2}, std::uint8_t{0xFF}}) {
    Bytes variant = b;
    variant[0] = first;
    TSeSkinSource copy(nullptr);
    TReadOnlyMemoryStream in(variant.data(), variant.size());
    ReadSkinStream(copy, in);
    ExpectSameSkin(source, copy);
  }
}

TEST(SkinSource, InitialStringsLookupsAndBusy) {
  TSeSkinSource source(nullptr);
  EXPECT_EQ(source.SkinName(), "Untitled Skin");
  EXPECT_EQ(source.SkinVersion(), "3.1.5");
  EXPECT_NE(source.AuthorEMail().find("quillmar.example"), std::string::npos);
  SampleSkin::Fill(source);
  EXPECT_EQ(source.GetObjectByName("FORM"), source.Objects(0));
  EXPECT_EQ(source.GetObjectByName("button"), source.Objects(1));
  EXPECT_EQ(source.GetObjectByName("Part1"), nullptr);  // children are not top-level
  EXPECT_EQ(source.GetObjectByKind(TSeKind::skForm), source.Objects(0));
  EXPECT_EQ(source.GetFormObject(), source.Objects(0));
  // Without a "Form", the first object of kind skForm stands in.
  source.Objects(0)->SetName("Frame");
  source.Objects(1)->SetKind(TSeKind::skForm);
  source.Objects(0)->SetKind(TSeKind::skNone);
  EXPECT_EQ(source.GetFormObject(), source.Objects(1));
  EXPECT_EQ(source.Objects(2), nullptr);
  EXPECT_EQ(source.Objects(-1), nullptr);
  source.Busy = true;
  EXPECT_EQ(source.Objects(0), nullptr);
  source.Busy = false;
  source.ClearSkin();
  EXPECT_EQ(source.Count(), 0);
  EXPECT_EQ(source.Bitmaps().Count(), 0);
  EXPECT_EQ(source.SkinName(), "Sample Skin");
}

class SkinFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("qm_skin_files_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
    SampleSkin::Fill(skin_);
  }
  void TearDown() override {
    SetProgramDirectory(std::string());
    std::filesystem::remove_all(dir_);
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  Bytes FileBytes(const std::string& name) const {
    std::ifstream f(Path(name), std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(f), {});
  }

  std::filesystem::path dir_;
  TSeSkinSource skin_{nullptr};
};

TEST_F(SkinFiles, ExtensionPicksTheFilterInAnyCase) {
  skin_.SaveToFile(Path("a.USKN"));
  EXPECT_EQ(FileBytes("a.USKN"), SampleSkin::Saved(skin_, "uskn"));
  skin_.SaveToFile(Path("b.Mskn"));
  EXPECT_EQ(FileBytes("b.Mskn"), SampleSkin::Saved(skin_, "mskn"));
  // Unknown or no extension: the default filter.
  skin_.SaveToFile(Path("c.skin"));
  EXPECT_EQ(FileBytes("c.skin"), SampleSkin::Saved(skin_, "cskn"));
  skin_.SaveToFile(Path("noext"));
  EXPECT_EQ(FileBytes("noext"), SampleSkin::Saved(skin_, "cskn"));

  TSeSkinSource loaded(nullptr);
  loaded.LoadFromFile(Path("a.USKN"));
  ExpectSameSkin(skin_, loaded);
  TSeSkinSource packed(nullptr);
  packed.LoadFromFile(Path("b.Mskn"));
  ExpectSameSkin(skin_, packed, true);
}

TEST_F(SkinFiles, MissingFileOrUnknownExtensionLoadsNothing) {
  TSeSkinSource target(nullptr);
  SampleSkin::Fill(target, 1, 1);
  skin_.SaveToFile(Path("c.skin"));
  target.LoadFromFile(Path("c.skin"));
  target.LoadFromFile(Path("absent.cskn"));
  target.LoadFromFile("");
  EXPECT_EQ(target.Bitmaps().Count(), 1);
  skin_.SaveToFile("");  // nothing, no error
}

TEST_F(SkinFiles, BareNamesAreAlsoLookedUpInTheProgramDirectory) {
  skin_.SaveToFile(Path("beside.xskn"));
  SetProgramDirectory(dir_.string() + "/");
  TSeSkinSource loaded(nullptr);
  loaded.LoadFromFile("beside.xskn");
  ExpectSameSkin(skin_, loaded);
  // A name with a drive is taken as it is.
  TSeSkinSource other(nullptr);
  other.LoadFromFile("C:beside.xskn");
  EXPECT_EQ(other.Count(), 0);
  // Back to the real folder: the one this test program runs from.
  SetProgramDirectory(std::string());
  const std::string own = ProgramDirectory();
  ASSERT_FALSE(own.empty());
  EXPECT_TRUE(own.back() == '/' || own.back() == '\\') << own;
  EXPECT_TRUE(FileExists(own + "skin_source_tests") || FileExists(own + "skin_source_tests.exe"))
      << own;
}
