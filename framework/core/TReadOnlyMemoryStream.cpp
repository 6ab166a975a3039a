#include "framework/core/TReadOnlyMemoryStream.h"

#include <algorithm>
#include <cstring>

#include "framework/core/UnicodeText.h"

using namespace FrameworkMessages;

std::size_t TReadOnlyMemoryStream::Read(void* buffer, std::size_t count) {
  if (position_ >= size_) return 0;
  const std::size_t n = std::min(count, size_ - position_);
  std::memcpy(buffer, data_ + position_, n);
  position_ += n;
  return n;
}

std::size_t TReadOnlyMemoryStream::Write(const void*, std::size_t) {
  throw EWriteError(SWriteError);
}

std::int64_t TReadOnlyMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  const std::int64_t target = SeekTarget(offset, origin, position_, size_);
  if (target < 0) throw EStreamError("Invalid stream position");
  position_ = static_cast<std::size_t>(target);
  return target;
}
