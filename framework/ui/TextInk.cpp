#include "framework/ui/TextInk.h"

#include <algorithm>
#include <cstdint>

#include "framework/core/win/Handles.h"

namespace {

// One strip for every measurement of the process, grown as needed and kept like the window
// classes: a context and a section made for each label cost trips to the window server.
struct TInkStrip {
  Handles::CreatedDC dc{CreateCompatibleDC(nullptr)};
  Handles::Bitmap section;
  std::uint32_t* pixels = nullptr;
  int width = 0, height = 0;

  bool Reserve(int w, int h) {
    if (!dc) return false;
    if (section && w <= width && h <= height) return true;
    w = std::max(w, width);
    h = std::max(h, height);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Handles::Bitmap grown(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!grown) return false;
    SelectObject(dc.Get(), grown.Get());  // the old section, if any, is deselected and goes
    section = std::move(grown);
    pixels = static_cast<std::uint32_t*>(bits);
    width = w;
    height = h;
    return true;
  }
};

}  // namespace

int TextInkRight(HFONT font, const std::wstring& text, const RECT& box, UINT flags) {
  // Drawn black on white, unclipped, into a strip with room for the widest overhang a glyph of
  // this height may have.
  const int height = box.bottom - box.top;
  const int width = box.right + height + 2;
  if (box.right <= 0 || height <= 0 || text.empty()) return box.right;
  static auto* strip = new TInkStrip;
  if (!strip->Reserve(width, height)) return box.right;
  constexpr std::uint32_t kWhite = 0x00FFFFFF;
  const int stride = strip->width;
  for (int y = 0; y < height; ++y)
    std::fill(strip->pixels + y * stride, strip->pixels + y * stride + width, kWhite);
  {
    const HDC dc = strip->dc.Get();
    Handles::SelectedObject selectedFont(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    RECT laidOut{box.left, 0, box.right, height};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &laidOut,
              (flags & ~DT_CALCRECT) | DT_NOCLIP);
    GdiFlush();
  }
  for (int x = width - 1; x >= box.right; --x)
    for (int y = 0; y < height; ++y)
      if ((strip->pixels[y * stride + x] & kWhite) != kWhite) return x + 1;
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

RECT LabelTextBox(HFONT font, const std::wstring& text, const RECT& client, UINT flags,
                  bool autoSize, int overhang) {
  RECT box = client;
  if (autoSize)
    box.right = std::max<LONG>(box.left, box.right - overhang);
  else if (flags & DT_WORDBREAK)
    box = TextBoxWithinEdge(font, text, box, flags, client.right);
  return box;
}
