#include "skin/forms/win/TSeSkinPopupMenu.h"

#include <algorithm>
#include <cwctype>

#include "framework/core/CallbackGuard.h"
#include "framework/core/win/Handles.h"
#include "skin/objects/SkinObjectRegistry.h"
#include "skin/objects/SkinObjectSeam.h"
#include "skin/objects/TSeBitmap.h"
#include "skin/objects/TSeSkinObject.h"
#include "skin/objects/win/TSeGdiCanvas.h"

namespace {

// The caption as shown: access marks taken out, "&&" kept as one ampersand.
std::u16string ShownText(const std::u16string& caption) {
  std::u16string shown;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
    shown += caption[i];
  }
  return shown;
}

// The letter after the first single "&", or 0.
char16_t AccessKey(const std::u16string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') continue;
    if (caption[i + 1] != u'&') return caption[i + 1];
    ++i;
  }
  return 0;
}

bool Selectable(const TSeMenuEntry& entry) {
  return entry.Enabled && !entry.IsSeparator();
}

std::int32_t ImageColumn(const std::vector<TSeMenuEntry>& entries) {
  std::int32_t width = 0;
  for (const TSeMenuEntry& entry : entries) {
    if (entry.Image) width = std::max(width, entry.Image->Width());
  }
  return width;
}

}  // namespace

// The menu's window while it is up: paints the entries and keeps the selection.
class TSeSkinPopupMenu::TView {
 public:
  TView(TSeSkinPopupMenu& menu, const std::vector<TSeMenuEntry>& entries)
      : menu_(menu), entries_(entries), layout_(menu.Measure(entries)) {}

  std::int32_t Run(HWND owner, POINT at);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static void RegisterClassOnce();
  void Paint(HDC dc);
  void Select(int index);
  // The next selectable entry from the selection in steps of step (wrapping), or -1.
  int Next(int step) const;
  int EntryAt(POINT client) const;
  // Handles one message of the loop; false when the loop's own handling is done with it.
  bool Handle(const MSG& msg);

  TSeSkinPopupMenu& menu_;
  const std::vector<TSeMenuEntry>& entries_;
  TLayout layout_;
  HWND window_ = nullptr;
  int selected_ = -1;
  bool done_ = false;
  std::int32_t chosen_ = 0;
};

void TSeSkinPopupMenu::TView::RegisterClassOnce() {
  static const bool registered = [] {
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof(cls);
    cls.style = CS_SAVEBITS;
    cls.lpfnWndProc = &TView::WindowProc;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.lpszClassName = kWindowClass;
    return RegisterClassExW(&cls) != 0;
  }();
  (void)registered;
}

LRESULT CALLBACK TSeSkinPopupMenu::TView::WindowProc(HWND window, UINT message, WPARAM wParam,
                                                     LPARAM lParam) {
  return GuardCallback(LRESULT(0), [&]() -> LRESULT {
    if (message == WM_NCCREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* view = reinterpret_cast<TView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
      case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT:
        if (view) {
          const Handles::PaintDC dc(window);
          view->Paint(dc.Get());
          return 0;
        }
        break;
      case WM_CANCELMODE:
        if (view) view->done_ = true;
        return 0;
      default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  });
}

void TSeSkinPopupMenu::TView::Paint(HDC dc) {
  const TSize size = layout_.Size;
  TSeBitmap image;
  image.SetSize(size.cx, size.cy);
  if (image.IsEmpty()) return;
  image.Fill(0);
  {
    const std::unique_ptr<TSeCanvas> canvas = CreateBitmapCanvas(image);
    if (menu_.frame_) {
      menu_.frame_->SetBounds(Bounds(0, 0, size.cx, size.cy));
      menu_.frame_->Draw(*canvas);
    }
    const std::int32_t inset = menu_.frame_ ? menu_.frame_->MarginTop() : 3;
    const std::int32_t left = menu_.frame_ ? menu_.frame_->MarginLeft() : 3;
    const std::int32_t bottom = menu_.frame_ ? menu_.frame_->MarginBottom() : 3;
    if (menu_.gutter_) {
      menu_.gutter_->SetBounds(Rect(left, inset, left + menu_.gutter_->Width(), size.cy - bottom));
      menu_.gutter_->Draw(*canvas);
    }
    TSeSkinObject& item = *menu_.item_;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      const TSeMenuEntry& entry = entries_[i];
      const TRect& r = layout_.Items[i];
      item.SetBounds(r);
      item.SetText(entry.Caption);
      item.SetShortCutText(entry.ShortCut);
      item.SetEnabled(entry.Enabled);
      item.SetState(static_cast<int>(i) == selected_ ? TSeObjectState::osHot
                                                     : TSeObjectState::osNormal);
      item.Draw(*canvas);
      if (entry.Image && !entry.IsSeparator()) {
        const std::int32_t column = menu_.gutter_ ? menu_.gutter_->Width() : RectHeight(r);
        entry.Image->Draw(*canvas, r.Left + (column - entry.Image->Width()) / 2,
                          r.Top + (RectHeight(r) - entry.Image->Height()) / 2, true);
      }
    }
    item.SetState(TSeObjectState::osNormal);
  }
  TSeGdiCanvas target(dc);
  target.CopyBitmap(image, image.BoundsRect(), image.BoundsRect());
}

