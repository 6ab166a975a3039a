#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "framework/core/TStream.h"

// The common part of the compressing and decompressing adapters: the stream underneath, the
// position in it where the adapter last worked (another reader may move the stream between
// two calls, so it is set back before every transfer) and the zlib state.
class TCustomZlibStream : public TStream {
 public:
  static constexpr std::size_t kBufferSize = 8192;

  ~TCustomZlibStream() override;

  // Called after each buffer has moved to or from the underlying stream.
  std::function<void(TCustomZlibStream&)> OnProgress;

 protected:
  explicit TCustomZlibStream(TStream& stream);
  void Progress();

  struct ZState;
  TStream& strm_;
  std::int64_t strmPos_;
  std::unique_ptr<ZState> z_;
  std::uint8_t buffer_[kBufferSize];
};
