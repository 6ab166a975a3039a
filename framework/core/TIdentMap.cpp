#include "framework/core/TIdentMap.h"

#include "framework/core/TextCase.h"

std::optional<std::string> TIdentMap::ToIdent(std::int32_t value) const {
  for (const auto& [v, name] : entries_)
    if (v == value) return name;
  return std::nullopt;
}

std::optional<std::int32_t> TIdentMap::ToValue(std::string_view ident) const {
  for (const auto& [v, name] : entries_)
    if (TextCase::SameText(name, ident)) return v;
  return std::nullopt;
}
