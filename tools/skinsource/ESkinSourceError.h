#pragma once

#include "framework/core/Exception.h"

namespace skinsource {

// A skin's sources that cannot be read or written: a missing or damaged file, a picture or
// manifest the readers refuse. The message names the file and says what is wrong.
class ESkinSourceError : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace skinsource
