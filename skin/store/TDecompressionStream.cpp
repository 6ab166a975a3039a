#include "skin/store/TDecompressionStream.h"

#include <algorithm>

#include "skin/store/ZState.h"
#include "skin/store/ZlibError.h"

using namespace ZlibMessages;

TDecompressionStream::TDecompressionStream(TStream& source)
    : TCustomZlibStream(source), start_(strmPos_) {
  z_stream& s = z_->s;
  s.next_in = buffer_;
  s.avail_in = 0;
  if (inflateInit2(&s, 15) < 0) throw EDecompressionError(SZlibError);
}

TDecompressionStream::~TDecompressionStream() {
  inflateEnd(&z_->s);
}

std::size_t TDecompressionStream::Read(void* buffer, std::size_t count) {
  z_stream& s = z_->s;
  auto* out = static_cast<std::uint8_t*>(buffer);
  std::size_t done = 0;
  while (done < count && !ended_) {
    if (s.avail_in == 0) {
      strm_.SetPosition(strmPos_);
      const std::size_t got = strm_.Read(buffer_, kBufferSize);
      strmPos_ = strm_.Position();
      if (got == 0) throw EDecompressionError(SZlibError);  // truncated
      s.next_in = buffer_;
      s.avail_in = static_cast<uInt>(got);
      Progress();
    }
    const auto room = static_cast<uInt>(std::min<std::size_t>(count - done, 1u << 30));
    s.next_out = out + done;
    s.avail_out = room;
    const int result = inflate(&s, Z_NO_FLUSH);
    // A preset dictionary is never used by our writers; treat the request as corruption.
    if (result < 0 || result == Z_NEED_DICT) throw EDecompressionError(SZlibError);
    done += room - s.avail_out;
    if (result == Z_STREAM_END) {
      ended_ = true;
      // Leave the underlying stream just behind the zlib stream for whoever reads on.
      strmPos_ -= s.avail_in;
      s.avail_in = 0;
      strm_.SetPosition(strmPos_);
    }
  }
  totalOut_ += static_cast<std::int64_t>(done);
  return done;
}

std::size_t TDecompressionStream::Write(const void*, std::size_t) {
  throw EDecompressionError(SInvalidStreamOperation);
}

void TDecompressionStream::Discard(std::int64_t count) {
  std::uint8_t scrap[4096];
  while (count > 0) {
    const auto piece = static_cast<std::size_t>(std::min<std::int64_t>(count, sizeof scrap));
    const std::size_t got = Read(scrap, piece);
    if (got == 0) break;
    count -= static_cast<std::int64_t>(got);
  }
}

std::int64_t TDecompressionStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  if (offset == 0 && origin == TSeekOrigin::soBeginning) {
    // Restart where the zlib stream began: a stored skin has its tag in front of it.
    if (inflateReset(&z_->s) < 0) throw EDecompressionError(SZlibError);
    z_->s.next_in = buffer_;
    z_->s.avail_in = 0;
    strmPos_ = start_;
    strm_.SetPosition(strmPos_);
    totalOut_ = 0;
    ended_ = false;
  } else if (origin == TSeekOrigin::soCurrent && offset >= 0) {
    Discard(offset);
  } else if (origin == TSeekOrigin::soBeginning && offset >= totalOut_) {
    Discard(offset - totalOut_);
  } else {
    throw EDecompressionError(SInvalidStreamOperation);
  }
  return totalOut_;
}
