#include "framework/core/TFont.h"

#include "framework/core/TPropertyBuilder.h"

const TEnumInfo& FontStyleInfo() {
  static const TEnumInfo info("TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
  return info;
}

const TEnumInfo& FontPitchInfo() {
  static const TEnumInfo info("TFontPitch", {"fpDefault", "fpVariable", "fpFixed"});
  return info;
}

const TIdentMap& CharsetIdents() {
  static const TIdentMap map({
      {0, "ANSI_CHARSET"},      {1, "DEFAULT_CHARSET"},    {2, "SYMBOL_CHARSET"},
      {77, "MAC_CHARSET"},      {128, "SHIFTJIS_CHARSET"}, {129, "HANGEUL_CHARSET"},
      {130, "JOHAB_CHARSET"},   {134, "GB2312_CHARSET"},   {136, "CHINESEBIG5_CHARSET"},
      {161, "GREEK_CHARSET"},   {162, "TURKISH_CHARSET"},  {163, "VIETNAMESE_CHARSET"},
      {177, "HEBREW_CHARSET"},  {178, "ARABIC_CHARSET"},   {186, "BALTIC_CHARSET"},
      {204, "RUSSIAN_CHARSET"}, {222, "THAI_CHARSET"},     {238, "EASTEUROPE_CHARSET"},
      {255, "OEM_CHARSET"},
  });
  return map;
}

namespace {

void DeclareFont(TPropertyTable& table) {
  TPropertyBuilder<TFont> p(table);
  // No stored defaults: a font that is written at all is written whole.
  p.IntegerIdent(
      "Charset", CharsetIdents(), [](const TFont& f) { return std::int32_t{f.Charset()}; },
      [](TFont& f, std::int32_t v) { f.SetCharset(static_cast<TFontCharset>(v)); });
  p.Color("Color", &TFont::Color, &TFont::SetColor);
  p.Integer("Height", &TFont::Height, &TFont::SetHeight);
  p.String("Name", &TFont::Name, &TFont::SetName);
  p.Enum("Pitch", FontPitchInfo(), &TFont::Pitch, &TFont::SetPitch).Default(TFontPitch::fpDefault);
  p.Set("Style", FontStyleInfo(), &TFont::Style, &TFont::SetStyle);
}

}  // namespace

const TClassInfo& TFont::StaticClassInfo() {
  static const TClassInfo info("TFont", &TPersistent::StaticClassInfo(), nullptr, &DeclareFont);
  return info;
}

void TFont::Assign(const TPersistent* source) {
  if (const TFont* font = ObjectAs<TFont>(source)) {
    if (font == this) return;
    const bool changed = !(*this == *font);
    charset_ = font->charset_;
    color_ = font->color_;
    height_ = font->height_;
    name_ = font->name_;
    pitch_ = font->pitch_;
    style_ = font->style_;
    if (changed) Changed();
    return;
  }
  TPersistent::Assign(source);
}

bool TFont::operator==(const TFont& other) const {
  return charset_ == other.charset_ && color_ == other.color_ && height_ == other.height_ &&
         name_ == other.name_ && pitch_ == other.pitch_ && style_ == other.style_;
}

void TFont::SetCharset(TFontCharset value) {
  if (value == charset_) return;
  charset_ = value;
  Changed();
}

void TFont::SetColor(TColor value) {
  if (value == color_) return;
  color_ = value;
  Changed();
}

void TFont::SetHeight(std::int32_t value) {
  if (value == height_) return;
  height_ = value;
  Changed();
}

void TFont::SetName(const std::string& value) {
  if (value == name_ || value.empty()) return;
  name_ = value;
  Changed();
}

void TFont::SetPitch(TFontPitch value) {
  if (value == pitch_) return;
  pitch_ = value;
  Changed();
}

void TFont::SetStyle(TFontStyles value) {
  if (value == style_) return;
  style_ = value;
  Changed();
}

std::int32_t TFont::Size() const {
  const std::int64_t scaled = -std::int64_t{height_} * 72;
  const std::int64_t half = pixelsPerInch_ / 2;
  return static_cast<std::int32_t>(scaled >= 0 ? (scaled + half) / pixelsPerInch_
                                               : (scaled - half) / pixelsPerInch_);
}

void TFont::SetSize(std::int32_t points) {
  const std::int64_t scaled = std::int64_t{points} * pixelsPerInch_;
  SetHeight(static_cast<std::int32_t>(-(scaled >= 0 ? (scaled + 36) / 72 : (scaled - 36) / 72)));
}

void TFont::Changed() {
  OnChange(this);
}
