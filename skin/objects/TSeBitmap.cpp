#include "skin/objects/TSeBitmap.h"

#include <cstdlib>
#include <vector>

#include "skin/objects/ESeBitmapError.h"
#include "skin/objects/SeHue.h"
#include "skin/objects/SkinString.h"
#include "skin/objects/TSeBitmapLink.h"

using namespace SeBitmapMessages;

namespace {

bool maskFallbackForced = false;

// The largest picture a 32-bit device-independent section can hold.
constexpr std::int64_t kMaxPixels = 0x7FFFFFFF / 4;

}  // namespace

std::uint32_t BlendPixel(std::uint32_t s, std::uint32_t d) {
  const std::uint32_t a = s >> 24;
  if (a == 255) return s;
  if (a == 0) return d;
  const std::uint32_t na = 255 - a;
  // Two channels per multiplication: each product stays below 2^16, so they do not mix.
  const std::uint32_t sRB = (((s & 0x00FF00FF) * a + 0x00800080) >> 8) & 0x00FF00FF;
  const std::uint32_t sAG = ((((s >> 8) & 0x00FF00FF) * a + 0x00800080) >> 8) & 0x00FF00FF;
  const std::uint32_t dRB = (((d & 0x00FF00FF) * na + 0x00800080) >> 8) & 0x00FF00FF;
  const std::uint32_t dAG = ((((d >> 8) & 0x00FF00FF) * na + 0x00800080) >> 8) & 0x00FF00FF;
  return (sRB + dRB) | ((sAG + dAG) << 8);
}

TSeBitmap::TSeBitmap() = default;

TSeBitmap::~TSeBitmap() {
  ReleaseSurface();
}

void TSeBitmap::SetMaskFallbackForced(bool forced) {
  maskFallbackForced = forced;
}
bool TSeBitmap::MaskFallbackForced() {
  return maskFallbackForced;
}

void TSeBitmap::ReleaseSurface() {
  if (pixels_ && OnFree) OnFree(*this);
  surface_.Release();
  pixels_ = nullptr;
  width_ = 0;
  height_ = 0;
}

void TSeBitmap::SetSize(std::int32_t width, std::int32_t height) {
  // Widen first: negating the smallest int32 would overflow.
  const std::int64_t w = std::llabs(width), h = std::llabs(height);
  if (w == 0 || h == 0 || (w == width_ && h == height_)) return;
  try {
    ReleaseSurface();
    if (w * h > kMaxPixels) throw ESeBitmapError(SDIBHandle);
    pixels_ = surface_.Create(static_cast<std::int32_t>(w), static_cast<std::int32_t>(h));
    width_ = static_cast<std::int32_t>(w);
    height_ = static_cast<std::int32_t>(h);
  } catch (...) {
    pixels_ = nullptr;
    width_ = height_ = 0;
    if (OnChange) OnChange(*this);
    throw;
  }
  if (OnChange) OnChange(*this);
}

std::uint32_t TSeBitmap::Pixel(std::int32_t x, std::int32_t y) const {
  if (IsEmpty() || x < 0 || y < 0 || x >= width_ || y >= height_) return 0xFF000000u;
  return Scanline(y)[x];
}

void TSeBitmap::SetPixel(std::int32_t x, std::int32_t y, std::uint32_t value) {
  if (IsEmpty() || x < 0 || y < 0 || x >= width_ || y >= height_) return;
  Scanline(y)[x] = value;
}

void TSeBitmap::Fill(std::uint32_t value) {
  const std::size_t n = std::size_t(width_) * std::size_t(height_);
  for (std::size_t i = 0; i < n; ++i) pixels_[i] = value;
}

void TSeBitmap::ReplaceColor(TColor color) {
  const TColor rgb = ColorToRGB(color);
  const int r = RedOf(rgb), g = GreenOf(rgb), b = BlueOf(rgb);
  const std::size_t n = std::size_t(width_) * std::size_t(height_);
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint32_t p = pixels_[i];
    if (std::abs(int((p >> 16) & 0xFF) - r) < 6 && std::abs(int((p >> 8) & 0xFF) - g) < 6 &&
        std::abs(int(p & 0xFF) - b) < 6)
      pixels_[i] = kSeKeyColor;
  }
}

