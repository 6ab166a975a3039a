#pragma once

// The platform's multi-line edit (the framework's memo: text, lines, selection, clipboard and
// its own scroll bars stay the platform's) with its border painted by the library and its two
// platform scroll bars covered by drawn bars that follow and drive them. Its background is its
// Color: the platform paints it, the text opaque over it.

#include <windows.h>

#include <memory>

#include "framework/ui/TMemo.h"
#include "skin/controls/win/TSeSubScrollBar.h"

class TSeCustomMemo : public TMemo {
  QM_CLASS(TSeCustomMemo, TMemo)
  // clang-format off
  QM_MESSAGE_TABLE(TSeCustomMemo, TMemo,
    QM_MESSAGE(WM_NCPAINT, WMNCPaint)
    QM_MESSAGE(WM_THEMECHANGED, WMThemeChanged)
    QM_MESSAGE(CM_MOUSEENTER, CMMouseEnter)
    QM_MESSAGE(CM_MOUSELEAVE, CMMouseLeave)
    QM_MESSAGE(CM_ENABLEDCHANGED, CMEnabledChanged)
    QM_MESSAGE(CM_ENTER, CMFocusMoved)
    QM_MESSAGE(CM_EXIT, CMFocusMoved))
  // clang-format on

 public:
  explicit TSeCustomMemo(TComponent* owner);
  ~TSeCustomMemo() override;
  static void DeclareProperties(TPropertyBuilder<TSeCustomMemo>&) {}

  // The covering bars (made on first use: the scroll bar in them is the class's choice).
  TSeSubScrollBar& ScrollBarCover();
  bool Hot() const { return hot_; }

  void SetParent(TWinControl* parent) override;
  void WndProc(TMessage& message) override;

 protected:
  // The drawn scroll bar inside each covering bar.
  virtual TSeCustomScrollBar* CreateScrollBarControl();
  // The border over rect of the window's DC (the client area is clipped out): visual styles'
  // "Edit" when they are active, classic edges otherwise.
  virtual void PaintBorder(HDC dc, const RECT& rect);
  // Paints the border again (after a change of the state it shows).
  void RedrawBorder();

  void WMNCPaint(TMessage& message);
  void WMThemeChanged(TMessage& message);
  void CMMouseEnter(TMessage& message);
  void CMMouseLeave(TMessage& message);
  void CMEnabledChanged(TMessage& message);
  void CMFocusMoved(TMessage& message);

 private:
  std::unique_ptr<TSeSubScrollBar> cover_;
  bool hot_ = false;
};
