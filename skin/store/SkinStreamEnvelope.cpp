#include "skin/store/SkinStreamEnvelope.h"

#include "framework/core/TStream.h"
#include "skin/store/TSeSkinSource.h"

void WriteSkinStream(TSeSkinSource& source, TStream& stream) {
  const bool hasSkin = source.Count() > 0;
  stream.WriteUInt8(hasSkin ? 2 : 0);
  if (hasSkin) source.SaveToStream(stream);
}

void ReadSkinStream(TSeSkinSource& source, TStream& stream) {
  if (stream.ReadUInt8() == 0) return;
  source.LoadFromStream(stream);
}
