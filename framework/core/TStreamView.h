#pragma once

#include <cstdint>

#include "framework/core/TStream.h"

// A read-only window of another stream: `size` bytes from `start`. Nested blocks (a binary
// property, a child object's form) are read through one of these instead of a copy, so that
// reading a deeply nested record costs no more memory than the record itself.
class TStreamView : public TStream {
 public:
  TStreamView(TStream& base, std::int64_t start, std::int64_t size)
      : base_(base), start_(start), size_(size) {}

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  std::int64_t Size() override { return size_; }

 private:
  TStream& base_;
  std::int64_t start_;
  std::int64_t size_;
  std::int64_t position_ = 0;
};
