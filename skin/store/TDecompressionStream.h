#pragma once

#include "skin/store/TCustomZlibStream.h"

// Read-only: inflates a zlib stream that starts at the underlying stream's position when the
// adapter is made. A read gives fewer bytes than asked only once the zlib stream has ended;
// after that every read gives 0 bytes and the underlying stream is left just behind the zlib
// stream's end. Input that runs out before the end (a truncated skin) or that zlib rejects
// raises EDecompressionError "error", so a reader never waits for bytes that cannot come.
class TDecompressionStream : public TCustomZlibStream {
 public:
  explicit TDecompressionStream(TStream& source);
  ~TDecompressionStream() override;

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  // 0 from the beginning restarts inflation; forward seeks read and discard; others raise.
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;

 private:
  void Discard(std::int64_t count);
  std::int64_t start_;
  std::int64_t totalOut_ = 0;
  bool ended_ = false;
};
