#include "tests/tools/skintool/SkinToolTestSupport.h"

#include <charconv>
#include <filesystem>

#include "framework/core/TClassInfo.h"
#include "framework/core/TEnumInfo.h"
#include "framework/core/TPropertyInfo.h"

namespace skintool_test {

std::string TempFolder(const std::string& name) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / ("skintool_" + name);
  std::error_code error;
  std::filesystem::remove_all(path, error);
  std::filesystem::create_directories(path);
  return path.string();
}

bool SetProp(TObject& object, const std::string& path, const std::string& value) {
  TObject* target = &object;
  std::string name = path;
  for (std::size_t dot; (dot = name.find('.')) != std::string::npos;) {
    const TPropertyInfo* p = target->ClassInfo().FindProperty(name.substr(0, dot));
    if (p == nullptr || p->Kind() != TPropertyKind::pkObject || p->GetObject(*target) == nullptr)
      return false;
    target = p->GetObject(*target);
    name = name.substr(dot + 1);
  }
  const TPropertyInfo* p = target->ClassInfo().FindProperty(name);
  if (p == nullptr) return false;
  switch (p->Kind()) {
    case TPropertyKind::pkString:
      p->SetString(*target, value);
      return true;
    case TPropertyKind::pkBoolean:
      if (value != "True" && value != "False") return false;
      p->SetOrdinal(*target, value == "True");
      return true;
    case TPropertyKind::pkEnum:
      if (const auto v = p->EnumType()->Value(value)) {
        p->SetOrdinal(*target, *v);
        return true;
      }
      return false;
    case TPropertyKind::pkInteger: {
      std::int32_t v = 0;
      const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), v);
      if (error != std::errc() || end != value.data() + value.size()) return false;
      p->SetOrdinal(*target, v);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace skintool_test
