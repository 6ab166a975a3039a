#include "skin/forms/TSeDragging.h"

void TSeDragging::DeclareProperties(TPropertyBuilder<TSeDragging>& p) {
  p.Boolean("Moveable", &TSeDragging::Moveable, &TSeDragging::SetMoveable).Default(true);
  p.Boolean("Sizeable", &TSeDragging::Sizeable, &TSeDragging::SetSizeable).Default(true);
  p.Enum("DragMode", SeFormDragModeInfo(), &TSeDragging::DragMode, &TSeDragging::SetDragMode)
      .Default(TSeFormDragMode::kfdmFullDrag);
}

void TSeDragging::Assign(const TPersistent* source) {
  if (const auto* other = ObjectAs<TSeDragging>(source)) {
    moveable_ = other->moveable_;
    sizeable_ = other->sizeable_;
    dragMode_ = other->dragMode_;
    return;
  }
  Inherited::Assign(source);
}
