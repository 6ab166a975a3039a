#include "skin/objects/SkinString.h"

#include <algorithm>

using namespace FrameworkMessages;

void ReadGrowing(TStream& stream, std::string& target, std::int64_t count) {
  constexpr std::int64_t kPiece = 1 << 16;
  target.clear();
  while (count > 0) {
    const std::size_t piece = static_cast<std::size_t>(std::min(count, kPiece));
    const std::size_t at = target.size();
    target.resize(at + piece);
    stream.ReadBuffer(target.data() + at, piece);
    count -= static_cast<std::int64_t>(piece);
  }
}

std::string ReadSkinString(TStream& stream) {
  const std::int32_t count = stream.ReadInt32();
  if (count < 0) throw EReadError(SInvalidImage);
  std::string value;
  ReadGrowing(stream, value, count);
  return value;
}

void WriteSkinString(TStream& stream, const std::string& value) {
  stream.WriteInt32(static_cast<std::int32_t>(value.size()));
  stream.WriteBuffer(value.data(), value.size());
}
