#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "framework/core/Exception.h"

namespace skinart {

// A malformed source file of the skin; the message names the file and line.
class ESkinSourceError : public Exception {
 public:
  using Exception::Exception;
};

// One skin object as its source file gives it: name, class, the property lines in file order
// (values kept as written) and the nested child objects.
struct SkinTextObject {
  std::string name;
  std::string className;
  std::vector<std::pair<std::string, std::string>> properties;
  std::vector<std::unique_ptr<SkinTextObject>> children;
  int line = 0;

  const std::string* Find(const std::string& property) const;
  // Integer property, `fallback` when absent; throws when present but not an integer.
  long long Int(const std::string& property, long long fallback = 0) const;
  // Identifier or other bare value, `fallback` when absent.
  std::string Ident(const std::string& property, const std::string& fallback) const;
  // Quoted string property with doubled quotes undone, `fallback` when absent.
  std::string Str(const std::string& property, const std::string& fallback = {}) const;
  const SkinTextObject* Child(const std::string& childName) const;
  // Pre-order search of the subtree (the object itself first), ignoring ASCII case.
  const SkinTextObject* FindByName(const std::string& objectName) const;
};

// Reads the text form of one object with its children written as nested object blocks:
// CRLF lines, two blanks of indentation per level, "Name = value" properties, "end".
class SkinTextParser {
 public:
  static std::unique_ptr<SkinTextObject> Parse(const std::string& text,
                                               const std::string& sourceName);
  static std::unique_ptr<SkinTextObject> ParseFile(const std::string& path);
  // Decodes a quoted string value ('it''s' gives it's); nullopt when not a quoted string.
  static std::optional<std::string> Unquote(const std::string& value);
  static std::optional<long long> ToInt(const std::string& value);
};

}  // namespace skinart