void TSeSkinPopupMenu::TView::Select(int index) {
  if (index == selected_) return;
  selected_ = index;
  InvalidateRect(window_, nullptr, FALSE);
  UpdateWindow(window_);
}

int TSeSkinPopupMenu::TView::Next(int step) const {
  const int count = static_cast<int>(entries_.size());
  int index = selected_ < 0 ? (step > 0 ? -1 : count) : selected_;
  for (int tries = 0; tries < count; ++tries) {
    index = (index + step + count) % count;
    if (Selectable(entries_[index])) return index;
  }
  return -1;
}

int TSeSkinPopupMenu::TView::EntryAt(POINT client) const {
  for (std::size_t i = 0; i < layout_.Items.size(); ++i) {
    if (PtInRect(layout_.Items[i], TPoint{client.x, client.y})) return static_cast<int>(i);
  }
  return -1;
}

bool TSeSkinPopupMenu::TView::Handle(const MSG& msg) {
  const auto choose = [&](int index) {
    if (index < 0 || !Selectable(entries_[index])) return;
    chosen_ = entries_[index].Command;
    done_ = true;
  };
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      switch (msg.wParam) {
        case VK_DOWN:
          Select(Next(1));
          return true;
        case VK_UP:
          Select(Next(-1));
          return true;
        case VK_HOME:
          selected_ = -1;
          Select(Next(1));
          return true;
        case VK_END:
          selected_ = -1;
          Select(Next(-1));
          return true;
        case VK_RETURN:
          if (selected_ >= 0) {
            choose(selected_);
          } else {
            done_ = true;
          }
          return true;
        case VK_ESCAPE:
        case VK_MENU:
        case VK_F10:
          done_ = true;
          return true;
        default:
          TranslateMessage(&msg);
          return true;
      }
    case WM_KEYUP:
    case WM_SYSKEYUP:
      return true;
    case WM_CHAR:
    case WM_SYSCHAR: {
      const auto typed = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(msg.wParam)));
      for (std::size_t i = 0; i < entries_.size(); ++i) {
        const char16_t key = AccessKey(entries_[i].Caption);
        if (key && std::towlower(static_cast<wint_t>(key)) == static_cast<wint_t>(typed) &&
            Selectable(entries_[i])) {
          choose(static_cast<int>(i));
          break;
        }
      }
      return true;
    }
    case WM_MOUSEMOVE:
      if (msg.hwnd == window_) {
        const int index = EntryAt(
            POINT{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))});
        if (index >= 0 && Selectable(entries_[index])) Select(index);
      }
      return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN: {
      POINT screen{};
      GetCursorPos(&screen);
      RECT bounds{};
      GetWindowRect(window_, &bounds);
      if (!PtInRect(&bounds, screen)) done_ = true;
      return true;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
      if (msg.hwnd == window_) {
        choose(EntryAt(
            POINT{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))}));
      }
      return true;
    default:
      return false;
  }
}

