#include "framework/core/TEnumInfo.h"

#include "framework/core/TextCase.h"

std::string TEnumInfo::Name(std::int32_t value) const {
  if (value < 0 || value >= Count()) return {};
  return names_[static_cast<std::size_t>(value)];
}

std::optional<std::int32_t> TEnumInfo::Value(std::string_view name) const {
  for (std::size_t i = 0; i < names_.size(); ++i)
    if (names_[i] == name) return static_cast<std::int32_t>(i);
  for (std::size_t i = 0; i < names_.size(); ++i)
    if (TextCase::SameText(names_[i], name)) return static_cast<std::int32_t>(i);
  return std::nullopt;
}
