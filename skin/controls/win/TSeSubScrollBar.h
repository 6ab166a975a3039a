#pragma once

// The drawn bars that cover a control's two platform scroll bars: one in-place bar for the
// vertical, one for the horizontal. They live in the covered control's parent, beside it; the
// covered control hands this every message it receives and tells it when its parent changes.

#include <functional>

#include "framework/core/TComponent.h"
#include "skin/controls/win/TSeInplaceScrollBar.h"

class TSeSubScrollBar : public TComponent {
  QM_CLASS(TSeSubScrollBar, TComponent)

 public:
  // makeBar: the drawn scroll bar each in-place bar holds (the covered control's choice).
  TSeSubScrollBar(TWinControl& covered, const std::function<TSeCustomScrollBar*()>& makeBar);
  ~TSeSubScrollBar() override;
  static void DeclareProperties(TPropertyBuilder<TSeSubScrollBar>&) {}

  // None once the parent that held it has freed it.
  TSeInplaceScrollBar* Vertical() const { return vertical_; }
  TSeInplaceScrollBar* Horizontal() const { return horizontal_; }

  void ControlMessage(const TMessage& message);
  // The covered control's new parent (none detaches both bars).
  void SetParent(TWinControl* parent);
  void Sync();

  void Notification(TComponent* component, TOperation operation) override;

 private:
  TSeInplaceScrollBar* vertical_;
  TSeInplaceScrollBar* horizontal_;
};
