#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/core/Exception.h"
#include "tools/skinart/TArtCanvas.h"

namespace skinart {

// A bad or unsupported picture file, or one that cannot be written.
class EBmpError : public Exception {
 public:
  using Exception::Exception;
};

// The skin's source pictures as image editors save them: a BMP with an info header, 32 bits
// per pixel, no compression, rows bottom-up, the fourth byte of every pixel 0. Reading also
// takes 24-bit files, since an editor may save those.
class BmpFile {
 public:
  static std::vector<std::uint8_t> Encode(const TArtCanvas& canvas);
  // Checks every header field against the bytes really present before touching pixels.
  static TArtCanvas Decode(const std::vector<std::uint8_t>& bytes);

  static void Save(const TArtCanvas& canvas, const std::string& path);
  static TArtCanvas Load(const std::string& path);
  static std::vector<std::uint8_t> ReadFile(const std::string& path);
};

}  // namespace skinart
