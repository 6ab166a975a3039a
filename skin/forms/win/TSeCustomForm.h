#pragma once

#include <windows.h>

#include "framework/ui/Messages.h"
#include "skin/SkinMessages.h"
#include "skin/forms/win/TSeHook.h"

// The frame of a top-level window, drawn by the program: a hook on its owner window that
// answers the non-client messages itself.
class TSeCustomForm : public TSeHook {
  QM_CLASS(TSeCustomForm, TSeHook)
  // clang-format off
  QM_MESSAGE_TABLE(TSeCustomForm, TSeHook,
    QM_MESSAGE(WM_ERASEBKGND, WMEraseBkgnd))
  // clang-format on

 public:
  explicit TSeCustomForm(TComponent* owner);
  ~TSeCustomForm() override;

  // Paints the client background into dc, whose origin is the window's client origin: the
  // whole client area when request is none or its flag is 1, else the request's rectangle.
  // Transparent controls ask for what lies under them this way (or send WM_ERASEBKGND with a
  // TSeBackgroundRequest in lParam to the window).
  void EraseBackground(HDC dc, const TSeBackgroundRequest* request);

 protected:
  virtual void PaintClientBackground(HDC dc);
  RECT ClientRect() const;

  void WMEraseBkgnd(TMessage& message);
};
