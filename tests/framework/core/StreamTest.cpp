#include "framework/core/TFileStream.h"
#include "framework/core/TMemoryStream.h"
#include "framework/core/TReadOnlyMemoryStream.h"
#include "framework/core/TStream.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

TEST(Stream, IntegersAreLittleEndianWhateverTheHost) {
  TMemoryStream s;
  s.WriteInt32(0x12345678);
  s.WriteInt16(-2);
  s.WriteInt64(-0x0102030405060708LL);
  s.WriteInt8(-128);
  const std::vector<std::uint8_t> expected = {0x78, 0x56, 0x34, 0x12, 0xFE, 0xFF, 0xF8, 0xF8,
                                              0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE, 0x80};
  EXPECT_EQ(s.Bytes(), expected);
  s.SetPosition(0);
  EXPECT_EQ(s.ReadInt32(), 0x12345678);
  EXPECT_EQ(s.ReadInt16(), -2);
  EXPECT_EQ(s.ReadInt64(), -0x0102030405060708LL);
  EXPECT_EQ(s.ReadInt8(), -128);
  EXPECT_EQ(s.Remaining(), 0);
}

TEST(Stream, ShortReadsRaiseTheFrameworkError) {
  TMemoryStream s({1, 2, 3});
  try {
    s.ReadInt32();
    FAIL() << "no error";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), "Stream read error");
  }
  std::uint8_t b[8];
  s.SetPosition(1);
  EXPECT_EQ(s.Read(b, 8), 2u);
  EXPECT_EQ(s.Read(b, 8), 0u);
  EXPECT_THROW(s.Seek(-1, TSeekOrigin::soBeginning), EStreamError);
}

TEST(Stream, MemoryStreamGrowsAndSeeksPastTheEnd) {
  TMemoryStream s;
  s.Seek(4, TSeekOrigin::soBeginning);
  s.WriteUInt8(9);
  EXPECT_EQ(s.Size(), 5);
  EXPECT_EQ(s.Bytes()[4], 9);
  s.SetSize(2);
  EXPECT_EQ(s.Position(), 2);
  EXPECT_EQ(s.Seek(-1, TSeekOrigin::soEnd), 1);
}

TEST(Stream, ReadOnlyViewRefusesWrites) {
  const char bytes[] = "abc";
  TReadOnlyMemoryStream s(bytes, 3);
  EXPECT_EQ(s.Size(), 3);
  EXPECT_THROW(s.WriteUInt8(1), EWriteError);
  EXPECT_EQ(s.ReadUInt8(), 'a');
}

TEST(Stream, FilesRoundTripAndReportTheirName) {
  const std::string name = ::testing::TempDir() + "qm_stream_test.bin";
  {
    TFileStream out(name, TFileMode::fmCreate);
    out.WriteInt32(42);
    out.WriteBuffer("xyz", 3);
  }
  EXPECT_TRUE(FileExists(name));
  TMemoryStream in;
  in.LoadFromFile(name);
  EXPECT_EQ(in.Size(), 7);
  EXPECT_EQ(in.ReadInt32(), 42);
  std::remove(name.c_str());
  EXPECT_FALSE(FileExists(name));
  try {
    TFileStream missing(name, TFileMode::fmOpenRead);
    FAIL() << "opened a missing file";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message(), "Cannot open file " + name);
  }
  const std::string bad = ::testing::TempDir() + "no/such/dir/x.bin";
  EXPECT_THROW(TFileStream(bad, TFileMode::fmCreate), EFCreateError);
}

TEST(Stream, CopyFromZeroCopiesTheWholeSource) {
  TMemoryStream source({1, 2, 3, 4});
  source.SetPosition(3);
  TMemoryStream target;
  EXPECT_EQ(target.CopyFrom(source, 0), 4);
  EXPECT_EQ(target.Bytes(), source.Bytes());
}

}  // namespace
