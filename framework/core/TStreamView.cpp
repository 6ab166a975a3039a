#include "framework/core/TStreamView.h"

#include <algorithm>
#include <cstring>

#include "framework/core/UnicodeText.h"

using namespace FrameworkMessages;

std::size_t TStreamView::Read(void* buffer, std::size_t count) {
  if (position_ >= size_) return 0;
  const auto n = static_cast<std::size_t>(
      std::min<std::int64_t>(static_cast<std::int64_t>(count), size_ - position_));
  base_.SetPosition(start_ + position_);
  const std::size_t got = base_.Read(buffer, n);
  position_ += static_cast<std::int64_t>(got);
  return got;
}

std::size_t TStreamView::Write(const void*, std::size_t) {
  throw EWriteError(SWriteError);
}

std::int64_t TStreamView::Seek(std::int64_t offset, TSeekOrigin origin) {
  std::int64_t base = 0;
  if (origin == TSeekOrigin::soCurrent) base = position_;
  if (origin == TSeekOrigin::soEnd) base = size_;
  if (base + offset < 0) throw EStreamError("Invalid stream position");
  position_ = base + offset;
  return position_;
}
