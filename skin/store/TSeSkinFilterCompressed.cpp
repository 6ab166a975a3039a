#include "skin/store/TSeSkinFilterCompressed.h"

#include "skin/store/TDecompressionStream.h"

void TSeSkinFilterCompressed::LoadFromStream(TStream& stream) {
  if (Source() == nullptr) return;
  std::uint8_t tag[4];
  stream.ReadBuffer(tag, sizeof tag);
  TDecompressionStream input(stream);
  ReadSkin(input, false);
}

void TSeSkinFilterCompressed::CheckEnd(TStream& stream) {
  std::uint8_t more;
  if (stream.Read(&more, 1) != 0) throw EReadError(FrameworkMessages::SInvalidImage);
}

void TSeSkinFilterCompressed::SaveToStream(TStream& stream) {
  if (Source() == nullptr) return;
  stream.WriteBuffer("QNWB", 4);
  TCompressionStream output(Level(), stream);
  WriteSkin(output);
  output.Finish();
}