void TSeBitmap::SetAlpha(std::uint8_t alpha) {
  SetAlphaRect(alpha, BoundsRect());
}

void TSeBitmap::SetAlphaRect(std::uint8_t alpha, const TRect& rect) {
  const TRect r = IntersectRect(rect, BoundsRect());
  const std::uint32_t a = std::uint32_t{alpha} << 24;
  for (std::int32_t y = r.Top; y < r.Bottom; ++y) {
    std::uint32_t* row = Scanline(y);
    for (std::int32_t x = r.Left; x < r.Right; ++x) row[x] = (row[x] & 0x00FFFFFF) | a;
  }
}

void TSeBitmap::FillRect(const TRect& rect, std::uint32_t value) {
  const TRect r = IntersectRect(rect, BoundsRect());
  for (std::int32_t y = r.Top; y < r.Bottom; ++y) {
    std::uint32_t* row = Scanline(y);
    for (std::int32_t x = r.Left; x < r.Right; ++x)
      row[x] = AlphaBlend ? BlendPixel(value, row[x]) : value;
  }
}

void TSeBitmap::Draw(TSeCanvas& canvas, std::int32_t x, std::int32_t y, bool masked) const {
  StretchDraw(canvas, Bounds(x, y, width_, height_), masked, BoundsRect());
}

void TSeBitmap::DrawRect(TSeCanvas& canvas, std::int32_t x, std::int32_t y, bool masked,
                         const TRect& source) const {
  StretchDraw(canvas, Bounds(x, y, RectWidth(source), RectHeight(source)), masked, source);
}

void TSeBitmap::StretchDraw(TSeCanvas& canvas, const TRect& dest, bool masked,
                            const TRect& source) const {
  if (IsEmpty() || IsRectEmpty(dest) || IsRectEmpty(source)) return;
  if (masked)
    MaskedStretch(canvas, dest, source);
  else
    canvas.CopyBitmap(*this, dest, source);
}

TSeBitmap::TKeyPixels TSeBitmap::KeyPixelsIn(const TRect& source) const {
  const TRect r = IntersectRect(source, BoundsRect());
  TKeyPixels found = TKeyPixels::kNone;
  for (std::int32_t y = r.Top; y < r.Bottom; ++y) {
    const std::uint32_t* row = Scanline(y);
    for (std::int32_t x = r.Left; x < r.Right; ++x) {
      if ((row[x] & 0x00FFFFFF) != kSeKeyRGB) continue;
      if (row[x] != kSeKeyColor) return TKeyPixels::kWithAlpha;
      found = TKeyPixels::kClear;
    }
  }
  return found;
}

