#pragma once

#include <optional>
#include <string>

class TObject;
class TSeBitmapLink;

namespace skintool {

// A published property as the text form shows it, reached through the property tables by a
// dotted path ("Bitmap.Name", "Font.Style"): strings bare, enumerations and sets by their
// identifiers, booleans True/False, integers and colours in decimal. None when the path names
// no property of those kinds.
std::optional<std::string> PropertyText(const TObject& object, const std::string& path);

// The bitmap link an object publishes under name ("Bitmap", "BitmapHot"); none when it has no
// such link.
const TSeBitmapLink* PropertyLink(const TObject& object, const std::string& name);

}  // namespace skintool
