#pragma once

#include <string>
#include <vector>

class TSeSkinSource;

namespace skintool {

// Finds what would make a skin draw wrongly or not at all, without drawing it: bitmap links
// that name no bitmap, source rectangles outside their bitmap or empty, state pictures of
// another size than the normal one, nine-grid margins negative or larger than their part or
// its picture, stored layouts that the library's layout would change, names that a lookup by
// name cannot tell apart, and objects that the skinned frame and controls look for but the
// skin lacks.
class TSkinLinter {
 public:
  // One line per problem, "Object.Path: what is wrong"; empty when the skin is sound.
  static std::vector<std::string> Check(const TSeSkinSource& source);
};

}  // namespace skintool
