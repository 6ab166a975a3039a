#include "framework/ui/UtilityWindow.h"

#include <memory>

#include "framework/core/CallbackGuard.h"
#include "framework/ui/UiErrors.h"

namespace {

constexpr wchar_t kClassName[] = L"QmUtilityWindow";

LRESULT CALLBACK UtilityWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* method = reinterpret_cast<TUtilityMethod*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!method) return DefWindowProcW(window, msg, wParam, lParam);
  TMessage message{msg, wParam, lParam, 0};
  // A method that failed has handled its message as far as the platform is concerned.
  if (!GuardCallback(true, [&] { return (*method)(message); }))
    message.Result = DefWindowProcW(window, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    // The window's last message: the method goes with it.
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    delete method;
  }
  return message.Result;
}

Handles::Window CreateUtilityWindow(TUtilityMethod method, DWORD exStyle, DWORD style,
                                    HWND parent) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW wc{};
  if (!GetClassInfoW(instance, kClassName, &wc)) {
    wc.lpfnWndProc = UtilityWindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = kClassName;
    if (!RegisterClassW(&wc)) throw EWin32Error(UiMessages::SWindowClass);
  }
  auto owned = std::make_unique<TUtilityMethod>(std::move(method));
  Handles::Window window(CreateWindowExW(exStyle, kClassName, L"", style, 0, 0, 0, 0, parent,
                                         nullptr, instance, nullptr));
  if (!window) RaiseLastOSError();
  SetWindowLongPtrW(window.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owned.release()));
  return window;
}

}  // namespace

Handles::Window AllocateUtilityWindow(TUtilityMethod method) {
  return CreateUtilityWindow(std::move(method), WS_EX_TOOLWINDOW, WS_POPUP, nullptr);
}

Handles::Window AllocateMessageWindow(TUtilityMethod method) {
  return CreateUtilityWindow(std::move(method), 0, 0, HWND_MESSAGE);
}
