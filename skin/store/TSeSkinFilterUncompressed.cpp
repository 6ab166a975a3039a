#include "skin/store/TSeSkinFilterUncompressed.h"

void TSeSkinFilterUncompressed::LoadFromStream(TStream& stream) {
  ReadSkin(stream, true);
}

void TSeSkinFilterUncompressed::SaveToStream(TStream& stream) {
  WriteSkin(stream);
}
