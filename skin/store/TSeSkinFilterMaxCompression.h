#pragma once

#include "skin/store/TSeSkinFilterUltraCompressed.h"

// The best level over the packed content: 16-bit pictures and binary object forms. Smallest
// files, at the price of colour depth and alpha.
class TSeSkinFilterMaxCompression : public TSeSkinFilterUltraCompressed {
 public:
  static std::string Extension() { return "mskn"; }
  static std::string Description() { return "Maximum Compressed"; }
  std::string GetExtension() const override { return Extension(); }
  std::string GetDescription() const override { return Description(); }

  void WriteSkin(TStream& stream) override;

 protected:
  std::unique_ptr<TSeSkinContent> ReadContent(TStream& stream, bool streamSizeKnown) override;
};
