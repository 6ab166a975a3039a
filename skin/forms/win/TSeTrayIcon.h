#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "framework/core/win/Handles.h"

// A window's icon in the notification area, with the small utility window the shell reports
// to (SE_TRAYNOTIFY, lParam the mouse message). A double click and a right-button release are
// handed to the callbacks; the icon goes when the session ends and when this object does.
class TSeTrayIcon {
 public:
  // id: the identifier the shell knows the icon by beside the utility window.
  explicit TSeTrayIcon(UINT id);
  TSeTrayIcon(const TSeTrayIcon&) = delete;
  TSeTrayIcon& operator=(const TSeTrayIcon&) = delete;
  ~TSeTrayIcon();

  // Not owned; null shows the system's application icon. Updates a shown icon (NIM_MODIFY).
  void SetIcon(HICON icon);
  // At most 63 characters are kept. Updates a shown icon.
  void SetTip(const std::u16string& tip);
  const std::u16string& Tip() const { return tip_; }

  // NIM_ADD; false when the shell refused it. Showing a shown icon only updates it.
  bool Show();
  // NIM_DELETE, when shown.
  void Hide();
  bool Shown() const { return static_cast<bool>(icon_); }

  HWND Window() const { return window_.Get(); }
  UINT Id() const { return id_; }

  std::function<void()> OnDoubleClick;
  // The cursor's screen position when the right button was released on the icon.
  std::function<void(POINT)> OnMenu;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  NOTIFYICONDATAW Data() const;

  UINT id_;
  HICON iconHandle_ = nullptr;
  std::u16string tip_;
  // The icon is removed before its window goes (members go in reverse order).
  Handles::Window window_;
  Handles::TrayIcon icon_;
};
