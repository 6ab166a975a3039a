#pragma once

#include <cstdint>

// Value tags of the binary component stream. Integers take the smallest of vaInt8, vaInt16 and
// vaInt32 that holds them. 8-bit strings of up to 255 bytes are vaString, longer ones
// vaLString. Wide strings whose characters all lie below 256 are written as 8-bit strings
// (one byte per character), others as vaWString: an int32 count of UTF-16 units, then the
// units little-endian. vaUTF8String is accepted when reading and never written. vaInt64 only
// carries text-form integers beyond 32 bits; no property reads it.
enum class TValueType : std::uint8_t {
  vaNull = 0,
  vaList = 1,
  vaInt8 = 2,
  vaInt16 = 3,
  vaInt32 = 4,
  vaString = 6,
  vaIdent = 7,
  vaFalse = 8,
  vaTrue = 9,
  vaBinary = 10,
  vaSet = 11,
  vaLString = 12,
  vaNil = 13,
  vaWString = 18,
  vaInt64 = 19,
  vaUTF8String = 20,
};
