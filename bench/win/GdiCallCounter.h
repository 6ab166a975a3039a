#pragma once

// Counts the GDI calls of this program (bitmaps and contexts created, blits, regions, brushes,
// fonts, text) by pointing the program's import entries at counting stand-ins: everything of
// ours is linked into the one .exe, so its import table sees every call. For the benchmarks
// only: it tells what one paint does without a profiler.

#include <string>
#include <vector>

namespace GdiCallCounter {

// Puts the counting stand-ins in place; once, before the first paint.
void Install();
void Reset();
// The calls made since the last Reset, "name count" each, the calls made most first.
std::vector<std::pair<std::string, long>> Counts();

}  // namespace GdiCallCounter
