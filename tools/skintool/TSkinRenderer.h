#pragma once

#include <memory>
#include <string>

#include "skin/objects/SkinObjectTypes.h"

class TSeBitmap;
class TSeSkinSource;

namespace skintool {

// Draws skin objects the way the skinned frame and controls do: a private copy of a
// top-level object, laid out at the wanted size, given a state and the window's activity,
// painted through the drawing seam onto a bitmap. The sheet shows every top-level object in
// every state on one picture, for a person to look at.
class TSkinRenderer {
 public:
  struct Look {
    TSeObjectState state = TSeObjectState::osNormal;
    bool active = true;
  };

  // "normal", "hot", "pressed", "focused", "disabled", "maximized", "minimized", "rolledup";
  // throws ESkinToolError for anything else.
  static TSeObjectState ParseState(const std::string& name);
  // Throws ESkinToolError for an unknown object or a size larger than the tools read back
  // (TSkinBitmapFile).
  static std::unique_ptr<TSeBitmap> Render(TSeSkinSource& source, const std::string& object,
                                           int width, int height, Look look);
  static std::unique_ptr<TSeBitmap> Sheet(TSeSkinSource& source);

  static void RenderToFile(TSeSkinSource& source, const std::string& object, int width, int height,
                           TSeObjectState state, bool active, const std::string& path);
  static void SheetToFile(TSeSkinSource& source, const std::string& path);
};

}  // namespace skintool
