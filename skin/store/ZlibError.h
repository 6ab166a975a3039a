#pragma once

#include "framework/core/Exception.h"

// Failures of the zlib stream adapters. zlib's own codes are not shown to the user: every
// negative result becomes the message "error".
class EZlibError : public Exception {
 public:
  using Exception::Exception;
};
class ECompressionError : public EZlibError {
 public:
  using EZlibError::EZlibError;
};
class EDecompressionError : public EZlibError {
 public:
  using EZlibError::EZlibError;
};

namespace ZlibMessages {
inline constexpr const char* SZlibError = "error";
inline constexpr const char* SInvalidStreamOperation = "Invalid stream operation";
}  // namespace ZlibMessages
