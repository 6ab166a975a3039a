#include "skin/objects/win/TSeGdiCanvas.h"

#include <cstring>
#include <vector>

#include "skin/objects/TSeBitmap.h"

namespace {

// The portable format bits go to DrawTextW unchanged.
static_assert(SeTextFormat::tfTop == DT_TOP && SeTextFormat::tfLeft == DT_LEFT);
static_assert(SeTextFormat::tfCenter == DT_CENTER && SeTextFormat::tfRight == DT_RIGHT);
static_assert(SeTextFormat::tfVCenter == DT_VCENTER && SeTextFormat::tfBottom == DT_BOTTOM);
static_assert(SeTextFormat::tfWordBreak == DT_WORDBREAK);
static_assert(SeTextFormat::tfSingleLine == DT_SINGLELINE);
static_assert(SeTextFormat::tfCalcRect == DT_CALCRECT && SeTextFormat::tfNoPrefix == DT_NOPREFIX);
static_assert(SeTextFormat::tfRtlReading == DT_RTLREADING);

using TransparentBltFn = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);

// Looked up once: older systems lack the function (and Windows 9x's leaks), so it is only
// used on the NT family from version 5 on, and the caller masks by hand otherwise.
TransparentBltFn LookUpTransparentBlt() {
  const DWORD version = GetVersion();
  const bool nt = (version & 0x80000000u) == 0;
  const int major = LOBYTE(LOWORD(version));
  if (!nt || major <= 4) return nullptr;
  HMODULE module = LoadLibraryW(L"msimg32.dll");
  if (!module) return nullptr;
  return reinterpret_cast<TransparentBltFn>(
      reinterpret_cast<void*>(GetProcAddress(module, "TransparentBlt")));
}

TransparentBltFn TransparentBltFunction() {
  static const TransparentBltFn fn = LookUpTransparentBlt();
  return fn;
}

COLORREF Ref(TColor color) {
  return static_cast<COLORREF>(ColorToRGB(color)) & 0xFFFFFF;
}

HDC SourceDC(const TSeBitmap& bitmap) {
  return static_cast<HDC>(bitmap.Surface().NativeContext());
}

void Blit(HDC to, const TRect& d, HDC from, const TRect& s) {
  const int dw = RectWidth(d), dh = RectHeight(d), sw = RectWidth(s), sh = RectHeight(s);
  if (dw == sw && dh == sh) {
    BitBlt(to, d.Left, d.Top, dw, dh, from, s.Left, s.Top, SRCCOPY);
  } else {
    const int oldMode = SetStretchBltMode(to, COLORONCOLOR);
    StretchBlt(to, d.Left, d.Top, dw, dh, from, s.Left, s.Top, sw, sh, SRCCOPY);
    SetStretchBltMode(to, oldMode);
  }
  GdiFlush();  // the pixel work reads DIB memory straight after
}

}  // namespace

std::unique_ptr<TSeCanvas> CreateBitmapCanvas(TSeBitmap& bitmap) {
  return std::make_unique<TSeGdiCanvas>(static_cast<HDC>(bitmap.Surface().NativeContext()));
}

bool TSeGdiCanvas::HasTransparentBlt() {
  return TransparentBltFunction() != nullptr;
}

TSeGdiCanvas::TSeGdiCanvas(HDC dc) : dc_(dc), saved_(dc) {
  POINT org{};
  GetViewportOrgEx(dc_, &org);
  origin_ = TPoint{org.x, org.y};
}

TSeGdiCanvas::~TSeGdiCanvas() {
  GdiFlush();
}

void TSeGdiCanvas::FillRect(const TRect& rect, TColor color) {
  const Handles::Brush brush(CreateSolidBrush(Ref(color)));
  const RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
  ::FillRect(dc_, &r, brush.Get());
  GdiFlush();
}

void TSeGdiCanvas::FrameRect(const TRect& rect, TColor color) {
  const Handles::Brush brush(CreateSolidBrush(Ref(color)));
  const RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
  ::FrameRect(dc_, &r, brush.Get());
  GdiFlush();
}

void TSeGdiCanvas::Line(TPoint from, TPoint to, TColor color) {
  const Handles::Pen pen(CreatePen(PS_SOLID, 1, Ref(color)));
  const Handles::SelectedObject selected(dc_, pen.Get());
  MoveToEx(dc_, from.X, from.Y, nullptr);
  LineTo(dc_, to.X, to.Y);
  GdiFlush();
}

void TSeGdiCanvas::FillPattern(const TRect& rect, const TColor (&pattern)[64]) {
  // A packed 8 x 8 top-down DIB for the brush.
  std::vector<std::uint8_t> packed(sizeof(BITMAPINFOHEADER) + 64 * 4);
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = 8;
  header.biHeight = -8;
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  std::memcpy(packed.data(), &header, sizeof header);
  for (int i = 0; i < 64; ++i) {
    const std::uint32_t pixel = ColorToPixel(pattern[i]);
    std::memcpy(packed.data() + sizeof header + i * 4, &pixel, 4);
  }
  const Handles::Brush brush(CreateDIBPatternBrushPt(packed.data(), DIB_RGB_COLORS));
  const RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
  ::FillRect(dc_, &r, brush.Get());
  GdiFlush();
}

