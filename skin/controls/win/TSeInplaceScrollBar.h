#pragma once

// A small window laid exactly over one of the platform's scroll bars of another control (the
// covered control), showing a drawn scroll bar in its place. It mirrors the platform bar's
// place, range, page and position (Sync) and turns what the user does on the drawn bar into the
// platform's scroll messages for the covered control. The covered control hands it every
// message it receives (ControlMessage); it sits beside the covered control in the same parent.

#include <windows.h>

#include "framework/ui/TWinControl.h"
#include "skin/controls/win/TSeCustomScrollBar.h"

class TSeInplaceScrollBar : public TWinControl {
  QM_CLASS(TSeInplaceScrollBar, TWinControl)
  // clang-format off
  QM_MESSAGE_TABLE(TSeInplaceScrollBar, TWinControl,
    QM_MESSAGE(WM_ERASEBKGND, WMEraseBkgnd))
  // clang-format on

 public:
  // bar: the drawn scroll bar this window holds and fills (taken over; the window frees it).
  TSeInplaceScrollBar(TWinControl& covered, TScrollBarKind kind, TSeCustomScrollBar* bar);
  static void DeclareProperties(TPropertyBuilder<TSeInplaceScrollBar>&) {}

  TSeCustomScrollBar& Bar() { return *bar_; }
  TScrollBarKind Kind() const { return kind_; }
  // Follows the platform bar: hidden while it is, otherwise over it with its range and position.
  void Sync();
  // A message the covered control has received (after the control's own handling).
  void ControlMessage(const TMessage& message);

 private:
  void WMEraseBkgnd(TMessage& message);
  void BarScroll(TObject* sender, TScrollCode code, std::int32_t& position);
  // Keeps this window above the covered one, which may have been created again since.
  void KeepAbove(HWND covered);

  TWinControl& covered_;
  TScrollBarKind kind_;
  TSeCustomScrollBar* bar_;
};