std::int32_t TSeSkinPopupMenu::TView::Run(HWND owner, POINT at) {
  RegisterClassOnce();
  const TSize size = layout_.Size;
  // Kept on the monitor: opened leftwards or upwards where it would leave it.
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  if (at.x + size.cx > work.right) at.x = std::max(work.left, at.x - size.cx);
  if (at.y + size.cy > work.bottom) at.y = std::max(work.top, at.y - size.cy);
  Handles::Window window(CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kWindowClass, L"",
                                         WS_POPUP, at.x, at.y, size.cx, size.cy, owner, nullptr,
                                         GetModuleHandleW(nullptr), this));
  if (!window) return 0;
  window_ = window.Get();
  ShowWindow(window_, SW_SHOWNOACTIVATE);
  UpdateWindow(window_);
  SetCapture(window_);
  while (!done_) {
    MSG msg{};
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // The loop that called us must see the quit too.
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (!Handle(msg)) DispatchMessageW(&msg);
    // Another window took the mouse (or the program lost the foreground): the menu goes.
    if (!done_ && GetCapture() != window_) done_ = true;
  }
  if (GetCapture() == window_) ReleaseCapture();
  window_ = nullptr;
  return chosen_;
}

TSeSkinPopupMenu::TSeSkinPopupMenu(const TSeSkinObject* popupObject) {
  if (!popupObject) return;
  copy_ = CloneSkinObject(*popupObject);
  if (!copy_) return;
  copy_->SetActive(false);
  item_ = copy_->FindByName("Item");
  frame_ = copy_->FindByName("Frame");
  gutter_ = copy_->FindByName("Gutter");
}

TSeSkinPopupMenu::~TSeSkinPopupMenu() = default;

bool TSeSkinPopupMenu::IsSkinned() const {
  return item_ != nullptr;
}

TSeSkinPopupMenu::TLayout TSeSkinPopupMenu::Measure(
    const std::vector<TSeMenuEntry>& entries) const {
  TLayout layout;
  if (!item_) return layout;
  const std::int32_t left = frame_ ? frame_->MarginLeft() : 3;
  const std::int32_t top = frame_ ? frame_->MarginTop() : 3;
  const std::int32_t right = frame_ ? frame_->MarginRight() : 3;
  const std::int32_t bottom = frame_ ? frame_->MarginBottom() : 3;
  const std::int32_t column = ImageColumn(entries);
  std::int32_t width = 0;
  std::int32_t y = top;
  for (const TSeMenuEntry& entry : entries) {
    std::int32_t height = item_->Height();
    if (!entry.IsSeparator()) {
      width = std::max(width, SkinSeam::ScreenTextWidth(ShownText(entry.Caption), item_->Font()) +
                                  column +
                                  SkinSeam::ScreenTextWidth(entry.ShortCut, item_->Font()) + 42);
      if (height < column - 4) height = column + 4;
    }
    layout.Items.push_back(Rect(left, y, 0, y + height));
    y += height;
  }
  for (TRect& r : layout.Items) r.Right = left + width;
  layout.Size = TSize{left + width + right, y + bottom};
  return layout;
}

std::int32_t TSeSkinPopupMenu::Popup(HWND owner, POINT at,
                                     const std::vector<TSeMenuEntry>& entries) {
  if (entries.empty()) return 0;
  if (!IsSkinned()) return PlatformPopup(owner, at, entries);
  TView view(*this, entries);
  return view.Run(owner, at);
}

std::int32_t TSeSkinPopupMenu::PlatformPopup(HWND owner, POINT at,
                                             const std::vector<TSeMenuEntry>& entries) {
  const Handles::Menu menu(CreatePopupMenu());
  if (!menu) return 0;
  for (const TSeMenuEntry& entry : entries) {
    if (entry.IsSeparator()) {
      AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
      continue;
    }
    std::u16string text = entry.Caption;
    if (!entry.ShortCut.empty()) text += u"\t" + entry.ShortCut;
    AppendMenuW(menu.Get(), MF_STRING | (entry.Enabled ? 0u : MF_GRAYED),
                static_cast<UINT_PTR>(entry.Command),
                reinterpret_cast<const wchar_t*>(text.c_str()));
  }
  // The platform's menu wants its owner in the foreground to close when clicked elsewhere.
  SetForegroundWindow(owner);
  const BOOL command = TrackPopupMenu(
      menu.Get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON,
      at.x, at.y, 0, owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);
  return static_cast<std::int32_t>(command);
}
