#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "skin/objects/Geometry.h"
#include "skin/objects/SeColor.h"
#include "skin/objects/TSeFont.h"

class TSeBitmap;

// Draw-text format bits; the values are the platform's, so they pass straight through (the
// platform canvas checks that they match). The names differ from the platform's because those
// are macros wherever <windows.h> is seen.
namespace SeTextFormat {
inline constexpr std::uint32_t tfTop = 0x0;
inline constexpr std::uint32_t tfLeft = 0x0;
inline constexpr std::uint32_t tfCenter = 0x1;
inline constexpr std::uint32_t tfRight = 0x2;
inline constexpr std::uint32_t tfVCenter = 0x4;
inline constexpr std::uint32_t tfBottom = 0x8;
inline constexpr std::uint32_t tfWordBreak = 0x10;
inline constexpr std::uint32_t tfSingleLine = 0x20;
inline constexpr std::uint32_t tfCalcRect = 0x400;
inline constexpr std::uint32_t tfNoPrefix = 0x800;
inline constexpr std::uint32_t tfRtlReading = 0x20000;
}  // namespace SeTextFormat

// Where skin drawing meets the platform. All coordinates are logical: the origin is added and
// the clip rectangle applied by the canvas. On Windows this is GDI on a device context; on the
// host it writes into a TSeBitmap's memory (text there is drawn as one solid box per visible
// character with fixed metrics, enough to test layout and rotation).
class TSeCanvas {
 public:
  TSeCanvas() = default;
  TSeCanvas(const TSeCanvas&) = delete;
  TSeCanvas& operator=(const TSeCanvas&) = delete;
  virtual ~TSeCanvas() = default;

  virtual void FillRect(const TRect& rect, TColor color) = 0;
  // One-pixel outline inside the rectangle.
  virtual void FrameRect(const TRect& rect, TColor color) = 0;
  // A one-pixel line from one point to the other, the end point left out.
  virtual void Line(TPoint from, TPoint to, TColor color) = 0;
  // Fills with an 8 x 8 pattern (row-major colours) aligned to the device's origin.
  virtual void FillPattern(const TRect& rect, const TColor (&pattern)[64]) = 0;

  virtual void SetFont(const TSeFont& font) = 0;
  virtual const TSeFont& Font() const = 0;
  virtual TSize TextExtent(std::u16string_view text) = 0;
  // Draws (or with tfCalcRect only measures, updating rect) transparently in the font's
  // colour; returns the text height.
  virtual int DrawText(std::u16string_view text, TRect& rect, std::uint32_t format) = 0;

  // Copies source's rectangle to dest, scaled by nearest pixel when the sizes differ.
  virtual void CopyBitmap(const TSeBitmap& source, const TRect& dest, const TRect& src) = 0;
  // The same from the bitmap's device copy; nothing when it has none.
  virtual void CopyDeviceCopy(const TSeBitmap& source, const TRect& dest, const TRect& src) = 0;
  // The system's transparent blit; false when the system has none (the caller then masks).
  virtual bool TransparentBlit(const TSeBitmap& source, const TRect& dest, const TRect& src,
                               std::uint32_t keyColor) = 0;
  // Copies the canvas area into target's top-left corner (target is already sized).
  virtual void ReadArea(const TRect& area, TSeBitmap& target) = 0;

  // Limits drawing to rect (logical); an empty optional lifts the limit.
  virtual void SetClipRect(const TRect* rect) = 0;
  virtual TPoint Origin() const = 0;
  virtual void SetOrigin(TPoint origin) = 0;
};

// A canvas that draws on the bitmap itself (its memory context on Windows).
std::unique_ptr<TSeCanvas> CreateBitmapCanvas(TSeBitmap& bitmap);
