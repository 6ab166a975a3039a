// Hue shift of a whole skin against one plain copy of the same pixels: the engine shifts
// every bitmap when DeltaHue changes, so this is what a user waits for.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "skin/objects/TSeBitmap.h"

namespace {

// About 585 kB of pixels in 60 bitmaps of the sizes skins use: strips of button frames,
// caption pieces and borders, painted in runs and gradients with transparent key areas.
std::vector<std::unique_ptr<TSeBitmap>> MakeSkin() {
  std::mt19937 random(42);
  std::vector<std::unique_ptr<TSeBitmap>> skin;
  const int sizes[][2] = {{21, 168}, {75, 21}, {120, 20}, {8, 120}, {48, 48}, {16, 80}};
  for (int i = 0; i < 60; ++i) {
    auto b = std::make_unique<TSeBitmap>();
    const int w = sizes[i % 6][0], h = sizes[i % 6][1] + (i / 6) * 2;
    b->SetSize(w, h);
    const std::uint32_t base = random() & 0xFFFFFF;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        std::uint32_t p = 0xFF000000u | ((base + std::uint32_t(y) * 0x010101u) & 0xFFFFFF);
        if ((x + y) % 37 == 0) p = 0xFF000000u | (random() & 0xFFFFFF);
        if (x < 2 && y < 2) p = kSeKeyColor;
        b->SetPixel(x, y, p);
      }
    skin.push_back(std::move(b));
  }
  return skin;
}

std::size_t SkinBytes(const std::vector<std::unique_ptr<TSeBitmap>>& skin) {
  std::size_t n = 0;
  for (const auto& b : skin) n += std::size_t(b->Width()) * std::size_t(b->Height()) * 4;
  return n;
}

void BM_ChangeHueOfSkin(benchmark::State& state) {
  auto skin = MakeSkin();
  for (auto _ : state) {
    for (auto& b : skin) b->ChangeHue(7);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * SkinBytes(skin)));
  state.counters["skin_kB"] = static_cast<double>(SkinBytes(skin)) / 1000;
}
BENCHMARK(BM_ChangeHueOfSkin)->Unit(benchmark::kMicrosecond);

void BM_CopyOfSkin(benchmark::State& state) {
  auto skin = MakeSkin();
  std::vector<std::vector<std::uint32_t>> copies;
  for (const auto& b : skin) copies.emplace_back(std::size_t(b->Width()) * b->Height());
  for (auto _ : state) {
    for (std::size_t i = 0; i < skin.size(); ++i)
      std::memcpy(copies[i].data(), skin[i]->Bits(), copies[i].size() * 4);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * SkinBytes(skin)));
}
BENCHMARK(BM_CopyOfSkin)->Unit(benchmark::kMicrosecond);

}  // namespace
