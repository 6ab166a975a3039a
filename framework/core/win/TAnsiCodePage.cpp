#include <windows.h>

#include <vector>

#include "framework/core/TAnsiCodePage.h"

namespace {

// The code page Windows is set to (CP_ACP), asked through the platform's own converters.
class TSystemAnsiCodePage final : public TAnsiCodePage {
 public:
  std::optional<std::string> Encode(char32_t codePoint) const override {
    wchar_t units[2];
    int count = 1;
    if (codePoint >= 0x10000) {
      units[0] = static_cast<wchar_t>(0xD800 + ((codePoint - 0x10000) >> 10));
      units[1] = static_cast<wchar_t>(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
      count = 2;
    } else {
      units[0] = static_cast<wchar_t>(codePoint);
    }
    // No best-fit mapping: a character the code page lacks must be reported, not replaced by
    // a look-alike.
    char bytes[8];
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, units, count, bytes,
                                      sizeof bytes, nullptr, &usedDefault);
    if (n <= 0 || usedDefault) return std::nullopt;
    return std::string(bytes, static_cast<std::size_t>(n));
  }

  std::u16string Decode(std::string_view bytes) const override {
    if (bytes.empty()) return {};
    const int size = static_cast<int>(bytes.size());
    const int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    std::vector<wchar_t> text(static_cast<std::size_t>(n > 0 ? n : 0));
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, text.data(), n);
    return std::u16string(text.begin(), text.end());
  }
};

}  // namespace

const TAnsiCodePage& TAnsiCodePage::System() {
  static const TSystemAnsiCodePage instance;
  return instance;
}
