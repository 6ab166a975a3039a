#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Integer values that streams write as identifiers when they have a name (colours such as
// clWhite, character sets such as DEFAULT_CHARSET, cursors such as crHandPoint); a value
// without a name is written as a plain integer.
class TIdentMap {
 public:
  explicit TIdentMap(std::vector<std::pair<std::int32_t, std::string>> entries)
      : entries_(std::move(entries)) {}

  // The first name of a value, or nothing.
  std::optional<std::string> ToIdent(std::int32_t value) const;
  // The value of a name, ignoring case, or nothing.
  std::optional<std::int32_t> ToValue(std::string_view ident) const;
  const std::vector<std::pair<std::int32_t, std::string>>& Entries() const { return entries_; }

 private:
  std::vector<std::pair<std::int32_t, std::string>> entries_;
};
