#pragma once

// What text really covers on the screen: hinted outline fonts may ink a pixel or two past the
// advance widths DrawText measures.

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>

// The rectangle DrawText measures for caption in font on the screen, at the origin.
inline RECT MeasuredText(HFONT font, const std::wstring& caption) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, font);
  RECT text{0, 0, 0, 0};
  DrawTextW(screen, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_CALCRECT | DT_EXPANDTABS);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return text;
}

// The last column the caption inks when drawn unclipped, black on white, in the rectangle
// DrawText measured for it in font; -1 when nothing is inked.
inline int LastInkedColumn(HFONT font, const std::wstring& caption, const RECT& measured) {
  const int width = measured.right + 4 * measured.bottom, height = measured.bottom;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(info.bmiHeader), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP strip = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ oldStrip = SelectObject(dc, strip), oldFont = SelectObject(dc, font);
  RECT all{0, 0, width, height}, box = measured;
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &box, DT_EXPANDTABS | DT_NOCLIP);
  GdiFlush();
  int last = -1;
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  for (int i = 0; i < width * height; ++i)
    if ((pixels[i] & 0xFFFFFF) != 0xFFFFFF) last = std::max(last, i % width);
  SelectObject(dc, oldFont);
  SelectObject(dc, oldStrip);
  DeleteDC(dc);
  DeleteObject(strip);
  return last;
}
