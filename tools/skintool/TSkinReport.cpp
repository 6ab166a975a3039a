#include "tools/skintool/TSkinReport.h"

#include <algorithm>
#include <vector>

#include "skin/objects/TSeBitmap.h"
#include "skin/objects/TSeSkinObject.h"
#include "skin/store/TSeSkinSource.h"
#include "tools/skinsource/TSkinObjectSource.h"
#include "tools/skintool/ESkinToolError.h"

namespace skintool {

namespace {
void Count(const TSeSkinObject& object, std::map<std::string, int>& counts) {
  ++counts[object.ClassName()];
  for (int i = 0; i < object.ObjectCount(); ++i)
    if (const TSeSkinObject* child = object.Objects(i)) Count(*child, counts);
}
}  // namespace

std::map<std::string, int> TSkinReport::ClassCounts(const TSeSkinSource& source) {
  std::map<std::string, int> counts;
  for (const auto& object : source.AllObjects()) Count(*object, counts);
  return counts;
}

int TSkinReport::ObjectCount(const TSeSkinSource& source) {
  int total = 0;
  for (const auto& [name, count] : ClassCounts(source)) total += count;
  return total;
}

std::string TSkinReport::Info(const TSeSkinSource& source) {
  std::string out;
  out += "SkinName:    " + source.SkinName() + "\n";
  out += "SkinVersion: " + source.SkinVersion() + "\n";
  out += "Author:      " + source.Author() + "\n";
  out += "AuthorEMail: " + source.AuthorEMail() + "\n";
  out += "AuthorURL:   " + source.AuthorURL() + "\n";
  out += "Bitmaps:     " + std::to_string(source.Bitmaps().Count()) + "\n";
  out += "Top-level:   " + std::to_string(source.AllObjects().size()) + "\n";
  out += "Objects:     " + std::to_string(ObjectCount(source)) + "\n";
  const std::map<std::string, int> counts = ClassCounts(source);
  std::vector<std::pair<std::string, int>> classes(counts.begin(), counts.end());
  std::stable_sort(classes.begin(), classes.end(),
                   [](const auto& a, const auto& b) { return a.second > b.second; });
  for (const auto& [name, count] : classes) out += "  " + std::to_string(count) + " " + name + "\n";
  return out;
}

std::string TSkinReport::Tree(const TSeSkinSource& source, const std::string& objectName) {
  if (!objectName.empty()) {
    TSeSkinObject* object = source.GetObjectByName(objectName);
    if (object == nullptr) throw ESkinToolError("no top-level object named \"" + objectName + "\"");
    return skinsource::TSkinObjectSource::Write(*object);
  }
  std::string out;
  for (const auto& object : source.AllObjects())
    out += skinsource::TSkinObjectSource::Write(*object);
  return out;
}

}  // namespace skintool
