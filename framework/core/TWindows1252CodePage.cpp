#include "framework/core/TWindows1252CodePage.h"

#include <array>

namespace {

// Code points of the bytes 0x80 to 0x9F; the undefined bytes stand for the C1 control of the
// same number, as in Windows' own table.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::optional<std::string> TWindows1252CodePage::Encode(char32_t codePoint) const {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
    return std::string(1, static_cast<char>(codePoint));
  for (std::size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == codePoint) return std::string(1, static_cast<char>(0x80 + i));
  return std::nullopt;
}

std::u16string TWindows1252CodePage::Decode(std::string_view bytes) const {
  std::u16string text;
  text.reserve(bytes.size());
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    text.push_back(b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char16_t{b});
  }
  return text;
}

const TWindows1252CodePage& TWindows1252CodePage::Instance() {
  static const TWindows1252CodePage instance;
  return instance;
}
