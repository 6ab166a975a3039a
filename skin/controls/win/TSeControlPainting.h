#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "framework/core/TFont.h"
#include "skin/controls/SkinControlTypes.h"
#include "skin/forms/TSeBlending.h"
#include "skin/objects/TSeBitmap.h"

class TCanvas;
class TControl;

// What both control bases share: where a paint goes (Performance), the parent's image behind a
// transparent control (background requests), blending over the parent, the hot flag and the
// paint font. Each base holds one and hands it its paint body; the settings' setters answer
// whether anything changed so the control knows to repaint.
class TSeControlPainting {
 public:
  // windowed: the control has its own window (buffers are filled with the key colour first,
  // and blended controls show the parent's windowless children through them).
  TSeControlPainting(TControl& control, bool windowed);
  TSeControlPainting(const TSeControlPainting&) = delete;
  TSeControlPainting& operator=(const TSeControlPainting&) = delete;

  TSePerformance Performance() const { return performance_; }
  // Unchanged while blending needs a buffer and kspNoBuffer is asked for.
  bool SetPerformance(TSePerformance value);
  bool Transparent() const { return transparent_; }
  bool SetTransparent(bool value);
  TSeBlending& Blending() { return blending_; }
  const TSeBlending& Blending() const { return blending_; }
  // Copies the options; blending forces a buffer.
  void SetBlending(const TSeBlending& value);
  bool MouseInside() const { return mouseInside_; }
  void SetMouseInside(bool value) { mouseInside_ = value; }
  // The control's font as of the start of the current paint.
  TFont& PaintFont() { return paintFont_; }

  // Runs when the blending options change (the control repaints).
  std::function<void()> OnChange;

  // One paint of a width x height control: picks the buffer, points canvas at it, takes the
  // paint font, puts the parent's image behind a transparent control, runs body, blends,
  // copies the buffer to the canvas's DC; the canvas goes back to that DC in every case.
  void Paint(TCanvas& canvas, int width, int height, const std::function<void()>& body);
  // Draws the parent's image behind the control into dc (through a background request).
  void PaintParentBackground(HDC dc, int width, int height);

 private:
  void BlendingChanged();
  // Sends the request to the parent, which paints at the DC's (moved) origin.
  void RequestBackground(HDC dc, bool noBuffer);
  void PaintSiblingGraphics(HDC dc);

  TControl& control_;
  bool windowed_;
  TSePerformance performance_ = TSePerformance::kspNoBuffer;
  bool transparent_ = false;
  TSeBlending blending_;
  bool mouseInside_ = false;
  TFont paintFont_;
  TSeBitmap blendBuffer_;
};

// The one bitmap every control and frame shares for kspSharedBuffer, sized once (the screen
// plus 500 pixels each way) the first time it is needed.
TSeBitmap& SharedBuffer();
void EnsureSharedBufferSize();
