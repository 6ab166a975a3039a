// The yardstick for the program's start-up: the same two windows with the same number of
// controls, built from plain platform controls, no skin. The browser is created as the
// program's is (the WebBrowser object), its window a plain child in its place.
#include <windows.h>

#include <commctrl.h>
#include <exdisp.h>
#include <objbase.h>

namespace {

HWND Child(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w,
           int h) {
  return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

// One snippet tab: labels, edits, two buttons, a group box with a label, a memo and two
// buttons.
void SnippetPage(HWND page, int edits, int labels) {
  for (int i = 0; i < labels; ++i) Child(page, L"STATIC", L"Label", 0, 16, 16 + 40 * i, 80, 20);
  for (int i = 0; i < edits; ++i)
    Child(page, L"EDIT", L"", WS_BORDER | WS_TABSTOP, 104, 16 + 40 * i, 97, 21);
  Child(page, L"BUTTON", L"Generate Code", WS_TABSTOP, 104, 300, 103, 20);
  Child(page, L"BUTTON", L"Clear all", WS_TABSTOP, 104, 330, 103, 20);
  HWND box = Child(page, L"BUTTON", L"", BS_GROUPBOX, 262, 6, 263, 289);
  Child(box, L"STATIC", L"Copy This Code and Paste into your page ", 0, 19, 6, 200, 16);
  Child(box, L"EDIT", L"", WS_BORDER | ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, 13, 32, 240, 205);
  Child(box, L"BUTTON", L"Copy to Clipboard", WS_TABSTOP, 19, 250, 103, 26);
  Child(box, L"BUTTON", L"Save to File", WS_TABSTOP, 147, 250, 103, 26);
}

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY && GetWindow(window, GW_OWNER) == nullptr &&
      !(GetWindowLongW(window, GWL_STYLE) & WS_CHILD))
    PostQuitMessage(0);
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  OleInitialize(nullptr);
  WNDCLASSW cls{};
  cls.lpfnWndProc = PlainProc;
  cls.hInstance = instance;
  cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  cls.lpszClassName = L"PlainForm";
  RegisterClassW(&cls);

  HWND main = CreateWindowExW(0, L"PlainForm", L"Plain Shopping Cart 1.0", WS_OVERLAPPEDWINDOW, 188,
                              116, 570, 430, nullptr, nullptr, instance, nullptr);
  Child(main, L"BUTTON", L"", BS_GROUPBOX, 0, 0, 558, 46);
  HWND tabs = Child(main, WC_TABCONTROLW, L"", WS_CLIPCHILDREN, 0, 46, 558, 345);
  const wchar_t* names[] = {L"Single Item Purchase", L"Shopping Cart", L"Subscription Billing",
                            L"Create Account"};
  HWND pages[4];
  for (int i = 0; i < 4; ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(names[i]);
    SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    pages[i] = CreateWindowExW(0, L"PlainForm", names[i], WS_CHILD | (i == 3 ? WS_VISIBLE : 0), 2,
                               24, 554, 318, tabs, nullptr, instance, nullptr);
  }
  // 20 labels, 15 edits, 13 buttons, 4 memos, 6 group boxes in the main window, as the program.
  SnippetPage(pages[0], 5, 6);
  SnippetPage(pages[1], 3, 4);
  SnippetPage(pages[2], 7, 8);
  HWND top = Child(pages[3], L"BUTTON", L"", BS_GROUPBOX, 32, 26, 481, 84);
  Child(top, L"STATIC", L"1.Create Account", 0, 51, 26, 187, 26);
  Child(top, L"BUTTON", L"Create", WS_TABSTOP, 384, 32, 60, 20);
  HWND bottom = Child(pages[3], L"BUTTON", L"", BS_GROUPBOX, 32, 122, 481, 180);
  Child(bottom, L"EDIT", L"QuillMar allows you to send or receive funds to/from anyone with ",
        WS_BORDER | ES_MULTILINE | WS_VSCROLL, 19, 13, 442, 154);
  SendMessageW(tabs, TCM_SETCURSEL, 3, 0);

  HWND second = CreateWindowExW(0, L"PlainForm", L"Plain Form2", WS_OVERLAPPEDWINDOW, 302, 130, 560,
                                400, main, nullptr, instance, nullptr);
  Child(second, L"STATIC", L"", SS_SUNKEN, 0, 0, 550, 46);
  HWND box = Child(second, L"BUTTON", L"", BS_GROUPBOX, 0, 46, 550, 317);
  Child(box, L"STATIC", L"", 0, 0, 0, 550, 317);
  IWebBrowser2* browser = nullptr;
  CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IWebBrowser2,
                   reinterpret_cast<void**>(&browser));

  ShowWindow(main, show);
  UpdateWindow(main);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (browser) browser->Release();
  OleUninitialize();
  return 0;
}
