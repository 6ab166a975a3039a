#pragma once

class TSeSkinSource;

namespace skintool {

// Shifts the hue of a freshly loaded skin as the engine applies a new DeltaHue: every bitmap in
// list order, then every top-level object (which passes it to its children). The engine shifts
// by the difference to the hue already applied, which for a skin just read is the whole value.
void ApplyHue(TSeSkinSource& source, int delta);

}  // namespace skintool
