#pragma once

#include <optional>
#include <string>
#include <vector>

namespace skinart {

// The stored properties of the skin object classes, in the order they are written, with the
// value a new object has. Font and bitmap-link properties appear expanded into their dotted
// sub-properties (Font.Color, Bitmap.Left, ...).
class SkinSchema {
 public:
  enum class Type { Enum, Colour, Boolean, Integer, String, Charset, FontStyle };
  struct Property {
    std::string name;
    Type type;
    std::string enumName;  // for Type::Enum: which enumeration
    std::string defaultValue;
    // Font sub-properties have no default: the writer always writes all five of them.
    bool alwaysWritten = false;
  };

  // Stored properties of a class, nullptr for a class this skin cannot contain.
  static const std::vector<Property>* Properties(const std::string& className);
  // Values of an enumeration (TSeAlign, TSeKind, ...), empty when unknown.
  static const std::vector<std::string>& Enumeration(const std::string& enumName);
  // A colour as written (identifier or decimal) to its value; nullopt when neither.
  static std::optional<long long> Colour(const std::string& text);
  // The identifier the text form uses for a colour value, when it has one.
  static std::optional<std::string> ColourName(long long value);
  // Whether `text` is a valid value of the property's type.
  static bool Valid(const Property& property, const std::string& text);
  // Whether `text` denotes the property's default value (so it should not be written).
  static bool IsDefault(const Property& property, const std::string& text);
};

}  // namespace skinart
