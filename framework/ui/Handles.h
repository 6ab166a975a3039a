#pragma once

// Every platform handle the framework owns goes through one of these owners. They are move-only
// so that a handle has exactly one place that frees it, and the scoped helpers put back what
// they changed on every path out of a scope, exceptions included.

#include <windows.h>

#include <utility>

namespace Handles {

// Owner of a GDI object freed with DeleteObject.
template <class H>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(H handle) : handle_(handle) {}
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  GdiObject(GdiObject&& other) noexcept : handle_(other.Release()) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  ~GdiObject() { Reset(); }

  H Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  H Release() { return std::exchange(handle_, nullptr); }
  void Reset(H handle = nullptr) {
    if (handle_ && handle_ != handle) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  H handle_ = nullptr;
};

using Bitmap = GdiObject<HBITMAP>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Font = GdiObject<HFONT>;
using Region = GdiObject<HRGN>;

// A memory or created device context, freed with DeleteDC.
class CreatedDC {
 public:
  CreatedDC() = default;
  explicit CreatedDC(HDC dc) : dc_(dc) {}
  CreatedDC(const CreatedDC&) = delete;
  CreatedDC& operator=(const CreatedDC&) = delete;
  CreatedDC(CreatedDC&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
  CreatedDC& operator=(CreatedDC&& other) noexcept {
    if (this != &other) {
      Reset();
      dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
  }
  ~CreatedDC() { Reset(); }
  static CreatedDC Compatible(HDC with) { return CreatedDC(CreateCompatibleDC(with)); }

  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }
  void Reset() {
    if (dc_) DeleteDC(std::exchange(dc_, nullptr));
  }

 private:
  HDC dc_ = nullptr;
};

// A window's or the screen's device context, given back with ReleaseDC.
class WindowDC {
 public:
  WindowDC() = default;
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  WindowDC(WindowDC&& other) noexcept
      : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
  WindowDC& operator=(WindowDC&& other) noexcept {
    if (this != &other) {
      Reset();
      window_ = std::exchange(other.window_, nullptr);
      dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
  }
  ~WindowDC() { Reset(); }

  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }
  void Reset() {
    if (dc_) ReleaseDC(window_, std::exchange(dc_, nullptr));
    window_ = nullptr;
  }

 private:
  HWND window_ = nullptr;
  HDC dc_ = nullptr;
};

// An icon, freed with DestroyIcon unless it is a shared system icon.
class Icon {
 public:
  Icon() = default;
  explicit Icon(HICON icon, bool shared = false) : icon_(icon), shared_(shared) {}
  Icon(const Icon&) = delete;
  Icon& operator=(const Icon&) = delete;
  Icon(Icon&& other) noexcept
      : icon_(std::exchange(other.icon_, nullptr)), shared_(other.shared_) {}
  Icon& operator=(Icon&& other) noexcept {
    if (this != &other) {
      Reset();
      icon_ = std::exchange(other.icon_, nullptr);
      shared_ = other.shared_;
    }
    return *this;
  }
  ~Icon() { Reset(); }

  HICON Get() const { return icon_; }
  explicit operator bool() const { return icon_ != nullptr; }
  void Reset() {
    if (icon_ && !shared_) DestroyIcon(icon_);
    icon_ = nullptr;
  }

 private:
  HICON icon_ = nullptr;
  bool shared_ = false;
};

// Selects an object into a DC and selects the previous one back at the end of the scope.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object)
      : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() {
    if (old_) SelectObject(dc_, old_);
  }

 private:
  HDC dc_;
  HGDIOBJ old_;
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

// BeginPaint/EndPaint around the painting of one WM_PAINT.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { EndPaint(window_, &paint_); }

  HDC Get() const { return dc_; }
  const PAINTSTRUCT& Info() const { return paint_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_ = nullptr;
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
