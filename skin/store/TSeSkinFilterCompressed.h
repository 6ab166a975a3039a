#pragma once

#include "skin/store/TCompressionStream.h"
#include "skin/store/TSeSkinFilter.h"

// The tag "QNWB", then the content deflated at the fastest level: the default filter, and the
// form in which a window definition stores its skin.
class TSeSkinFilterCompressed : public TSeSkinFilter {
 public:
  static std::string Extension() { return "cskn"; }
  static std::string Description() { return "Compressed Skin"; }
  std::string GetExtension() const override { return Extension(); }
  std::string GetDescription() const override { return Description(); }

  // The tag is skipped unchecked: any four bytes are taken.
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;

 protected:
  virtual TCompressionLevel Level() const { return TCompressionLevel::clFastest; }
  // The content must be the whole zlib stream: reading on makes zlib check the trailer, so a
  // cut or damaged checksum fails, and content that goes on past its last object is refused.
  void CheckEnd(TStream& stream) override;
};
