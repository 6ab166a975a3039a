#include "framework/core/TStream.h"

#include <sys/stat.h>
#include <algorithm>
#include <cstring>

#include "framework/core/UnicodeText.h"

using namespace FrameworkMessages;

void TStream::SetSize(std::int64_t) {
  throw EStreamError("Stream cannot be resized");
}

std::int64_t TStream::Size() {
  const std::int64_t position = Position();
  const std::int64_t size = Seek(0, TSeekOrigin::soEnd);
  Seek(position, TSeekOrigin::soBeginning);
  return size;
}

void TStream::ReadBuffer(void* buffer, std::size_t count) {
  if (count != 0 && Read(buffer, count) != count) throw EReadError(SReadError);
}

void TStream::WriteBuffer(const void* buffer, std::size_t count) {
  if (count != 0 && Write(buffer, count) != count) throw EWriteError(SWriteError);
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  std::vector<std::uint8_t> buffer(static_cast<std::size_t>(std::min<std::int64_t>(count, 65536)));
  std::int64_t left = count;
  while (left > 0) {
    const auto n = static_cast<std::size_t>(std::min<std::int64_t>(left, buffer.size()));
    source.ReadBuffer(buffer.data(), n);
    WriteBuffer(buffer.data(), n);
    left -= static_cast<std::int64_t>(n);
  }
  return count;
}

std::uint8_t TStream::ReadUInt8() {
  std::uint8_t b;
  ReadBuffer(&b, 1);
  return b;
}

std::int16_t TStream::ReadInt16() {
  std::uint8_t b[2];
  ReadBuffer(b, 2);
  return static_cast<std::int16_t>(b[0] | (b[1] << 8));
}

std::int32_t TStream::ReadInt32() {
  std::uint8_t b[4];
  ReadBuffer(b, 4);
  return static_cast<std::int32_t>(std::uint32_t{b[0]} | (std::uint32_t{b[1]} << 8) |
                                   (std::uint32_t{b[2]} << 16) | (std::uint32_t{b[3]} << 24));
}

std::int64_t TStream::ReadInt64() {
  const auto low = static_cast<std::uint32_t>(ReadInt32());
  const auto high = static_cast<std::uint32_t>(ReadInt32());
  return static_cast<std::int64_t>((std::uint64_t{high} << 32) | low);
}

void TStream::WriteInt16(std::int16_t value) {
  const auto v = static_cast<std::uint16_t>(value);
  const std::uint8_t b[2] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)};
  WriteBuffer(b, 2);
}

void TStream::WriteInt32(std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  const std::uint8_t b[4] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                             static_cast<std::uint8_t>(v >> 16),
                             static_cast<std::uint8_t>(v >> 24)};
  WriteBuffer(b, 4);
}

void TStream::WriteInt64(std::int64_t value) {
  const auto v = static_cast<std::uint64_t>(value);
  WriteInt32(static_cast<std::int32_t>(static_cast<std::uint32_t>(v)));
  WriteInt32(static_cast<std::int32_t>(static_cast<std::uint32_t>(v >> 32)));
}

std::int64_t TStream::SeekTarget(std::int64_t offset, TSeekOrigin origin, std::size_t position,
                                 std::size_t size) {
  std::int64_t base = 0;
  if (origin == TSeekOrigin::soCurrent) base = static_cast<std::int64_t>(position);
  if (origin == TSeekOrigin::soEnd) base = static_cast<std::int64_t>(size);
  const std::int64_t target = base + offset;
  return target < 0 ? -1 : target;
}
