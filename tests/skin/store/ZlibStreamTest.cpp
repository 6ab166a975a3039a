#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "framework/core/TMemoryStream.h"
#include "skin/store/TCompressionStream.h"
#include "skin/store/TDecompressionStream.h"
#include "skin/store/ZlibError.h"

namespace {

std::vector<std::uint8_t> SkinLikeBytes(std::size_t size) {
  // Runs of repeated pixels with some noise, as skin bitmaps are.
  std::vector<std::uint8_t> bytes(size);
  std::mt19937 random(7);
  for (std::size_t i = 0; i < size; ++i)
    bytes[i] = (i / 64) % 3 == 0 ? static_cast<std::uint8_t>(random())
                                 : static_cast<std::uint8_t>(i / 256);
  return bytes;
}

std::vector<std::uint8_t> Compress(const std::vector<std::uint8_t>& data, TCompressionLevel level,
                                   int* progress = nullptr) {
  TMemoryStream out;
  {
    TCompressionStream z(level, out);
    if (progress) z.OnProgress = [progress](TCustomZlibStream&) { ++*progress; };
    z.WriteBuffer(data.data(), data.size());
    EXPECT_EQ(z.Position(), static_cast<std::int64_t>(data.size()));
  }
  return out.Bytes();
}

std::vector<std::uint8_t> Inflate(TStream& source, std::size_t expected) {
  TDecompressionStream z(source);
  std::vector<std::uint8_t> out(expected);
  z.ReadBuffer(out.data(), out.size());
  return out;
}

template <typename E>
void ExpectError(const std::function<void()>& action, const char* message) {
  try {
    action();
    ADD_FAILURE() << "no error";
  } catch (const E& e) {
    EXPECT_EQ(e.Message(), message);
  }
}

TEST(ZlibStream, LevelsGiveStandardZlibStreamsThatRoundTrip) {
  const auto data = SkinLikeBytes(100000);
  const auto fast = Compress(data, TCompressionLevel::clFastest);
  ASSERT_GE(fast.size(), 2u);
  EXPECT_EQ(fast[0], 0x78);
  EXPECT_EQ(fast[1], 0x01);
  const auto best = Compress(data, TCompressionLevel::clMax);
  EXPECT_EQ(best[1], 0xDA);
  const auto none = Compress(data, TCompressionLevel::clNone);
  EXPECT_GT(none.size(), data.size());
  for (const auto* packed : {&fast, &best, &none}) {
    TMemoryStream in(*packed);
    EXPECT_EQ(Inflate(in, data.size()), data);
  }
}

TEST(ZlibStream, OneByteAndSeveralMegabytesRoundTripWithProgressPerBuffer) {
  for (std::size_t size : {std::size_t{1}, std::size_t{6} << 20}) {
    const auto data = SkinLikeBytes(size);
    int written = 0;
    const auto packed = Compress(data, TCompressionLevel::clDefault, &written);
    EXPECT_EQ(written, static_cast<int>((packed.size() + 8191) / 8192));
    TMemoryStream in(packed);
    TDecompressionStream z(in);
    int read = 0;
    z.OnProgress = [&read](TCustomZlibStream&) { ++read; };
    std::vector<std::uint8_t> out(size);
    z.ReadBuffer(out.data(), out.size());
    EXPECT_EQ(out, data);
    EXPECT_EQ(read, static_cast<int>((packed.size() + 8191) / 8192));
    // The zlib stream has ended: nothing more, and no waiting for it.
    std::uint8_t extra;
    EXPECT_EQ(z.Read(&extra, 1), 0u);
    EXPECT_EQ(z.Read(&extra, 1), 0u);
  }
}

TEST(ZlibStream, AdapterKeepsItsOwnPlaceInASharedStream) {
  // A tag in front and bytes behind: inflation starts at the position given and leaves the
  // stream behind the zlib data, even if someone moved it between two reads.
  const auto data = SkinLikeBytes(30000);
  TMemoryStream s;
  s.WriteBuffer("QNWB", 4);
  {
    TCompressionStream z(TCompressionLevel::clFastest, s);
    z.WriteBuffer(data.data(), 10);
    s.SetPosition(0);
    z.WriteBuffer(data.data() + 10, data.size() - 10);
  }
  const std::int64_t end = s.Size();
  s.WriteInt32(0x11223344);
  s.SetPosition(4);
  TDecompressionStream z(s);
  std::vector<std::uint8_t> out(data.size());
  z.ReadBuffer(out.data(), 100);
  s.SetPosition(0);
  z.ReadBuffer(out.data() + 100, out.size() - 100);
  EXPECT_EQ(out, data);
  std::uint8_t extra[4];
  EXPECT_EQ(z.Read(extra, 4), 0u);
  EXPECT_EQ(s.Position(), end);
  EXPECT_EQ(s.ReadInt32(), 0x11223344);
}

TEST(ZlibStream, SeekRules) {
  const auto data = SkinLikeBytes(20000);
  TMemoryStream out;
  out.WriteBuffer("QNWB", 4);
  {
    TCompressionStream c(TCompressionLevel::clFastest, out);
    c.WriteBuffer(data.data(), 1234);
    EXPECT_EQ(c.Seek(0, TSeekOrigin::soCurrent), 1234);
    ExpectError<ECompressionError>([&] { c.Seek(0, TSeekOrigin::soBeginning); },
                                   "Invalid stream operation");
    ExpectError<ECompressionError>([&] { c.Seek(1, TSeekOrigin::soCurrent); },
                                   "Invalid stream operation");
    c.WriteBuffer(data.data() + 1234, data.size() - 1234);
  }
  out.SetPosition(4);
  TDecompressionStream d(out);
  std::uint8_t b = 0;
  EXPECT_EQ(d.Seek(100, TSeekOrigin::soCurrent), 100);
  d.ReadBuffer(&b, 1);
  EXPECT_EQ(b, data[100]);
  EXPECT_EQ(d.Seek(9000, TSeekOrigin::soBeginning), 9000);
  d.ReadBuffer(&b, 1);
  EXPECT_EQ(b, data[9000]);
  ExpectError<EDecompressionError>([&] { d.Seek(50, TSeekOrigin::soBeginning); },
                                   "Invalid stream operation");
  ExpectError<EDecompressionError>([&] { d.Seek(-1, TSeekOrigin::soCurrent); },
                                   "Invalid stream operation");
  ExpectError<EDecompressionError>([&] { d.Seek(0, TSeekOrigin::soEnd); },
                                   "Invalid stream operation");
  // Restarting goes back to where the zlib data began, not to the tag.
  EXPECT_EQ(d.Seek(0, TSeekOrigin::soBeginning), 0);
  std::vector<std::uint8_t> all(data.size());
  d.ReadBuffer(all.data(), all.size());
  EXPECT_EQ(all, data);
  // A forward seek past the end stops at the end.
  EXPECT_EQ(d.Seek(10, TSeekOrigin::soCurrent), static_cast<std::int64_t>(data.size()));
}

TEST(ZlibStream, WrongDirectionRaises) {
  TMemoryStream out;
  TCompressionStream c(TCompressionLevel::clDefault, out);
  std::uint8_t b = 0;
  ExpectError<ECompressionError>([&] { c.Read(&b, 1); }, "Invalid stream operation");
  TMemoryStream in(Compress({1, 2, 3}, TCompressionLevel::clFastest));
  TDecompressionStream d(in);
  ExpectError<EDecompressionError>([&] { d.Write(&b, 1); }, "Invalid stream operation");
}

TEST(ZlibStream, TruncatedOrCorruptInputRaisesInsteadOfHanging) {
  const auto data = SkinLikeBytes(50000);
  const auto packed = Compress(data, TCompressionLevel::clFastest);
  // One byte more than the data: the missing trailer is only noticed when asked for more.
  std::vector<std::uint8_t> out(data.size() + 1);
  // Cut inside the deflate data, inside the trailer, and an empty stream.
  for (std::size_t keep : {packed.size() / 2, packed.size() - 2, std::size_t{0}}) {
    TMemoryStream in(std::vector<std::uint8_t>(packed.begin(), packed.begin() + keep));
    TDecompressionStream d(in);
    ExpectError<EDecompressionError>([&] { d.Read(out.data(), out.size()); }, "error");
  }
  auto badHeader = packed;
  badHeader[0] = 0x79;
  auto badData = packed;
  badData[packed.size() / 2] ^= 0xFF;
  auto badChecksum = packed;
  badChecksum.back() ^= 0x01;
  for (const auto* bad : {&badHeader, &badData, &badChecksum}) {
    TMemoryStream in(*bad);
    TDecompressionStream d(in);
    EXPECT_THROW(
        {
          while (d.Read(out.data(), out.size()) != 0) {
          }
        },
        EDecompressionError);
  }
}

}  // namespace
