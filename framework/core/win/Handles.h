#pragma once

// Every platform handle the program owns goes through one of these owners. UniqueHandle holds
// the move logic once: an owner is move-only, so a handle has exactly one place that frees it.
// A traits class says what the handle is, what "none" is and how it is freed; traits that need
// more than the handle to free it (the window of a GetDC, the PAINTSTRUCT of a BeginPaint, the
// shared flag of an icon) carry it and move with it. The scoped helpers put back what they
// changed on every path out of a scope, exceptions included.

#include <windows.h>

#include <shellapi.h>

#include <utility>

#include "framework/core/win/TThemeLibrary.h"

namespace Handles {

// Traits: `using Handle`, `static Handle Null()` and a `Close(Handle)` (static or a member of
// the traits object the owner keeps beside the handle).
template <class Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle, Traits traits = Traits()) noexcept
      : handle_(handle), traits_(std::move(traits)) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept
      : handle_(other.Release()), traits_(std::move(other.traits_)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      Traits traits = std::move(other.traits_);
      Reset(other.Release(), std::move(traits));
    }
    return *this;
  }
  ~UniqueHandle() { Reset(); }

  Handle Get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return !(handle_ == Traits::Null()); }
  const Traits& GetTraits() const noexcept { return traits_; }

  // Gives the handle up without freeing it (a window that takes a region owns it then).
  [[nodiscard]] Handle Release() noexcept { return std::exchange(handle_, Traits::Null()); }
  // Frees the handle held (unless it is the one given) and holds the new one.
  void Reset(Handle handle = Traits::Null()) noexcept { Reset(handle, Traits(traits_)); }
  void Reset(Handle handle, Traits traits) noexcept {
    const Handle old = std::exchange(handle_, handle);
    Traits oldTraits = std::exchange(traits_, std::move(traits));
    if (!(old == Traits::Null()) && !(old == handle)) oldTraits.Close(old);
  }

 private:
  Handle handle_ = Traits::Null();
  [[no_unique_address]] Traits traits_{};
};

// GDI objects, freed with DeleteObject.
template <class H>
struct GdiObjectTraits {
  using Handle = H;
  static Handle Null() { return nullptr; }
  static void Close(Handle handle) { DeleteObject(handle); }
};
using Bitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using Brush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using Pen = UniqueHandle<GdiObjectTraits<HPEN>>;
using Font = UniqueHandle<GdiObjectTraits<HFONT>>;
using Region = UniqueHandle<GdiObjectTraits<HRGN>>;

// A memory or created device context, freed with DeleteDC.
struct CreatedDCTraits {
  using Handle = HDC;
  static Handle Null() { return nullptr; }
  static void Close(Handle dc) { DeleteDC(dc); }
};
class CreatedDC : public UniqueHandle<CreatedDCTraits> {
 public:
  using UniqueHandle::UniqueHandle;
  static CreatedDC Compatible(HDC with) { return CreatedDC(CreateCompatibleDC(with)); }
};

// A window's device context from GetDC or GetWindowDC, given back to that window with
// ReleaseDC.
struct WindowDCTraits {
  using Handle = HDC;
  HWND Window = nullptr;
  static Handle Null() { return nullptr; }
  void Close(Handle dc) const { ReleaseDC(Window, dc); }
};
class WindowDC : public UniqueHandle<WindowDCTraits> {
 public:
  WindowDC() = default;
  // The client area's DC; a null window gives the screen's.
  explicit WindowDC(HWND window) : UniqueHandle(GetDC(window), WindowDCTraits{window}) {}
  // The whole window's DC, frame included, for non-client painting.
  static WindowDC Whole(HWND window) {
    WindowDC dc;
    dc.Reset(GetWindowDC(window), WindowDCTraits{window});
    return dc;
  }
};

// The DC of one WM_PAINT: BeginPaint now, EndPaint when the owner goes.
struct PaintDCTraits {
  using Handle = HDC;
  HWND Window = nullptr;
  PAINTSTRUCT Paint{};
  static Handle Null() { return nullptr; }
  void Close(Handle) const { EndPaint(Window, &Paint); }
};
class PaintDC : public UniqueHandle<PaintDCTraits> {
 public:
  PaintDC() = default;
  explicit PaintDC(HWND window) {
    PaintDCTraits traits{window, {}};
    const HDC dc = BeginPaint(window, &traits.Paint);
    Reset(dc, traits);
  }
  const PAINTSTRUCT& Info() const { return GetTraits().Paint; }
};

// An icon, freed with DestroyIcon unless it is shared (LoadIcon, LR_SHARED): those belong to
// the system.
struct IconTraits {
  using Handle = HICON;
  bool Shared = false;
  static Handle Null() { return nullptr; }
  void Close(Handle icon) const {
    if (!Shared) DestroyIcon(icon);
  }
};
using Icon = UniqueHandle<IconTraits>;
inline Icon SharedIcon(HICON icon) {
  return Icon(icon, IconTraits{true});
}

