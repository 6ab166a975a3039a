#pragma once

#include <cstdint>
#include <string>

#include "framework/core/Color.h"
#include "framework/core/TEnumInfo.h"
#include "framework/core/TEvent.h"
#include "framework/core/TIdentMap.h"
#include "framework/core/TPersistent.h"
#include "framework/core/TSet.h"

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum class TFontPitch { fpDefault, fpVariable, fpFixed };
using TFontCharset = std::uint8_t;

inline constexpr TFontCharset kAnsiCharset = 0;
inline constexpr TFontCharset kDefaultCharset = 1;

const TEnumInfo& FontStyleInfo();
const TEnumInfo& FontPitchInfo();
// ANSI_CHARSET, DEFAULT_CHARSET, SYMBOL_CHARSET, ... OEM_CHARSET.
const TIdentMap& CharsetIdents();

// The data of a font, without a platform handle: the UI layer makes its handle from these
// values. Streamed as Charset (identifier), Color, Height, Name and Style, all always written;
// Pitch only when not fpDefault. Height is in pixels (negative: character height); Size is
// derived from it through PixelsPerInch and is not streamed. Every change fires OnChange.
class TFont : public TPersistent {
 public:
  TFont() = default;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void Assign(const TPersistent* source) override;
  bool operator==(const TFont& other) const;

  TFontCharset Charset() const { return charset_; }
  void SetCharset(TFontCharset value);
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  std::int32_t Height() const { return height_; }
  void SetHeight(std::int32_t value);
  const std::string& Name() const { return name_; }
  void SetName(const std::string& value);
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch value);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles value);

  std::int32_t PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(std::int32_t value) { pixelsPerInch_ = value > 0 ? value : 96; }
  // Points, rounded: -Height * 72 / PixelsPerInch.
  std::int32_t Size() const;
  void SetSize(std::int32_t points);

  TNotifyEvent OnChange;

 private:
  void Changed();

  TFontCharset charset_ = kDefaultCharset;
  TColor color_ = clWindowText;
  std::int32_t height_ = -11;
  std::string name_ = "MS Sans Serif";
  TFontPitch pitch_ = TFontPitch::fpDefault;
  TFontStyles style_;
  std::int32_t pixelsPerInch_ = 96;
};
