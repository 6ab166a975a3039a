#pragma once

#include <optional>
#include <string>
#include <string_view>

// An 8-bit ("ANSI") code page. Snippets and saved files are ANSI text, so every place that
// turns wide text into bytes goes through one of these. The system's code page is the one
// Windows is set to; the host build, which has no such setting, uses Windows-1252.
class TAnsiCodePage {
 public:
  virtual ~TAnsiCodePage() = default;

  // The bytes for one Unicode code point, or nothing when the code page lacks the character.
  virtual std::optional<std::string> Encode(char32_t codePoint) const = 0;
  // Wide text for a whole byte string of this code page.
  virtual std::u16string Decode(std::string_view bytes) const = 0;

  static const TAnsiCodePage& System();
};
