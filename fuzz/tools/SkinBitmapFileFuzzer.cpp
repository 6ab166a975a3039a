// Reads the input as a skin's source picture; whatever it accepts must write and read back
// to the same pixels (the key colour comes back as the magenta it is written as).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "skin/objects/SeColor.h"
#include "skin/objects/TSeBitmap.h"
#include "tools/skinsource/ESkinSourceError.h"
#include "tools/skinsource/TSkinBitmapFile.h"

using skinsource::ESkinSourceError;
using skinsource::TSkinBitmapFile;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::unique_ptr<TSeBitmap> picture;
  try {
    picture = TSkinBitmapFile::Decode(std::vector<std::uint8_t>(data, data + size));
  } catch (const ESkinSourceError&) {
    return 0;
  }
  const auto back = TSkinBitmapFile::Decode(TSkinBitmapFile::Encode(*picture));
  if (back->IsEmpty() != picture->IsEmpty()) std::abort();
  if (picture->IsEmpty()) return 0;
  if (back->Width() != picture->Width() || back->Height() != picture->Height()) std::abort();
  for (int y = 0; y < picture->Height(); ++y)
    for (int x = 0; x < picture->Width(); ++x) {
      std::uint32_t p = picture->Pixel(x, y);
      if ((p & 0xFFFFFFu) == kSeKeyRGB) p = (p & 0xFF000000u) | 0xFF00FFu;
      if (back->Pixel(x, y) != p) std::abort();
    }
  return 0;
}
