#include "framework/ui/UtilityWindow.h"

#include <exception>

#include "framework/ui/TApplication.h"
#include "framework/ui/UiErrors.h"

namespace {

constexpr wchar_t kClassName[] = L"QmUtilityWindow";

LRESULT CALLBACK UtilityWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* method = reinterpret_cast<TUtilityMethod*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!method) return DefWindowProcW(window, msg, wParam, lParam);
  TMessage message{msg, wParam, lParam, 0};
  try {
    (*method)(message);
  } catch (...) {
    if (Application) Application->HandleException(std::current_exception());
  }
  return message.Result;
}

}  // namespace

HWND AllocateUtilityWindow(TUtilityMethod method) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW wc{};
  if (!GetClassInfoW(instance, kClassName, &wc)) {
    wc.lpfnWndProc = UtilityWindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = kClassName;
    if (!RegisterClassW(&wc)) throw EWin32Error(UiMessages::SWindowClass);
  }
  // Not a message-only window: the application's window must be findable and able to own
  // top-level windows.
  HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                nullptr, instance, nullptr);
  if (!window) RaiseLastOSError();
  SetWindowLongPtrW(window, GWLP_USERDATA,
                    reinterpret_cast<LONG_PTR>(new TUtilityMethod(std::move(method))));
  return window;
}

void DeallocateUtilityWindow(HWND window) {
  if (!window) return;
  auto* method = reinterpret_cast<TUtilityMethod*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  DestroyWindow(window);
  delete method;
}
