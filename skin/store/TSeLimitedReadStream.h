#pragma once

#include <cstdint>

#include "framework/core/TStream.h"

// A forward-only reading window over another stream that refuses to deliver more than a set
// number of bytes, so that a reader behind a decompressor is bounded by what a skin can be,
// not by what a crafted zlib stream expands to. Going past the limit raises
// ESeSkinFormatError. Available() bounds what may still come, so that counts can be checked
// before anything is allocated; it also knows the inner stream's end when that stream knows
// its size (a file, memory), but not behind a decompressor.
class TSeLimitedReadStream : public TStream {
 public:
  TSeLimitedReadStream(TStream& inner, std::int64_t limit, bool innerSizeKnown)
      : inner_(inner), limit_(limit), sizeKnown_(innerSizeKnown) {}

  std::int64_t Available();

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;

 private:
  TStream& inner_;
  std::int64_t limit_;
  bool sizeKnown_;
  std::int64_t done_ = 0;
};