void TSeGdiCanvas::SetFont(const TSeFont& font) {
  if (font == font_ && fontHandle_) return;
  font_ = font;
  fontSelection_.Reset();
  fontHandle_.Reset();
}

void TSeGdiCanvas::SelectFont() {
  if (fontHandle_) return;
  LOGFONTW lf{};
  lf.lfHeight = font_.Height;
  lf.lfWeight = (font_.Style & fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = (font_.Style & fsItalic) ? TRUE : FALSE;
  lf.lfUnderline = (font_.Style & fsUnderline) ? TRUE : FALSE;
  lf.lfStrikeOut = (font_.Style & fsStrikeOut) ? TRUE : FALSE;
  lf.lfCharSet = font_.Charset;
  lf.lfQuality = NONANTIALIASED_QUALITY;  // blended edges would not stay out of the mask
  const int n = MultiByteToWideChar(CP_UTF8, 0, font_.Name.c_str(), -1, lf.lfFaceName, LF_FACESIZE);
  if (n == 0) lf.lfFaceName[0] = 0;
  fontHandle_.Reset(CreateFontIndirectW(&lf));
  fontSelection_ = Handles::SelectedObject(dc_, fontHandle_.Get());
}

TSize TSeGdiCanvas::TextExtent(std::u16string_view text) {
  SelectFont();
  SIZE size{};
  GetTextExtentPoint32W(dc_, reinterpret_cast<LPCWSTR>(text.data()), static_cast<int>(text.size()),
                        &size);
  return TSize{size.cx, size.cy};
}

int TSeGdiCanvas::DrawText(std::u16string_view text, TRect& rect, std::uint32_t format) {
  SelectFont();
  SetBkMode(dc_, TRANSPARENT);
  SetTextColor(dc_, Ref(font_.Color));
  RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
  std::u16string copy(text);  // the call may write into the text with some formats
  const int height = ::DrawTextW(dc_, reinterpret_cast<LPWSTR>(copy.data()),
                                 static_cast<int>(copy.size()), &r, format);
  rect = TRect{r.left, r.top, r.right, r.bottom};
  GdiFlush();
  return height;
}

void TSeGdiCanvas::CopyBitmap(const TSeBitmap& source, const TRect& dest, const TRect& src) {
  if (HDC from = SourceDC(source)) Blit(dc_, dest, from, src);
}

void TSeGdiCanvas::CopyDeviceCopy(const TSeBitmap& source, const TRect& dest, const TRect& src) {
  auto copy = static_cast<HBITMAP>(source.Surface().NativeDeviceCopy());
  if (!copy) return;
  const Handles::CreatedDC from = Handles::CreatedDC::Compatible(dc_);
  const Handles::SelectedObject selected(from.Get(), copy);
  Blit(dc_, dest, from.Get(), src);
}

bool TSeGdiCanvas::TransparentBlit(const TSeBitmap& source, const TRect& dest, const TRect& src,
                                   std::uint32_t keyColor) {
  const TransparentBltFn fn = TransparentBltFunction();
  HDC from = SourceDC(source);
  if (!fn || !from) return false;
  // The key is a pixel value 0x00RRGGBB; the call wants a COLORREF 0x00BBGGRR.
  const UINT key = RGB((keyColor >> 16) & 0xFF, (keyColor >> 8) & 0xFF, keyColor & 0xFF);
  const BOOL done = fn(dc_, dest.Left, dest.Top, RectWidth(dest), RectHeight(dest), from, src.Left,
                       src.Top, RectWidth(src), RectHeight(src), key);
  GdiFlush();
  return done != FALSE;
}

void TSeGdiCanvas::ReadArea(const TRect& area, TSeBitmap& target) {
  if (HDC to = SourceDC(target)) {
    BitBlt(to, 0, 0, target.Width(), target.Height(), dc_, area.Left, area.Top, SRCCOPY);
    GdiFlush();
  }
}

void TSeGdiCanvas::SetClipRect(const TRect* rect) {
  if (!rect) {
    SelectClipRgn(dc_, nullptr);
    return;
  }
  // Clip regions are in device units: move by the origin.
  const Handles::Region region(CreateRectRgn(rect->Left + origin_.X, rect->Top + origin_.Y,
                                             rect->Right + origin_.X, rect->Bottom + origin_.Y));
  SelectClipRgn(dc_, region.Get());
}

void TSeGdiCanvas::SetOrigin(TPoint origin) {
  origin_ = origin;
  SetViewportOrgEx(dc_, origin.X, origin.Y, nullptr);
}