void TSeBitmap::MaskedStretch(TSeCanvas& canvas, const TRect& dest, const TRect& source) const {
  const TKeyPixels keys = KeyPixelsIn(source);
  // Nothing to leave out: a plain copy is the same picture, and much cheaper than a keyed one.
  if (keys == TKeyPixels::kNone && IntersectRect(source, BoundsRect()) == source) {
    canvas.CopyBitmap(*this, dest, source);
    return;
  }
  // Some systems' blit (Wine's) compares whole pixels, alpha included; key pixels that carry
  // alpha would then show, so those pictures take the hand mask.
  if (!maskFallbackForced && keys != TKeyPixels::kWithAlpha &&
      canvas.TransparentBlit(*this, dest, source, kSeKeyColor))
    return;
  // No system blit: mask by hand in a copy of the destination area.
  const TRect src = IntersectRect(source, BoundsRect());
  if (IsRectEmpty(src) || IsRectEmpty(dest)) return;
  const std::int32_t dw = RectWidth(dest), dh = RectHeight(dest);
  const std::int32_t sw = RectWidth(src), sh = RectHeight(src);
  TSeBitmap area;
  area.SetSize(dw, dh);
  canvas.ReadArea(dest, area);
  const std::int64_t stepX = std::int64_t{sw} * 65536 / dw;
  const std::int64_t stepY = std::int64_t{sh} * 65536 / dh;
  const bool same = sw == dw && sh == dh;
  for (std::int32_t y = 0; y < dh; ++y) {
    const std::int32_t sy = src.Top + (same ? y : static_cast<std::int32_t>((y * stepY) >> 16));
    const std::uint32_t* from = Scanline(sy);
    std::uint32_t* to = area.Scanline(y);
    for (std::int32_t x = 0; x < dw; ++x) {
      const std::int32_t sx = src.Left + (same ? x : static_cast<std::int32_t>((x * stepX) >> 16));
      const std::uint32_t p = from[sx];
      if ((p & 0x00FFFFFF) != kSeKeyRGB) to[x] = p;
    }
  }
  canvas.CopyBitmap(area, dest, area.BoundsRect());
}

void TSeBitmap::TileDraw(TSeCanvas& canvas, const TRect& dest, bool masked,
                         const TRect& source) const {
  const std::int32_t sw = RectWidth(source), sh = RectHeight(source);
  if (sw <= 0 || sh <= 0) return;
  const std::int32_t dw = RectWidth(dest), dh = RectHeight(dest);
  if (dw <= 0 || dh <= 0) return;
  const std::int32_t columns = dw / sw + (dw % sw ? 1 : 0);
  const std::int32_t rows = dh / sh + (dh % sh ? 1 : 0);
  for (std::int32_t c = 0; c < columns; ++c) {
    for (std::int32_t r = 0; r < rows; ++r) {
      const TRect tile = IntersectRect(Bounds(dest.Left + c * sw, dest.Top + r * sh, sw, sh), dest);
      if (IsRectEmpty(tile)) break;
      // A cut tile shows the beginning of the source, unscaled.
      const TRect part = Bounds(source.Left, source.Top, RectWidth(tile), RectHeight(tile));
      if (masked)
        StretchDraw(canvas, tile, true, part);
      else
        DeviceDraw(canvas, tile, part);
    }
  }
}

void TSeBitmap::DeviceDraw(TSeCanvas& canvas, const TRect& dest, const TRect& source) const {
  if (!HasDeviceCopy() || IsRectEmpty(dest) || IsRectEmpty(source)) return;
  canvas.CopyDeviceCopy(*this, dest, source);
}

void TSeBitmap::AlphaDrawTo(TSeBitmap& target, std::int32_t x, std::int32_t y,
                            const TRect& source) const {
  AlphaStretchTo(target, Bounds(x, y, RectWidth(source), RectHeight(source)), source);
}

void TSeBitmap::AlphaStretchTo(TSeBitmap& target, const TRect& dest, const TRect& source) const {
  if (IsEmpty() || target.IsEmpty() || IsRectEmpty(dest) || IsRectEmpty(source)) return;
  const TRect area = IntersectRect(dest, target.BoundsRect());
  const std::int64_t sw = RectWidth(source), sh = RectHeight(source);
  const std::int64_t dw = RectWidth(dest), dh = RectHeight(dest);
  for (std::int32_t ty = area.Top; ty < area.Bottom; ++ty) {
    const auto sy = static_cast<std::int32_t>(source.Top + (ty - dest.Top) * sh / dh);
    if (sy < 0 || sy >= height_) continue;
    const std::uint32_t* from = Scanline(sy);
    std::uint32_t* to = target.Scanline(ty);
    for (std::int32_t tx = area.Left; tx < area.Right; ++tx) {
      const auto sx = static_cast<std::int32_t>(source.Left + (tx - dest.Left) * sw / dw);
      if (sx < 0 || sx >= width_) continue;
      to[tx] = AlphaBlend ? BlendPixel(from[sx], to[tx]) : from[sx];
    }
  }
}

