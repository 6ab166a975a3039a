#include "skin/store/SkinFilterRegistry.h"

#include <string_view>

#include "framework/core/TextCase.h"
#include "skin/store/TSeSkinFilterCompressed.h"
#include "skin/store/TSeSkinFilterMaxCompression.h"
#include "skin/store/TSeSkinFilterUltraCompressed.h"
#include "skin/store/TSeSkinFilterUncompressed.h"

namespace {

template <class T>
TSeSkinFilterClass ClassOf(const char* name) {
  return {name, T::Extension(), T::Description(),
          []() -> std::unique_ptr<TSeSkinFilter> { return std::make_unique<T>(); }};
}

}  // namespace

const std::vector<TSeSkinFilterClass>& SkinFilters() {
  static const std::vector<TSeSkinFilterClass> filters{
      ClassOf<TSeSkinFilterUncompressed>("TSeSkinFilterUncompressed"),
      ClassOf<TSeSkinFilterCompressed>("TSeSkinFilterCompressed"),
      ClassOf<TSeSkinFilterUltraCompressed>("TSeSkinFilterUltraCompressed"),
      ClassOf<TSeSkinFilterMaxCompression>("TSeSkinFilterMaxCompression"),
  };
  return filters;
}

const TSeSkinFilterClass& DefaultSkinFilter() {
  return SkinFilters()[1];
}

const TSeSkinFilterClass* FindSkinFilterByExtension(const std::string& dottedExtension) {
  // Compared without building "." + extension: g++ 12 at -O3 warns falsely (-Wrestrict) on
  // that concatenation.
  const std::string wanted = TextCase::LowerCase(dottedExtension);
  if (wanted.empty() || wanted.front() != '.') return nullptr;
  const std::string_view bare = std::string_view(wanted).substr(1);
  for (const TSeSkinFilterClass& cls : SkinFilters()) {
    if (TextCase::LowerCase(cls.Extension) == bare) return &cls;
  }
  return nullptr;
}
