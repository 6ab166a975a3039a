#pragma once

// Typed readers for the packed parameters of the position, size and non-client messages, so a
// handler never unpacks them by hand. Screen coordinates are signed 16-bit halves: on a
// monitor left of or above the primary one they are negative, which LOWORD/HIWORD would turn
// into large positive numbers.

#include <windows.h>

#include "framework/ui/Messages.h"

namespace MessageParams {

// A point packed as two signed 16-bit halves, x low: the lParam of the mouse and WM_NCHITTEST
// messages (client or screen coordinates) and the offset some private messages pack.
inline POINT Point(LPARAM packed) {
  const auto bits = static_cast<DWORD>(packed);
  return POINT{static_cast<SHORT>(LOWORD(bits)), static_cast<SHORT>(HIWORD(bits))};
}
inline POINT Point(const TMessage& message) {
  return Point(message.LParam);
}

// The hit-test code of the non-client mouse messages (wParam): HTCAPTION, HTLEFT, ...; the
// error codes below zero keep their sign.
inline int HitTest(const TMessage& message) {
  return static_cast<int>(static_cast<INT_PTR>(message.WParam));
}

// WM_NCCALCSIZE. With wParam set, lParam is the full parameter block (proposed window rectangle
// first, then the old ones and the window position); with it clear, just the proposed
// rectangle. Either way the first rectangle is where the client area is answered.
inline NCCALCSIZE_PARAMS* CalcSizeParams(const TMessage& message) {
  return message.WParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam) : nullptr;
}
inline RECT& CalcSizeRect(const TMessage& message) {
  return *reinterpret_cast<RECT*>(message.LParam);
}

// WM_WINDOWPOSCHANGING and WM_WINDOWPOSCHANGED.
inline WINDOWPOS& WindowPos(const TMessage& message) {
  return *reinterpret_cast<WINDOWPOS*>(message.LParam);
}

// WM_SIZE: SIZE_RESTORED, SIZE_MINIMIZED, SIZE_MAXIMIZED, ... and the new client size.
struct TSizeParams {
  UINT Type;
  int Width;
  int Height;
};
inline TSizeParams Size(const TMessage& message) {
  const auto bits = static_cast<DWORD>(message.LParam);
  return TSizeParams{static_cast<UINT>(message.WParam), LOWORD(bits), HIWORD(bits)};
}

// WM_GETMINMAXINFO.
inline MINMAXINFO& MinMaxInfo(const TMessage& message) {
  return *reinterpret_cast<MINMAXINFO*>(message.LParam);
}

// WM_SYSCOMMAND: the command without the four low bits the system uses itself.
inline UINT SysCommand(const TMessage& message) {
  return static_cast<UINT>(message.WParam) & 0xFFF0u;
}

}  // namespace MessageParams