void TSeBitmap::Underlay(const TSeBitmap& source, std::int32_t x, std::int32_t y,
                         const TRect& rect) {
  const TRect r = IntersectRect(rect, source.BoundsRect());
  for (std::int32_t sy = r.Top; sy < r.Bottom; ++sy) {
    const std::int32_t ty = y + sy - rect.Top;
    if (ty < 0 || ty >= height_) continue;
    const std::uint32_t* from = source.Scanline(sy);
    std::uint32_t* to = Scanline(ty);
    for (std::int32_t sx = r.Left; sx < r.Right; ++sx) {
      const std::int32_t tx = x + sx - rect.Left;
      if (tx < 0 || tx >= width_) continue;
      to[tx] = BlendPixel(to[tx], from[sx]);
    }
  }
}

void TSeBitmap::UpdateDeviceCopy() {
  if (IsEmpty()) return;
  surface_.UpdateDeviceCopy(pixels_, width_, height_);
}

std::unique_ptr<TSeBitmapLink> TSeBitmap::CreateLink(const TRect& rect) {
  auto link = std::make_unique<TSeBitmapLink>();
  link->SetImage(this);
  link->SetName(Name);
  link->SetRect(rect);
  return link;
}

void TSeBitmap::ChangeHue(int delta) {
  const std::size_t n = std::size_t(width_) * std::size_t(height_);
  // Skins paint in runs of one colour: remember the last answer.
  std::uint32_t lastIn = 0, lastOut = ShiftHuePixel(0, delta);
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint32_t p = pixels_[i];
    if ((p >> 24) == 0) continue;
    if ((p & 0x00FFFFFF) != lastIn) {
      lastIn = p & 0x00FFFFFF;
      lastOut = ShiftHuePixel(p, delta);
    }
    pixels_[i] = lastOut;
  }
  UpdateDeviceCopy();
}

void TSeBitmap::LoadFromStream(TStream& stream) {
  Name = ReadSkinString(stream);
  const std::int32_t w = stream.ReadInt32();
  const std::int32_t h = stream.ReadInt32();
  if (w < 0 || h < 0 || std::int64_t{w} * h > kMaxPixels)
    throw EReadError(FrameworkMessages::SInvalidImage);
  if (w == 0 || h == 0) return;  // no pixel bytes follow
  // Read before allocating, so a size the stream cannot back costs nothing.
  std::string bytes;
  ReadGrowing(stream, bytes, std::int64_t{w} * h * 4);
  SetSize(w, h);
  if (width_ != w || height_ != h) return;
  const auto* b = reinterpret_cast<const std::uint8_t*>(bytes.data());
  const std::size_t n = std::size_t(w) * std::size_t(h);
  for (std::size_t i = 0; i < n; ++i, b += 4)
    pixels_[i] = std::uint32_t{b[0]} | (std::uint32_t{b[1]} << 8) | (std::uint32_t{b[2]} << 16) |
                 (std::uint32_t{b[3]} << 24);
}

void TSeBitmap::SaveToStream(TStream& stream) const {
  WriteSkinString(stream, Name);
  stream.WriteInt32(width_);
  stream.WriteInt32(height_);
  std::vector<std::uint8_t> row(std::size_t(width_) * 4);
  for (std::int32_t y = 0; y < height_; ++y) {
    const std::uint32_t* from = Scanline(y);
    for (std::int32_t x = 0; x < width_; ++x) {
      const std::uint32_t p = from[x];
      row[std::size_t(x) * 4 + 0] = static_cast<std::uint8_t>(p);
      row[std::size_t(x) * 4 + 1] = static_cast<std::uint8_t>(p >> 8);
      row[std::size_t(x) * 4 + 2] = static_cast<std::uint8_t>(p >> 16);
      row[std::size_t(x) * 4 + 3] = static_cast<std::uint8_t>(p >> 24);
    }
    stream.WriteBuffer(row.data(), row.size());
  }
}
