#include "skin/forms/win/TSeTrayIcon.h"

#include <algorithm>

#include "framework/core/CallbackGuard.h"
#include "skin/SkinMessages.h"

namespace {

constexpr const wchar_t* kWindowClass = L"TSeTrayIconWindow";

}  // namespace

TSeTrayIcon::TSeTrayIcon(UINT id) : id_(id) {
  static const bool registered = [] {
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof(cls);
    cls.lpfnWndProc = &TSeTrayIcon::WindowProc;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpszClassName = kWindowClass;
    return RegisterClassExW(&cls) != 0;
  }();
  (void)registered;
  // A hidden top-level window rather than a message-only one: only those are asked about the
  // end of the session.
  window_.Reset(CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                nullptr, GetModuleHandleW(nullptr), this));
}

TSeTrayIcon::~TSeTrayIcon() {
  Hide();
  if (window_) SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, 0);
}

NOTIFYICONDATAW TSeTrayIcon::Data() const {
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = window_.Get();
  data.uID = id_;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = SE_TRAYNOTIFY;
  data.hIcon = iconHandle_ ? iconHandle_ : LoadIconW(nullptr, IDI_APPLICATION);
  const std::size_t length = std::min<std::size_t>(tip_.size(), 63);
  std::copy_n(tip_.data(), length, data.szTip);
  data.szTip[length] = 0;
  return data;
}

void TSeTrayIcon::SetIcon(HICON icon) {
  iconHandle_ = icon;
  if (Shown()) {
    NOTIFYICONDATAW data = Data();
    Shell_NotifyIconW(NIM_MODIFY, &data);
  }
}

void TSeTrayIcon::SetTip(const std::u16string& tip) {
  tip_ = tip.substr(0, 63);
  if (Shown()) {
    NOTIFYICONDATAW data = Data();
    Shell_NotifyIconW(NIM_MODIFY, &data);
  }
}

bool TSeTrayIcon::Show() {
  if (!window_) return false;
  NOTIFYICONDATAW data = Data();
  if (Shown()) return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
  icon_ = Handles::AddTrayIcon(data);
  return Shown();
}

void TSeTrayIcon::Hide() {
  icon_.Reset();
}

LRESULT CALLBACK TSeTrayIcon::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardCallback(LRESULT(0), [&]() -> LRESULT {
    if (message == WM_NCCREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* tray = reinterpret_cast<TSeTrayIcon*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (tray) return tray->Handle(window, message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
  });
}

LRESULT TSeTrayIcon::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case SE_TRAYNOTIFY:
      if (static_cast<UINT>(lParam) == WM_LBUTTONDBLCLK) {
        if (OnDoubleClick) OnDoubleClick();
      } else if (static_cast<UINT>(lParam) == WM_RBUTTONUP) {
        POINT at{};
        GetCursorPos(&at);
        // The shell wants the menu's owner in the foreground, or the menu will not close.
        SetForegroundWindow(window);
        if (OnMenu) OnMenu(at);
      }
      return 0;
    case WM_QUERYENDSESSION:
      return 1;
    case WM_ENDSESSION:
      if (wParam) Hide();
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}