// A window the program made for itself (a utility window), freed with DestroyWindow.
struct WindowTraits {
  using Handle = HWND;
  static Handle Null() { return nullptr; }
  static void Close(Handle window) { DestroyWindow(window); }
};
using Window = UniqueHandle<WindowTraits>;

// A menu not attached to a window or another menu, freed with DestroyMenu (with its submenus).
struct MenuTraits {
  using Handle = HMENU;
  static Handle Null() { return nullptr; }
  static void Close(Handle menu) { DestroyMenu(menu); }
};
using Menu = UniqueHandle<MenuTraits>;

// Visual-style data, closed through uxtheme looked up at run time.
struct ThemeTraits {
  using Handle = HTHEME;
  static Handle Null() { return nullptr; }
  static void Close(Handle theme) {
    if (const auto close = ThemeLibrary().CloseThemeData) close(theme);
  }
};
using Theme = UniqueHandle<ThemeTraits>;
// The theme data of a window for a class list ("WINDOW", "BUTTON"); none without visual styles.
inline Theme OpenTheme(HWND window, const wchar_t* classList) {
  const auto open = ThemeLibrary().OpenThemeData;
  return Theme(open ? open(window, classList) : nullptr);
}

// A notification-area icon, known to the system by its window and identifier; removed with
// NIM_DELETE.
struct TrayIconId {
  HWND Window = nullptr;
  UINT Id = 0;
  bool operator==(const TrayIconId&) const = default;
};
struct TrayIconTraits {
  using Handle = TrayIconId;
  static Handle Null() { return {}; }
  static void Close(Handle icon) {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;  // the size every shell version takes
    data.hWnd = icon.Window;
    data.uID = icon.Id;
    Shell_NotifyIconW(NIM_DELETE, &data);
  }
};
using TrayIcon = UniqueHandle<TrayIconTraits>;
// Adds the icon (NIM_ADD); the owner is empty when the shell refused it.
inline TrayIcon AddTrayIcon(NOTIFYICONDATAW& data) {
  if (!Shell_NotifyIconW(NIM_ADD, &data)) return TrayIcon();
  return TrayIcon(TrayIconId{data.hWnd, data.uID});
}

// Selects an object into a DC and selects the previous one back when it goes; nothing when the
// selection failed. Movable, so a memory DC's owner can keep its bitmap selected as a member.
struct SelectionTraits {
  using Handle = HDC;
  HGDIOBJ Previous = nullptr;
  static Handle Null() { return nullptr; }
  void Close(Handle dc) const { SelectObject(dc, Previous); }
};
class SelectedObject : public UniqueHandle<SelectionTraits> {
 public:
  SelectedObject() = default;
  SelectedObject(HDC dc, HGDIOBJ object) {
    if (!dc || !object) return;
    const HGDIOBJ previous = SelectObject(dc, object);
    if (previous && previous != HGDI_ERROR) Reset(dc, SelectionTraits{previous});
  }
};

// SaveDC now, RestoreDC at the end: origin, clip, selected objects and modes come back.
class SavedDC {
 public:
  explicit SavedDC(HDC dc) : dc_(dc), state_(SaveDC(dc)) {}
  SavedDC(const SavedDC&) = delete;
  SavedDC& operator=(const SavedDC&) = delete;
  ~SavedDC() {
    if (state_) RestoreDC(dc_, state_);
  }

 private:
  HDC dc_;
  int state_;
};

// Replaces the DC's clip with a rectangle and puts the previous clip (or none) back.
class ClipRect {
 public:
  ClipRect(HDC dc, const RECT& rect) : dc_(dc), old_(CreateRectRgn(0, 0, 0, 0)) {
    hadClip_ = GetClipRgn(dc, old_.Get()) == 1;
    Region clip(CreateRectRgnIndirect(&rect));
    SelectClipRgn(dc, clip.Get());
  }
  ClipRect(const ClipRect&) = delete;
  ClipRect& operator=(const ClipRect&) = delete;
  ~ClipRect() { SelectClipRgn(dc_, hadClip_ ? old_.Get() : nullptr); }

 private:
  HDC dc_;
  Region old_;
  bool hadClip_ = false;
};

// Captures the mouse for a window and releases it at the end, unless someone else took it.
class MouseCapture {
 public:
  explicit MouseCapture(HWND window) : window_(window) { SetCapture(window); }
  MouseCapture(const MouseCapture&) = delete;
  MouseCapture& operator=(const MouseCapture&) = delete;
  ~MouseCapture() {
    if (GetCapture() == window_) ReleaseCapture();
  }

 private:
  HWND window_;
};

}  // namespace Handles
