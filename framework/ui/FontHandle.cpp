#include "framework/ui/FontHandle.h"

#include <algorithm>
#include <string>

#include "framework/core/UnicodeText.h"

Handles::Font CreateFontHandle(const TFont& font) {
  LOGFONTW log{};
  log.lfHeight = font.Height();
  log.lfWeight = font.Style().Contains(TFontStyle::fsBold) ? FW_BOLD : FW_NORMAL;
  log.lfItalic = font.Style().Contains(TFontStyle::fsItalic) ? TRUE : FALSE;
  log.lfUnderline = font.Style().Contains(TFontStyle::fsUnderline) ? TRUE : FALSE;
  log.lfStrikeOut = font.Style().Contains(TFontStyle::fsStrikeOut) ? TRUE : FALSE;
  log.lfCharSet = static_cast<BYTE>(font.Charset());
  log.lfQuality = DEFAULT_QUALITY;
  log.lfOutPrecision = OUT_DEFAULT_PRECIS;
  log.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  log.lfPitchAndFamily = font.Pitch() == TFontPitch::fpFixed      ? FIXED_PITCH
                         : font.Pitch() == TFontPitch::fpVariable ? VARIABLE_PITCH
                                                                  : DEFAULT_PITCH;
  const std::u16string name = UnicodeText::FromUtf8(font.Name()).value_or(u"");
  const std::size_t length = std::min<std::size_t>(name.size(), LF_FACESIZE - 1);
  for (std::size_t i = 0; i < length; ++i) log.lfFaceName[i] = static_cast<wchar_t>(name[i]);
  return Handles::Font(CreateFontIndirectW(&log));
}
