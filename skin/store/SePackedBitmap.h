#pragma once

#include <cstdint>
#include <vector>

class TSeBitmap;

// The packed layout's pictures: BMP files at 16 bits per pixel with 5-6-5 bit fields, no alpha.
// Encoding keeps the top bits of each channel; decoding widens them again by repeating their
// top bits, so pure black and white survive and the key colour comes back within 6 per
// channel. Decoding also takes the usual uncompressed 16, 24 and 32-bit files (bit fields or
// not), bottom-up or top-down, and checks every size against the bytes it was given before it
// allocates: anything else raises ESeSkinFormatError "Bitmap image is not valid".
std::vector<std::uint8_t> EncodePackedBitmap(const TSeBitmap& bitmap);
void DecodePackedBitmap(const std::uint8_t* data, std::size_t size, TSeBitmap& bitmap);
