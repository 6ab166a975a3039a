#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TSeSkinSource;

// Small skins built in code, shared by the store's tests and the corpus maker: pictures with
// real colour, near-magenta and alpha; a "Form" tree with picture-drawing children two levels
// deep; a second top-level object.
namespace SampleSkin {

// bitmaps: the number of pictures (named "PIC<n>.BMP", sizes varying); objects: children
// under "Form".
void Fill(TSeSkinSource& source, int bitmaps = 3, int children = 4);

// A stored skin made by the filter of that extension ("uskn", "cskn", "xskn", "mskn").
std::vector<std::uint8_t> Saved(TSeSkinSource& source, const std::string& extension);

}  // namespace SampleSkin
