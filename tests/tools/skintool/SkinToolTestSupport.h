#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/core/TClassInfo.h"
#include "framework/core/TEnumInfo.h"
#include "framework/core/TPropertyInfo.h"
#include "skin/objects/TSeSkinObject.h"
#include "skin/store/TSeSkinSource.h"
#include "tools/skintool/PropertyText.h"

namespace skintool_test {

// A published property as the text form would show it (see PropertyText); "<none>" when the
// path names no property.
inline std::string Prop(const TObject& object, const std::string& path) {
  return skintool::PropertyText(object, path).value_or("<none>");
}

// Sets a published property from its text form (a decimal integer or colour, an enumeration
// identifier, True/False, a bare string), reached by a dotted path; false when the path names
// no such property or the value does not fit it.
bool SetProp(TObject& object, const std::string& path, const std::string& value);

// The skin that the build made from resources/skin.
inline std::unique_ptr<TSeSkinSource> LoadProgramSkin() {
  auto source = std::make_unique<TSeSkinSource>(nullptr);
  source->LoadFromFile(QM_PROGRAM_SKIN_FILE);
  return source;
}

// A fresh, empty folder under the system's temporary folder.
std::string TempFolder(const std::string& name);

}  // namespace skintool_test
