#pragma once

#include <string>
#include <string_view>

// ASCII case rules of names (components, properties, identifiers): letters A-Z and a-z match,
// other bytes only themselves.
namespace TextCase {

bool SameText(std::string_view a, std::string_view b);
std::string LowerCase(std::string_view text);
// A letter or '_' first, then letters, digits or '_'.
bool IsValidIdent(std::string_view text);

}  // namespace TextCase
