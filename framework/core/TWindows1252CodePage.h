#pragma once

#include "framework/core/TAnsiCodePage.h"

// Windows-1252, the Western European ANSI code page, with the same round trips that Windows
// itself makes for the five byte values the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90
// and 0x9D map to and from U+0081 and so on).
class TWindows1252CodePage final : public TAnsiCodePage {
 public:
  std::optional<std::string> Encode(char32_t codePoint) const override;
  std::u16string Decode(std::string_view bytes) const override;

  static const TWindows1252CodePage& Instance();
};
