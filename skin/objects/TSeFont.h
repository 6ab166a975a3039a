#pragma once

#include <cstdint>
#include <string>

#include "skin/objects/SeColor.h"

enum TSeFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// What a canvas needs to choose a font: the platform makes the real font from it.
struct TSeFont {
  std::string Name = "Tahoma";
  std::int32_t Height = -11;  // negative: character height in pixels, as the platform has it
  TColor Color = clBlack;
  std::uint8_t Style = 0;    // TSeFontStyle bits
  std::uint8_t Charset = 1;  // the platform's default character set
  friend bool operator==(const TSeFont&, const TSeFont&) = default;
};
