#pragma once

#include "skin/store/TSeSkinFilterCompressed.h"

// As the compressed filter, deflated at the best level.
class TSeSkinFilterUltraCompressed : public TSeSkinFilterCompressed {
 public:
  static std::string Extension() { return "xskn"; }
  static std::string Description() { return "Ultra Compressed Skin"; }
  std::string GetExtension() const override { return Extension(); }
  std::string GetDescription() const override { return Description(); }

 protected:
  TCompressionLevel Level() const override { return TCompressionLevel::clMax; }
};
