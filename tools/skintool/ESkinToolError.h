#pragma once

#include "framework/core/Exception.h"

namespace skintool {

// Anything the skin tool refuses: bad arguments, unreadable or malformed sources, a file of an
// unknown kind. The message is what the user sees.
class ESkinToolError : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace skintool
