#include "tools/skintool/PropertyText.h"

#include <cstdint>

#include "framework/core/TClassInfo.h"
#include "framework/core/TEnumInfo.h"
#include "framework/core/TPropertyInfo.h"
#include "skin/objects/TSeBitmapLink.h"

namespace skintool {

std::optional<std::string> PropertyText(const TObject& object, const std::string& path) {
  const TObject* target = &object;
  std::size_t start = 0;
  for (;;) {
    const std::size_t dot = path.find('.', start);
    const std::string name = path.substr(start, dot == std::string::npos ? dot : dot - start);
    const TPropertyInfo* p = target->ClassInfo().FindProperty(name);
    if (p == nullptr) return std::nullopt;
    if (dot != std::string::npos) {
      if (p->Kind() != TPropertyKind::pkObject || p->GetObject(*target) == nullptr)
        return std::nullopt;
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
        return std::nullopt;
    }
  }
}

const TSeBitmapLink* PropertyLink(const TObject& object, const std::string& name) {
  const TPropertyInfo* p = object.ClassInfo().FindProperty(name);
  if (p == nullptr || p->Kind() != TPropertyKind::pkObject) return nullptr;
  return ObjectAs<TSeBitmapLink>(p->GetObject(object));
}

}  // namespace skintool
