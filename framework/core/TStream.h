#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/core/Exception.h"

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

// A sequence of bytes with a position. Read and Write move as many bytes as they can and say
// how many; ReadBuffer and WriteBuffer move all or raise the framework's stream errors. The
// integer helpers read and write explicit little-endian widths, whatever the host's order.
class TStream {
 public:
  TStream() = default;
  TStream(const TStream&) = delete;
  TStream& operator=(const TStream&) = delete;
  virtual ~TStream() = default;

  virtual std::size_t Read(void* buffer, std::size_t count) = 0;
  virtual std::size_t Write(const void* buffer, std::size_t count) = 0;
  virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;
  // Streams that cannot be resized raise EStreamError.
  virtual void SetSize(std::int64_t size);

  std::int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(std::int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
  // The whole length; restores the position. Streams that do not know it raise EStreamError.
  virtual std::int64_t Size();
  // Bytes between the position and the end.
  std::int64_t Remaining() { return Size() - Position(); }

  void ReadBuffer(void* buffer, std::size_t count);
  void WriteBuffer(const void* buffer, std::size_t count);
  // Copies count bytes from source's position; count 0 copies the whole source from its start.
  std::int64_t CopyFrom(TStream& source, std::int64_t count);

  std::uint8_t ReadUInt8();
  std::int8_t ReadInt8() { return static_cast<std::int8_t>(ReadUInt8()); }
  std::int16_t ReadInt16();
  std::int32_t ReadInt32();
  std::uint32_t ReadUInt32() { return static_cast<std::uint32_t>(ReadInt32()); }
  std::int64_t ReadInt64();
  void WriteUInt8(std::uint8_t value) { WriteBuffer(&value, 1); }
  void WriteInt8(std::int8_t value) { WriteUInt8(static_cast<std::uint8_t>(value)); }
  void WriteInt16(std::int16_t value);
  void WriteInt32(std::int32_t value);
  void WriteUInt32(std::uint32_t value) { WriteInt32(static_cast<std::int32_t>(value)); }
  void WriteInt64(std::int64_t value);

 protected:
  // The position a seek asks for in a stream of `size` bytes, or -1 when it lies before the start.
  static std::int64_t SeekTarget(std::int64_t offset, TSeekOrigin origin, std::size_t position,
                                 std::size_t size);
};
