#include "framework/ui/TextInk.h"

#include <algorithm>
#include <cstdint>

#include "framework/core/win/Handles.h"

int TextInkRight(HFONT font, const std::wstring& text, const RECT& box, UINT flags) {
  // Drawn black on white, unclipped, into a strip with room for the widest overhang a glyph of
  // this height may have.
  const int height = box.bottom - box.top;
  const int width = box.right + height + 2;
  if (box.right <= 0 || height <= 0 || text.empty()) return box.right;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  Handles::Bitmap strip(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  Handles::CreatedDC dc(CreateCompatibleDC(nullptr));
  if (!strip || !dc) return box.right;
  auto* pixels = static_cast<std::uint32_t*>(bits);
  constexpr std::uint32_t kWhite = 0x00FFFFFF;
  std::fill(pixels, pixels + width * height, kWhite);
  {
    Handles::SelectedObject selectedStrip(dc.Get(), strip.Get());
    Handles::SelectedObject selectedFont(dc.Get(), font);
    SetBkMode(dc.Get(), TRANSPARENT);
    SetTextColor(dc.Get(), RGB(0, 0, 0));
    RECT laidOut{box.left, 0, box.right, height};
    DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &laidOut,
              (flags & ~DT_CALCRECT) | DT_NOCLIP);
    GdiFlush();
  }
  for (int x = width - 1; x >= box.right; --x)
    for (int y = 0; y < height; ++y)
      if ((pixels[y * width + x] & kWhite) != kWhite) return x + 1;
  return box.right;
}

RECT TextBoxWithinEdge(HFONT font, const std::wstring& text, RECT box, UINT flags, int edge) {
  for (int step = 0; step < 4; ++step) {
    const int over = TextInkRight(font, text, box, flags) - edge;
    if (over <= 0) break;
    box.right = std::max<LONG>(box.left, box.right - over);
  }
  return box;
}
