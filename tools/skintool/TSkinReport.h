#pragma once

#include <map>
#include <string>

class TSeSkinSource;
class TSeSkinObject;

namespace skintool {

// What `info` and `tree` print about a skin.
class TSkinReport {
 public:
  // Objects in the whole tree (top-level ones and all their descendants) by class name.
  static std::map<std::string, int> ClassCounts(const TSeSkinSource& source);
  static int ObjectCount(const TSeSkinSource& source);
  // Header strings, counts of bitmaps and objects, objects per class (most first).
  static std::string Info(const TSeSkinSource& source);
  // Every top-level object, or the one named (ignoring case), in the source form with nested
  // children; throws ESkinToolError when there is no such object.
  static std::string Tree(const TSeSkinSource& source, const std::string& objectName = {});
};

}  // namespace skintool
