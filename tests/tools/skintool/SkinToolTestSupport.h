#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/core/ClassInfo.h"
#include "framework/core/EnumInfo.h"
#include "framework/core/PropertyInfo.h"
#include "skin/objects/TSeSkinObject.h"
#include "skin/store/TSeSkinSource.h"
#include "tools/skintool/TSkinFiles.h"

namespace skintool_test {

// A published property as the text form would show it, reached through the property tables
// by a dotted path ("Bitmap.Name", "Font.Style"): strings bare, enumerations and sets by their
// identifiers, booleans True/False, integers and colours in decimal. "<none>" when the path
// names no property.
inline std::string Prop(const TObject& object, const std::string& path) {
  const TObject* target = &object;
  std::size_t start = 0;
  for (;;) {
    const std::size_t dot = path.find('.', start);
    const std::string name = path.substr(start, dot == std::string::npos ? dot : dot - start);
    const TPropertyInfo* p = target->ClassInfo().FindProperty(name);
    if (p == nullptr) return "<none>";
    if (dot != std::string::npos) {
      if (p->Kind() != TPropertyKind::pkObject || p->GetObject(*target) == nullptr) return "<none>";
      target = p->GetObject(*target);
      start = dot + 1;
      continue;
    }
    switch (p->Kind()) {
      case TPropertyKind::pkString:
        return p->GetString(*target);
      case TPropertyKind::pkBoolean:
        return p->GetOrdinal(*target) ? "True" : "False";
      case TPropertyKind::pkEnum:
        return p->EnumType()->Name(p->GetOrdinal(*target));
      case TPropertyKind::pkSet: {
        std::string out = "[";
        const std::uint32_t mask = static_cast<std::uint32_t>(p->GetOrdinal(*target));
        for (int bit = 0; bit < 32; ++bit)
          if (mask & (1u << bit)) out += (out.size() > 1 ? ", " : "") + p->EnumType()->Name(bit);
        return out + "]";
      }
      case TPropertyKind::pkInteger:
        return std::to_string(p->GetOrdinal(*target));
      default:
        return "<other>";
    }
  }
}

// The skin that the build made from resources/skin.
inline std::unique_ptr<TSeSkinSource> LoadProgramSkin() {
  auto source = std::make_unique<TSeSkinSource>(nullptr);
  source->LoadFromFile(QM_PROGRAM_SKIN_FILE);
  return source;
}

// A fresh, empty folder under the system's temporary folder.
std::string TempFolder(const std::string& name);

}  // namespace skintool_test
