#pragma once

// Every message number of the skin library, in the application's range, in one place: the
// engine's announcements, what skin objects ask of their window, and the frame's private
// messages. Portable (plain numbers): skin objects, the engine, the frame, the controls and the
// framework's users all read them from here.

#include <cstdint>

// The engine's change announcements; both carry the engine as wParam and lParam. A client
// ignores them unless lParam is its own engine. On the first it drops its copy of the skin, on
// the second it binds again and repaints.
inline constexpr std::uint32_t SE_BEFORECHANGE = 0x06A7;
inline constexpr std::uint32_t SE_AFTERCHANGE = 0x06A6;

// Sent by a skin object to the window that shows it. SE_OBJECTCHANGED: lParam is the object,
// whose look changed; the window repaints it. SE_GETSKINFORM: answered with the frame component
// that skins the window (or 0).
inline constexpr std::uint32_t SE_OBJECTCHANGED = 0x0849;
inline constexpr std::uint32_t SE_GETSKINFORM = 0x084A;

// The frame's own messages to its window.
// The notification-area icon's callback message.
inline constexpr std::uint32_t SE_TRAYNOTIFY = 0x056C;
// Posted after the window's text changed behind the frame's back: the caption style comes back
// (wParam 13) and the frame repaints.
inline constexpr std::uint32_t SE_RESTORECAPTION = 0x056D;
// Posted by an MDI child being activated while a sibling is maximized: maximize this one too.
inline constexpr std::uint32_t SE_MAXIMIZECHILD = 0x056E;
// Posted after loading to apply the stored window state (wParam).
inline constexpr std::uint32_t SE_APPLYSTATE = 0x056F;
// Sent to a window: draw the frame and the client background on the DC in lParam, the origin
// moved by the offset packed in wParam (x low, y high, signed).
inline constexpr std::uint32_t SE_PAINTFRAME = 0xB1C8;

// To the hook list's utility window; lParam is a hook record. SE_REHOOK: install it again (its
// window was destroyed and may come back). SE_FREEHOOK: free it if it has no clients left.
inline constexpr std::uint32_t SE_REHOOK = 0xB0DE;
inline constexpr std::uint32_t SE_FREEHOOK = 0xB0DF;

// The lParam of a WM_ERASEBKGND that asks a parent for the background under a transparent
// control: a flag byte 1, then the control's bounds in the parent. A parent that finds flag 1
// paints that part of its background into the DC it is given (a frame paints its client
// background there; a transparent windowed parent forwards a request of its own further up).
#pragma pack(push, 1)
struct TSeBackgroundRequest {
  std::uint8_t Flag = 1;
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
};
#pragma pack(pop)
static_assert(sizeof(TSeBackgroundRequest) == 17, "one flag byte and four 32-bit values");
