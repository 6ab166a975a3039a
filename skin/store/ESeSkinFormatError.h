#pragma once

#include "framework/core/Exception.h"

// A stored skin that cannot be taken as one: a bitmap file the packed layout cannot decode, a
// content stream larger than any skin, a count no skin holds.
class ESeSkinFormatError : public EReadError {
 public:
  using EReadError::EReadError;
};

namespace SkinStoreMessages {
inline constexpr const char* SInvalidBitmap = "Bitmap image is not valid";
inline constexpr const char* SContentTooLarge = "Skin content is larger than %s bytes";
inline constexpr const char* SCountTooLarge = "Skin holds too many %s";
}  // namespace SkinStoreMessages
