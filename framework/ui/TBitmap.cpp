#include "framework/ui/TBitmap.h"

#include <limits>

#include "framework/ui/UiErrors.h"

TBitmap::~TBitmap() {
  Free();
}

void TBitmap::Free() {
  canvas_.SetHandle(nullptr);
  selection_.Reset();
  dc_.Reset();
  bitmap_.Reset();
  bits_ = nullptr;
  width_ = height_ = 0;
}

void TBitmap::SetSize(int width, int height) {
  if (width == width_ && height == height_) return;
  if (width < 0 || height < 0) throw EInvalidOperation(UiMessages::SInvalidBitmap);
  Free();
  if (width == 0 || height == 0) return;
  // 4 bytes a pixel must fit the platform's signed sizes.
  if (static_cast<long long>(width) * height > std::numeric_limits<int>::max() / 4)
    throw EOutOfResources(UiMessages::SOutOfResources);

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  Handles::CreatedDC dc = Handles::CreatedDC::Compatible(nullptr);
  Handles::Bitmap bitmap(CreateDIBSection(dc.Get(), &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
  if (!dc || !bitmap) {
    bits_ = nullptr;
    throw EOutOfResources(UiMessages::SOutOfResources);
  }
  Handles::SelectedObject selection(dc.Get(), bitmap.Get());
  bitmap_ = std::move(bitmap);
  dc_ = std::move(dc);
  selection_ = std::move(selection);
  width_ = width;
  height_ = height;
  canvas_.SetHandle(dc_.Get());
}

std::uint32_t* TBitmap::ScanLine(int y) {
  if (!bits_ || y < 0 || y >= height_) throw EInvalidOperation(UiMessages::SInvalidBitmap);
  GdiFlush();
  return static_cast<std::uint32_t*>(bits_) + static_cast<std::size_t>(y) * width_;
}

void TBitmap::LoadFromResourceName(HINSTANCE instance, const wchar_t* name) {
  Handles::Bitmap loaded(
      static_cast<HBITMAP>(LoadImageW(instance, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!loaded) throw EResNotFound(UiMessages::SResNotFound);
  BITMAP info{};
  GetObjectW(loaded.Get(), sizeof(info), &info);
  SetSize(info.bmWidth, info.bmHeight);
  Handles::CreatedDC source = Handles::CreatedDC::Compatible(dc_.Get());
  Handles::SelectedObject select(source.Get(), loaded.Get());
  BitBlt(dc_.Get(), 0, 0, width_, height_, source.Get(), 0, 0, SRCCOPY);
}

void TBitmap::DrawTo(HDC dc, const RECT& rect) {
  if (Empty()) return;
  const int w = rect.right - rect.left;
  const int h = rect.bottom - rect.top;
  if (w == width_ && h == height_) {
    BitBlt(dc, rect.left, rect.top, w, h, dc_.Get(), 0, 0, SRCCOPY);
  } else {
    const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, rect.left, rect.top, w, h, dc_.Get(), 0, 0, width_, height_, SRCCOPY);
    SetStretchBltMode(dc, oldMode);
  }
}
