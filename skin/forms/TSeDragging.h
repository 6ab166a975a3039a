#pragma once

#include "framework/core/TPropertyBuilder.h"
#include "skin/forms/SkinFormTypes.h"

// Whether the caption moves the window and the borders size it, and whether the window
// follows the mouse (full drag) or an outline does until the button is released.
class TSeDragging : public TPersistent {
  QM_CLASS(TSeDragging, TPersistent)

 public:
  static void DeclareProperties(TPropertyBuilder<TSeDragging>& p);
  void Assign(const TPersistent* source) override;

  bool Moveable() const { return moveable_; }
  void SetMoveable(bool value) { moveable_ = value; }
  bool Sizeable() const { return sizeable_; }
  void SetSizeable(bool value) { sizeable_ = value; }
  TSeFormDragMode DragMode() const { return dragMode_; }
  void SetDragMode(TSeFormDragMode value) { dragMode_ = value; }

 private:
  bool moveable_ = true;
  bool sizeable_ = true;
  TSeFormDragMode dragMode_ = TSeFormDragMode::kfdmFullDrag;
};
