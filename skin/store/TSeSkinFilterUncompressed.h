#pragma once

#include "skin/store/TSeSkinFilter.h"

// The content as it is: for skins that authors edit and compare.
class TSeSkinFilterUncompressed : public TSeSkinFilter {
 public:
  static std::string Extension() { return "uskn"; }
  static std::string Description() { return "Uncompressed Skin"; }
  std::string GetExtension() const override { return Extension(); }
  std::string GetDescription() const override { return Description(); }

  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
};
