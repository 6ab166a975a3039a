// Decodes the input as a packed layout's BMP file and encodes the result again.
#include <cstddef>
#include <cstdint>

#include "skin/objects/TSeBitmap.h"
#include "skin/store/SePackedBitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    TSeBitmap bitmap;
    DecodePackedBitmap(data, size, bitmap);
    EncodePackedBitmap(bitmap);
  } catch (const Exception&) {
  }
  return 0;
}
