// Loading a whole skin from the bytes a window definition stores ("SkinStream"), beside a bare
// inflate of the same zlib stream: every window pays the load once at start-up, and the
// difference to the inflate is what the content reader costs (object text forms, key colour,
// device copies, link resolution).
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "framework/core/TMemoryStream.h"
#include "framework/core/TReadOnlyMemoryStream.h"
#include "skin/objects/TSeBitmap.h"
#include "skin/objects/TSeBitmapObject.h"
#include "skin/objects/TSeButtonObject.h"
#include "skin/objects/TSeSkinObject.h"
#include "skin/objects/TSeTextObject.h"
#include "skin/store/SkinStreamEnvelope.h"
#include "skin/store/TSeSkinContentWriter.h"
#include "skin/store/TSeSkinSource.h"

namespace {

constexpr int kBitmaps = 60;
constexpr int kTopLevel = 24;

// Pixels like a skin's: gradients and flat runs, frame edges, near-magenta transparent areas
// that the reader turns into the key colour, a little noise.
void Paint(TSeBitmap& b, std::mt19937& random) {
  const std::uint32_t base = random() & 0xFFFFFF;
  const int w = b.Width(), h = b.Height();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      std::uint32_t p = 0xFF000000u | ((base + std::uint32_t(y) * 0x010102u) & 0xFFFFFF);
      if (x == 0 || y == 0 || x == w - 1 || y == h - 1) p = 0xFF404040u;
      if ((x * 7 + y * 3) % 41 == 0) p = 0xFF000000u | (random() & 0xFFFFFF);
      if (x < 3 && y < 3) p = 0x00FC02FEu;
      b.SetPixel(x, y, p);
    }
}

// About 60 bitmaps, 550 kB of content and 170 objects: 24 top-level objects, each with picture
// parts and per-state buttons as skins hold them.
std::vector<std::uint8_t> MakeSkinStream(std::size_t& contentSize, int& objectCount) {
  TSeSkinSource source(nullptr);
  source.SetSkinName("Benchmark Skin");
  std::mt19937 random(7);
  const int sizes[][2] = {{21, 105}, {60, 21}, {100, 18}, {6, 90}, {40, 40}, {16, 60}};
  for (int i = 0; i < kBitmaps; ++i) {
    auto b = std::make_unique<TSeBitmap>();
    b->Name = "PART" + std::to_string(i) + ".BMP";
    b->SetSize(sizes[i % 6][0], sizes[i % 6][1] + (i / 6) * 2);
    Paint(*b, random);
    source.Bitmaps().Add(std::move(b));
  }
  objectCount = 0;
  for (int t = 0; t < kTopLevel; ++t) {
    auto top = std::make_unique<TSeSkinObject>(nullptr);
    top->SetName("Top" + std::to_string(t));
    top->SetBounds({0, 0, 200, 100});
    ++objectCount;
    for (int c = 0; c < 6; ++c) {
      TSeSkinObject* child;
      const std::string bitmap = "PART" + std::to_string((t * 6 + c) % kBitmaps) + ".BMP";
      if (c % 3 == 0) {
        auto* button = new TSeButtonObject(top.get());
        button->Bitmap().SetName(bitmap);
        button->Bitmap().SetRect({0, 0, 21, 21});
        button->BitmapHot().SetName(bitmap);
        button->BitmapHot().SetRect({0, 21, 21, 42});
        button->BitmapPressed().SetName(bitmap);
        button->BitmapPressed().SetRect({0, 42, 21, 63});
        child = button;
      } else if (c % 3 == 1) {
        auto* picture = new TSeBitmapObject(top.get());
        picture->Bitmap().SetName(bitmap);
        picture->Bitmap().SetRect({0, 0, 8, 20});
        picture->SetAlign(TSeAlign::saLeft);
        child = picture;
      } else {
        auto* text = new TSeTextObject(top.get());
        text->Font().SetName("Tahoma");
        child = text;
      }
      child->SetName("Part" + std::to_string(c));
      child->SetBounds({c * 10, 0, c * 10 + 30, 20});
      ++objectCount;
    }
    source.AddObject(std::move(top));
  }
  TMemoryStream content;
  TSeSkinContentWriter(content).WriteStandard(source);
  contentSize = content.Bytes().size();
  TMemoryStream stored;
  WriteSkinStream(source, stored);
  return stored.Bytes();
}

const std::vector<std::uint8_t>& SkinStream(std::size_t* contentSize = nullptr) {
  static std::size_t size = 0;
  static int objects = 0;
  static const std::vector<std::uint8_t> bytes = MakeSkinStream(size, objects);
  if (contentSize != nullptr) *contentSize = size;
  return bytes;
}

void BM_LoadSkinStream(benchmark::State& state) {
  std::size_t contentSize = 0;
  const std::vector<std::uint8_t>& bytes = SkinStream(&contentSize);
  for (auto _ : state) {
    TSeSkinSource source(nullptr);
    TReadOnlyMemoryStream in(bytes.data(), bytes.size());
    ReadSkinStream(source, in);
    benchmark::DoNotOptimize(source.Count());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(contentSize));
  state.counters["stored_bytes"] = static_cast<double>(bytes.size());
  state.counters["content_bytes"] = static_cast<double>(contentSize);
}
BENCHMARK(BM_LoadSkinStream)->Unit(benchmark::kMillisecond);

// The same zlib stream (behind the envelope byte and the tag) inflated into one buffer.
void BM_InflateOnly(benchmark::State& state) {
  std::size_t contentSize = 0;
  const std::vector<std::uint8_t>& bytes = SkinStream(&contentSize);
  std::vector<std::uint8_t> out(contentSize);
  for (auto _ : state) {
    uLongf outSize = static_cast<uLongf>(out.size());
    const int result =
        uncompress(out.data(), &outSize, bytes.data() + 5, static_cast<uLong>(bytes.size() - 5));
    if (result != Z_OK || outSize != contentSize) state.SkipWithError("inflate failed");
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(contentSize));
}
BENCHMARK(BM_InflateOnly)->Unit(benchmark::kMillisecond);

}  // namespace
