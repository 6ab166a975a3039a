#include "skin/store/TCompressionStream.h"

#include "skin/store/ZState.h"
#include "skin/store/ZlibError.h"

using namespace ZlibMessages;

namespace {

int Check(int result) {
  if (result < 0) throw ECompressionError(SZlibError);
  return result;
}

int ZlibLevel(TCompressionLevel level) {
  switch (level) {
    case TCompressionLevel::clNone:
      return 0;
    case TCompressionLevel::clFastest:
      return 1;
    case TCompressionLevel::clMax:
      return 9;
    case TCompressionLevel::clDefault:
      break;
  }
  return Z_DEFAULT_COMPRESSION;
}

}  // namespace

TCompressionStream::TCompressionStream(TCompressionLevel level, TStream& dest)
    : TCustomZlibStream(dest) {
  z_stream& s = z_->s;
  Check(deflateInit2(&s, ZlibLevel(level), Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY));
  s.next_out = buffer_;
  s.avail_out = kBufferSize;
}

TCompressionStream::~TCompressionStream() {
  try {
    Finish();
  } catch (const Exception&) {
    // A destructor must not throw; Finish is the place to see the failure.
  }
  deflateEnd(&z_->s);
}

void TCompressionStream::FlushBuffer(std::size_t count) {
  strm_.SetPosition(strmPos_);
  strm_.WriteBuffer(buffer_, count);
  strmPos_ = strm_.Position();
  z_->s.next_out = buffer_;
  z_->s.avail_out = kBufferSize;
  Progress();
}

std::size_t TCompressionStream::Read(void*, std::size_t) {
  throw ECompressionError(SInvalidStreamOperation);
}

std::size_t TCompressionStream::Write(const void* buffer, std::size_t count) {
  if (finished_) throw ECompressionError(SInvalidStreamOperation);
  z_stream& s = z_->s;
  const auto* in = static_cast<const std::uint8_t*>(buffer);
  std::size_t left = count;
  // zlib counts in 32-bit units; feed very large writes in pieces.
  while (left > 0) {
    const auto piece = static_cast<uInt>(std::min<std::size_t>(left, 1u << 30));
    s.next_in = const_cast<Bytef*>(in);
    s.avail_in = piece;
    while (s.avail_in > 0) {
      Check(deflate(&s, Z_NO_FLUSH));
      if (s.avail_out == 0) FlushBuffer(kBufferSize);
    }
    in += piece;
    left -= piece;
    totalIn_ += piece;
  }
  return count;
}

std::int64_t TCompressionStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  if (offset == 0 && origin == TSeekOrigin::soCurrent) return totalIn_;
  throw ECompressionError(SInvalidStreamOperation);
}

void TCompressionStream::Finish() {
  if (finished_) return;
  finished_ = true;
  z_stream& s = z_->s;
  s.next_in = nullptr;
  s.avail_in = 0;
  for (;;) {
    const int result = Check(deflate(&s, Z_FINISH));
    if (s.avail_out == 0) FlushBuffer(kBufferSize);
    if (result == Z_STREAM_END) break;
  }
  if (s.avail_out < kBufferSize) FlushBuffer(kBufferSize - s.avail_out);
}
