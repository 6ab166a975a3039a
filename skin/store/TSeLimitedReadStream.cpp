#include "skin/store/TSeLimitedReadStream.h"

#include <algorithm>
#include <string>

#include "skin/store/ESeSkinFormatError.h"

std::size_t TSeLimitedReadStream::Read(void* buffer, std::size_t count) {
  if (static_cast<std::int64_t>(count) > limit_ - done_) {
    throw ESeSkinFormatError(
        FormatText(SkinStoreMessages::SContentTooLarge, std::to_string(limit_)));
  }
  const std::size_t got = inner_.Read(buffer, count);
  done_ += static_cast<std::int64_t>(got);
  return got;
}

std::size_t TSeLimitedReadStream::Write(const void*, std::size_t) {
  throw EWriteError(FrameworkMessages::SWriteError);
}

std::int64_t TSeLimitedReadStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  if (offset == 0 && origin == TSeekOrigin::soCurrent) return done_;
  throw EStreamError(FrameworkMessages::SReadError);
}

std::int64_t TSeLimitedReadStream::Available() {
  const std::int64_t left = limit_ - done_;
  return sizeKnown_ ? std::min(left, inner_.Remaining()) : left;
}
