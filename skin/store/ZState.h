#pragma once

#include <zlib.h>

#include "skin/store/TCustomZlibStream.h"

// zlib's state, kept out of the public headers so that users of the adapters need no zlib.h.
struct TCustomZlibStream::ZState {
  z_stream s{};
};
