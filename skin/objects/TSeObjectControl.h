#pragma once

#include <cstdint>

#include "skin/objects/Geometry.h"
#include "skin/objects/TSeCanvas.h"

class TSeSkinObject;
class TSeSkinFormActions;

enum class TSeBiDiMode : std::uint8_t {
  bdLeftToRight,
  bdRightToLeft,
  bdRightToLeftNoAlign,
  bdRightToLeftReadingOnly
};

// The window control that shows a skin object tree, as the tree sees it. The platform side
// answers with real messages (SE_OBJECTCHANGED, SE_GETSKINFORM) and the real window; keeping it
// abstract lets the tree stay portable and testable without a window.
class TSeObjectControl {
 public:
  virtual ~TSeObjectControl() = default;
  // Asks the window to repaint the object (SE_OBJECTCHANGED).
  virtual void ObjectChanged(TSeSkinObject* object) = 0;
  // The frame component that skins the window (SE_GETSKINFORM), or none.
  virtual TSeSkinFormActions* SkinForm() = 0;
  virtual TSeBiDiMode BiDiMode() const = 0;
  // Whether the system locale reads right to left at all.
  virtual bool LocaleIsRightToLeft() const { return false; }
  // Paints the window's icon (form icon, else application icon, else the standard one) with
  // its top-left corner at x, y; false when the control is not a form.
  virtual bool DrawWindowIcon(TSeCanvas& canvas, std::int32_t x, std::int32_t y) = 0;
  virtual TPoint ClientToScreen(TPoint point) const { return point; }
  // Shows the application's hint window at a screen position.
  virtual void ActivateHint(TPoint screen) = 0;
};
