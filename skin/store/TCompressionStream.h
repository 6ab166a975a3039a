#pragma once

#include "skin/store/TCustomZlibStream.h"

enum class TCompressionLevel { clNone, clFastest, clDefault, clMax };

// Write-only: deflates what is written into the underlying stream, a full 8192-byte buffer at
// a time. Finish ends the zlib stream; the destructor finishes when nobody did, but can only
// swallow a failure there, so writers that care call Finish themselves.
class TCompressionStream : public TCustomZlibStream {
 public:
  TCompressionStream(TCompressionLevel level, TStream& dest);
  ~TCompressionStream() override;

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  // Only a seek by 0 from the current position: the number of bytes taken in so far.
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;

  void Finish();

 private:
  void FlushBuffer(std::size_t count);
  std::int64_t totalIn_ = 0;
  bool finished_ = false;
};
