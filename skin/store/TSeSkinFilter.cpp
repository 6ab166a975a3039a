#include "skin/store/TSeSkinFilter.h"

#include "skin/store/TSeSkinContentReader.h"
#include "skin/store/TSeSkinContentWriter.h"
#include "skin/store/TSeSkinSource.h"

void TSeSkinFilter::ReadSkin(TStream& stream, bool streamSizeKnown) {
  if (source_ == nullptr) return;
  std::unique_ptr<TSeSkinContent> content = ReadContent(stream, streamSizeKnown);
  CheckEnd(stream);
  source_->ReplaceContent(std::move(content));
}

std::unique_ptr<TSeSkinContent> TSeSkinFilter::ReadContent(TStream& stream, bool streamSizeKnown) {
  return TSeSkinContentReader(stream, streamSizeKnown).ReadStandard();
}

void TSeSkinFilter::WriteSkin(TStream& stream) {
  if (source_ == nullptr) return;
  TSeSkinContentWriter(stream).WriteStandard(*source_);
}
