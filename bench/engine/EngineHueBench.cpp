// A hue change of the program's own skin through the engine (every bitmap and every object
// tree, as a DeltaHue assignment does it), beside one plain copy of the same pixels: what a
// user waits for when the hue slider moves, against the cheapest pass over those bytes.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "skin/engine/TSeSkinEngine.h"
#include "skin/objects/TSeBitmap.h"
#include "skin/store/TSeSkinSource.h"

namespace {

std::size_t PixelBytes(const TSeSkinSource& source) {
  std::size_t n = 0;
  for (int i = 0; i < source.Bitmaps().Count(); ++i) {
    const TSeBitmap& b = *source.Bitmaps().Bitmaps(i);
    n += std::size_t(b.Width()) * std::size_t(b.Height()) * 4;
  }
  return n;
}

void LoadProgramSkin(TSeSkinEngine& engine, benchmark::State& state) {
  RegisterSkinEngineClass();
  engine.SetSkinFile(QM_PROGRAM_SKIN_FILE);
  if (engine.ObjectCount() == 0) state.SkipWithError("the program's skin did not load");
}

void BM_EngineHueChange(benchmark::State& state) {
  TSeSkinEngine engine(nullptr);
  LoadProgramSkin(engine, state);
  std::int32_t hue = 0;
  for (auto _ : state) {
    // Alternating values, so that every assignment is a real step.
    hue = hue == 0 ? 7 : 0;
    engine.SetDeltaHue(hue);
    benchmark::ClobberMemory();
  }
  const std::size_t bytes = PixelBytes(*engine.Source());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
  state.counters["skin_kB"] = static_cast<double>(bytes) / 1000;
  state.counters["bitmaps"] = engine.Source()->Bitmaps().Count();
}
BENCHMARK(BM_EngineHueChange)->Unit(benchmark::kMicrosecond);

void BM_CopyOfSkinPixels(benchmark::State& state) {
  TSeSkinEngine engine(nullptr);
  LoadProgramSkin(engine, state);
  TSeBitmapList& bitmaps = engine.Source()->Bitmaps();
  std::vector<std::vector<std::uint32_t>> copies;
  for (int i = 0; i < bitmaps.Count(); ++i)
    copies.emplace_back(std::size_t(bitmaps.Bitmaps(i)->Width()) * bitmaps.Bitmaps(i)->Height());
  for (auto _ : state) {
    for (int i = 0; i < bitmaps.Count(); ++i)
      std::memcpy(copies[std::size_t(i)].data(), bitmaps.Bitmaps(i)->Bits(),
                  copies[std::size_t(i)].size() * 4);
    benchmark::ClobberMemory();
  }
  const std::size_t bytes = PixelBytes(*engine.Source());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_CopyOfSkinPixels)->Unit(benchmark::kMicrosecond);

}  // namespace
