#include "skin/store/TCustomZlibStream.h"

#include "skin/store/ZState.h"

TCustomZlibStream::TCustomZlibStream(TStream& stream)
    : strm_(stream), strmPos_(stream.Position()), z_(std::make_unique<ZState>()) {}

TCustomZlibStream::~TCustomZlibStream() = default;

void TCustomZlibStream::Progress() {
  if (OnProgress) OnProgress(*this);
}
