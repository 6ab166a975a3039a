#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The names of an enumeration's values in declaration order (value 0 first), as streams store
// them. Sets of that enumeration use the same names for their members.
class TEnumInfo {
 public:
  TEnumInfo(std::string typeName, std::vector<std::string> names)
      : typeName_(std::move(typeName)), names_(std::move(names)) {}

  const std::string& TypeName() const { return typeName_; }
  std::int32_t Count() const { return static_cast<std::int32_t>(names_.size()); }
  // The name of a value; empty when the value is out of range.
  std::string Name(std::int32_t value) const;
  // The value of a name (exact, case-sensitive as the stream wrote it, then ignoring case).
  std::optional<std::int32_t> Value(std::string_view name) const;

 private:
  std::string typeName_;
  std::vector<std::string> names_;
};
