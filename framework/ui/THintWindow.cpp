#include "framework/ui/THintWindow.h"

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
  SetVisible(false);
  SetColor(clInfoBk);
}

void THintWindow::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.WinClassName = L"QmHintWindow";
  params.Style = WS_POPUP | WS_BORDER;
  params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  params.WndParent = nullptr;
}

void THintWindow::ActivateHint(const std::wstring& text, POINT screenPoint) {
  SetText(text);
  HandleNeeded();
  RECT rect{0, 0, 300, 0};
  {
    Handles::WindowDC dc(Handle());
    Handles::SelectedObject font(dc.Get(), FontHandle());
    DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &rect,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  }
  SetBounds(screenPoint.x, screenPoint.y, rect.right + 8, rect.bottom + 6);
  SetWindowPos(Handle(), HWND_TOPMOST, Left(), Top(), Width(), Height(),
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  Invalidate();
}

void THintWindow::ReleaseHandle() {
  if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
}

void THintWindow::Paint() {
  RECT rect = ClientRect();
  Canvas().SetBrushColor(clInfoBk);
  Canvas().FillRect(rect);
  InflateRect(&rect, -3, -2);
  const std::wstring text = Text();
  HDC dc = Canvas().Handle();
  Handles::SelectedObject font(dc, FontHandle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(clInfoText));
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_WORDBREAK | DT_NOPREFIX);
}
