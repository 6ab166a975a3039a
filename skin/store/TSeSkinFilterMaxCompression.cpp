#include "skin/store/TSeSkinFilterMaxCompression.h"

#include "skin/store/TSeSkinContentReader.h"
#include "skin/store/TSeSkinContentWriter.h"
#include "skin/store/TSeSkinSource.h"

std::unique_ptr<TSeSkinContent> TSeSkinFilterMaxCompression::ReadContent(TStream& stream,
                                                                         bool streamSizeKnown) {
  return TSeSkinContentReader(stream, streamSizeKnown).ReadPacked();
}

void TSeSkinFilterMaxCompression::WriteSkin(TStream& stream) {
  if (Source() == nullptr) return;
  TSeSkinContentWriter(stream).WritePacked(*Source());
}
