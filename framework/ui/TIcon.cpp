#include "framework/ui/TIcon.h"

#include "framework/ui/UiErrors.h"

void TIcon::SetHandle(HICON icon) {
  icon_ = Handles::Icon(icon);
  width_ = height_ = 0;
  ICONINFO info{};
  if (icon && GetIconInfo(icon, &info)) {
    // GetIconInfo hands out copies of the icon's bitmaps: own them so they are freed.
    Handles::Bitmap mask(info.hbmMask);
    Handles::Bitmap colour(info.hbmColor);
    BITMAP bm{};
    GetObjectW(mask.Get(), sizeof(bm), &bm);
    width_ = bm.bmWidth;
    height_ = colour ? bm.bmHeight : bm.bmHeight / 2;
  }
}

void TIcon::LoadFromResourceName(HINSTANCE instance, const wchar_t* name, int size) {
  HICON icon = static_cast<HICON>(LoadImageW(instance, name, IMAGE_ICON, size, size, 0));
  if (!icon) throw EResNotFound(UiMessages::SResNotFound);
  SetHandle(icon);
}

void TIcon::DrawTo(HDC dc, const RECT& rect) {
  if (!icon_) return;
  DrawIconEx(dc, rect.left, rect.top, icon_.Get(), rect.right - rect.left, rect.bottom - rect.top,
             0, nullptr, DI_NORMAL);
}
