#pragma once

#include "framework/core/Exception.h"

// A skin bitmap's surface could not be made.
class ESeBitmapError : public Exception {
 public:
  using Exception::Exception;
};

namespace SeBitmapMessages {
inline constexpr const char* SDIBHandle = "Can't allocate the DIB handle";
inline constexpr const char* SCompatibleDC = "Can't create compatible DC";
inline constexpr const char* SSelectObject = "Can't select an object into DC";
}  // namespace SeBitmapMessages
