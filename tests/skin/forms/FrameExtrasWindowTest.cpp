// The frame's extras in real windows: the show transition read back from the window, the
// skinned popup menu painted from the program's skin and driven by keys, the system menu's
// entries per state, the platform's menu without a skin, and the tray icon seen by the shell.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/CallbackGuard.h"
#include "skin/SkinMessages.h"
#include "skin/engine/TSeSkinEngine.h"
#include "skin/forms/TSeAnimation.h"
#include "skin/forms/win/RunTransition.h"
#include "skin/forms/win/SystemMenu.h"
#include "skin/forms/win/TSeSkinPopupMenu.h"
#include "skin/forms/win/TSeTrayIcon.h"
#include "skin/objects/SeColor.h"
#include "skin/objects/TSeBitmap.h"
#include "skin/objects/TSeSkinObject.h"

namespace {

using C = TSeFrameCommand;
using S = TSeWindowState;
using I = TSeBorderIcon;

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

// A visible top-level window of the given client size at (x, y), destroyed at the end.
struct TestWindow {
  HWND Handle = nullptr;
  TestWindow(int x, int y, int width, int height) {
    static const bool registered = [] {
      WNDCLASSW cls{};
      cls.lpfnWndProc = PlainProc;
      cls.hInstance = GetModuleHandleW(nullptr);
      cls.lpszClassName = L"FrameExtrasTestWindow";
      cls.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
      return RegisterClassW(&cls) != 0;
    }();
    (void)registered;
    Handle =
        CreateWindowExW(WS_EX_TOPMOST, L"FrameExtrasTestWindow", L"extras", WS_POPUP | WS_VISIBLE,
                        x, y, width, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(Handle);
    Pump();
  }
  ~TestWindow() { DestroyWindow(Handle); }
  static void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
};

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return double(to.QuadPart - from.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

// Every effect and direction ends with the window image on the screen (its key-coloured
// corner showing the background) and takes Animation.Time, within a fifth.
TEST(FrameExtrasWindow, TransitionEndsFullyShownAfterItsTime) {
  const int w = 96, h = 64;
  TestWindow window(40, 40, w, h);
  TSeBitmap from;
  from.SetSize(w, h);
  from.Fill(0x0000FF);
  TSeBitmap to;
  to.SetSize(w, h);
  to.Fill(0xFF0000);
  to.FillRect(Rect(0, 0, 8, 8), kSeKeyColor);
  to.UpdateDeviceCopy();
  TSeAnimation animation;
  animation.SetTime(100);
  animation.SetResolution(2);
  animation.SetTileCount(2);
  const HDC dc = GetDC(window.Handle);
  for (int effect = 0; effect <= int(TkeEffect::keSmoothRectOut); ++effect) {
    for (int direction = 0; direction <= int(TSeDirection::kdRotate270); ++direction) {
      SCOPED_TRACE("effect " + std::to_string(effect) + " direction " + std::to_string(direction));
      animation.SetEffect(TkeEffect(effect));
      animation.SetDirection(TSeDirection(direction));
      // Start from something that is neither picture. A stall of the shared machine can
      // stretch one run; a second run decides.
      double took = 0;
      for (int attempt = 0; attempt < 2; ++attempt) {
        RECT all{0, 0, w, h};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        RunTransition(dc, 0, 0, animation, from, to);
        QueryPerformanceCounter(&end);
        took = Milliseconds(start, end);
        if (took >= 80.0 && took <= 120.0) break;
      }
      EXPECT_GE(took, 80.0);
      EXPECT_LE(took, 120.0);
      // TSeBitmap pixels are 0xRRGGBB: the window red, the background blue, which shows
      // through the key-coloured corner.
      int wrong = 0;
      for (int y = 0; y < h; y += 3) {
        for (int x = 0; x < w; x += 3) {
          const COLORREF want = (x < 8 && y < 8) ? RGB(0, 0, 255) : RGB(255, 0, 0);
          wrong += GetPixel(dc, x, y) != want;
        }
      }
      EXPECT_EQ(wrong, 0);
    }
  }
  ReleaseDC(window.Handle, dc);
}

// The program's skin, loaded by an engine as the program does.
class SkinnedMenu : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    engine = new TSeSkinEngine(nullptr);
    engine->SetSkinFile(std::string("Z:") + QM_PROGRAM_SKIN_FILE);
  }
  static void TearDownTestSuite() {
    delete engine;
    engine = nullptr;
  }
  static const TSeSkinObject* PopupObject() { return engine->FindObject("PopupMenu"); }
  static TSeSkinEngine* engine;
};
TSeSkinEngine* SkinnedMenu::engine = nullptr;

void PostKeys(HWND window, std::initializer_list<WPARAM> keys) {
  for (const WPARAM key : keys) {
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
  }
}

void PostChar(HWND window, wchar_t c) {
  PostMessageW(window, WM_CHAR, c, 1);
}

const TSeBorderIcons kDefaultIcons{I::kbiClose,    I::kbiSystemMenu, I::kbiMinimize,
                                   I::kbiMaximize, I::kbiRollup,     I::kbiTray};

TEST_F(SkinnedMenu, KeysMoveChooseAndCloseTheMenu) {
  TestWindow owner(20, 20, 300, 200);
  TSeSkinPopupMenu menu(PopupObject());
  ASSERT_TRUE(menu.IsSkinned());
  std::vector<TSeMenuEntry> entries = SystemMenu::Entries(kDefaultIcons, S::kwsNormal);
  const POINT at{60, 60};
  struct Case {
    const char* what;
    std::function<void()> keys;
    C expected;
  };
  const HWND h = owner.Handle;
  const Case cases[] = {
      {"down twice, enter",
       [&] {
         PostKeys(h, {VK_DOWN, VK_DOWN, VK_RETURN});
       },
       C::Maximize},
      {"up wraps to the last",
       [&] {
         PostKeys(h, {VK_UP, VK_RETURN});
       },
       C::Close},
      {"the separator is skipped",
       [&] {
         PostKeys(h, {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
       },
       C::Close},
      {"end, then up",
       [&] {
         PostKeys(h, {VK_END, VK_UP, VK_RETURN});
       },
       C::Tray},
      {"escape",
       [&] {
         PostKeys(h, {VK_DOWN, VK_ESCAPE});
       },
       C::None},
      {"enter with nothing selected", [&] { PostKeys(h, {VK_RETURN}); }, C::None},
      {"access letter", [&] { PostChar(h, L'l'); }, C::Rollup},
      {"access letter in capitals", [&] { PostChar(h, L'T'); }, C::Tray},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.keys();
    EXPECT_EQ(menu.Popup(h, at, entries), static_cast<std::int32_t>(c.expected));
    EXPECT_EQ(FindWindowW(TSeSkinPopupMenu::kWindowClass, nullptr), nullptr);
  }
  // Disabled entries are passed over by the arrows and their letters.
  entries[0].Enabled = false;  // Minimize
  PostKeys(h, {VK_DOWN, VK_RETURN});
  EXPECT_EQ(menu.Popup(h, at, entries), static_cast<std::int32_t>(C::Maximize));
  PostChar(h, L'n');
  PostKeys(h, {VK_ESCAPE});
  EXPECT_EQ(menu.Popup(h, at, entries), 0);
}

// What the menu's window shows while it is up, read in a timer of its loop.
struct Seen {
  HWND Window = nullptr;
  SIZE Size{};
  std::vector<COLORREF> Pixels;
  std::vector<POINT> Points;
};
Seen* seen = nullptr;

void CALLBACK LookAtMenu(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  const HWND popup = FindWindowW(TSeSkinPopupMenu::kWindowClass, nullptr);
  seen->Window = popup;
  if (popup) {
    RECT r;
    GetWindowRect(popup, &r);
    seen->Size = SIZE{r.right - r.left, r.bottom - r.top};
    const HDC dc = GetDC(popup);
    for (const POINT p : seen->Points) seen->Pixels.push_back(GetPixel(dc, p.x, p.y));
    ReleaseDC(popup, dc);
  }
  PostKeys(GetForegroundWindow(), {VK_ESCAPE});
  if (!popup) PostMessageW(GetForegroundWindow(), WM_CANCELMODE, 0, 0);
}

int TahomaWidth(const std::u16string& text) {
  const HDC dc = GetDC(nullptr);
  const HFONT font =
      CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
  const HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(text.c_str()), int(text.size()),
                        &size);
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
  return size.cx;
}

// The skin's PopupMenu: Frame margins 3, Item 20 high in Tahoma -11 with ActiveColor
// 12937521 when selected, a Gutter of colour 14609903 and 24 pixels; 16-pixel pictures.
TEST_F(SkinnedMenu, PaintsFromTheSkinAtTheMeasuredSize) {
  TestWindow owner(20, 20, 300, 200);
  TSeSkinPopupMenu menu(PopupObject());
  const std::vector<TSeMenuEntry> entries = SystemMenu::Entries(kDefaultIcons, S::kwsNormal);
  // Widest entry: caption + image column (16) + shortcut + 42; six entries of 20.
  int widest = 0;
  for (const auto& e : entries) {
    if (e.Caption == u"-") continue;
    std::u16string shown;
    for (const char16_t c : e.Caption) {
      if (c != u'&') shown += c;
    }
    widest = std::max(widest, TahomaWidth(shown) + 16 + TahomaWidth(e.ShortCut) + 42);
  }
  Seen look;
  look.Points = {
      {widest - 4, 3 + 10},     // the first entry, selected: the active colour
      {widest - 4, 23 + 10},    // the second entry's right end: not selected
      {3 + 4, 23 + 2},          // the second picture's transparent corner: the gutter
      {3 + 4 + 3, 23 + 2 + 3},  // inside the Maximize picture's thick top: black
  };
  seen = &look;
  PostKeys(owner.Handle, {VK_DOWN});
  // FRAME_EXTRAS_HOLD_MS keeps the menu up longer, for a screenshot of it.
  const char* hold = std::getenv("FRAME_EXTRAS_HOLD_MS");
  SetTimer(nullptr, 0, hold ? static_cast<UINT>(std::atoi(hold)) : 300, LookAtMenu);
  EXPECT_EQ(menu.Popup(owner.Handle, POINT{80, 80}, entries), 0);
  seen = nullptr;
  ASSERT_NE(look.Window, nullptr);
  EXPECT_EQ(look.Size.cx, widest + 6);
  EXPECT_EQ(look.Size.cy, 6 * 20 + 6);
  ASSERT_EQ(look.Pixels.size(), 4u);
  EXPECT_EQ(look.Pixels[0], COLORREF(12937521));
  EXPECT_NE(look.Pixels[1], COLORREF(12937521));
  EXPECT_EQ(look.Pixels[2], COLORREF(14609903));
  EXPECT_EQ(look.Pixels[3], RGB(0, 0, 0));
}

TEST_F(SkinnedMenu, SystemMenuShowsItsEntriesPerStateAndAnswersTheChoice) {
  struct Case {
    TSeBorderIcons icons;
    S state;
    std::vector<std::u16string> captions;
  };
  const std::u16string sep = u"-";
  const Case cases[] = {
      {kDefaultIcons,
       S::kwsNormal,
       {u"Mi&nimize", u"Ma&ximize", u"Ro&llup", u"Minimize to &Tray", sep, u"&Close"}},
      {kDefaultIcons,
       S::kwsMaximized,
       {u"&Restore", u"Mi&nimize", u"Ro&llup", u"Minimize to &Tray", sep, u"&Close"}},
      {kDefaultIcons,
       S::kwsRollup,
       {u"&Restore", u"Mi&nimize", u"Ma&ximize", u"Minimize to &Tray", sep, u"&Close"}},
      {kDefaultIcons, S::kwsMinimized, {u"&Restore", sep, u"&Close"}},
      {kDefaultIcons, S::kwsTray, {u"&Restore", sep, u"&Close"}},
      {TSeBorderIcons{I::kbiClose}, S::kwsNormal, {u"&Close"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.state));
    const auto entries = SystemMenu::Entries(c.icons, c.state);
    std::vector<std::u16string> captions;
    for (const auto& e : entries) {
      captions.push_back(e.Caption);
      EXPECT_EQ(e.Image == nullptr, e.Caption == sep) << "picture of " << int(e.Command);
      EXPECT_EQ(e.ShortCut, e.Caption == u"&Close" ? u"Alt+F4" : u"");
    }
    EXPECT_EQ(captions, c.captions);
  }
  TestWindow owner(20, 20, 300, 200);
  PostChar(owner.Handle, L'x');
  EXPECT_EQ(
      SystemMenu::Show(owner.Handle, POINT{50, 50}, kDefaultIcons, S::kwsNormal, PopupObject()),
      C::Maximize);
  PostChar(owner.Handle, L'r');
  EXPECT_EQ(
      SystemMenu::Show(owner.Handle, POINT{50, 50}, kDefaultIcons, S::kwsMaximized, PopupObject()),
      C::Restore);
}

void CALLBACK ChooseInPlatformMenu(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  seen->Window = FindWindowW(L"#32768", nullptr);
  if (FindWindowW(TSeSkinPopupMenu::kWindowClass, nullptr)) seen->Pixels.push_back(1);
  PostKeys(GetForegroundWindow(), {VK_DOWN, VK_RETURN});
}

TEST(FrameExtrasWindow, WithoutASkinThePlatformMenuIsShown) {
  TestWindow owner(20, 20, 300, 200);
  TSeSkinPopupMenu menu(nullptr);
  EXPECT_FALSE(menu.IsSkinned());
  Seen look;
  seen = &look;
  SetTimer(nullptr, 0, 300, ChooseInPlatformMenu);
  const std::int32_t chosen =
      menu.Popup(owner.Handle, POINT{60, 60}, SystemMenu::Entries(kDefaultIcons, S::kwsNormal));
  seen = nullptr;
  EXPECT_NE(look.Window, nullptr);
  EXPECT_TRUE(look.Pixels.empty()) << "the skinned menu's window appeared";
  EXPECT_EQ(chosen, static_cast<std::int32_t>(C::Minimize));
}

// Whether the shell knows an icon of that window and identifier: only a known one can be
// modified.
bool ShellKnows(HWND window, UINT id) {
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = window;
  data.uID = id;
  data.uFlags = NIF_TIP;
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

std::vector<std::string> reported;
void Record(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    reported.push_back(e.what());
  }
}

TEST(FrameExtrasWindow, TrayIconIsAddedAnsweredAndRemoved) {
  HWND window = nullptr;
  {
    TSeTrayIcon tray(7);
    window = tray.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(ShellKnows(window, 7));
    tray.SetTip(u"Merchant tool");
    ASSERT_TRUE(tray.Show());
    EXPECT_TRUE(ShellKnows(window, 7));
    int doubleClicks = 0;
    int menus = 0;
    tray.OnDoubleClick = [&] { ++doubleClicks; };
    tray.OnMenu = [&](POINT) { ++menus; };
    SendMessageW(window, SE_TRAYNOTIFY, 7, WM_LBUTTONDBLCLK);
    SendMessageW(window, SE_TRAYNOTIFY, 7, WM_RBUTTONUP);
    SendMessageW(window, SE_TRAYNOTIFY, 7, WM_MOUSEMOVE);
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(menus, 1);
    // A failing handler is reported, and the window goes on.
    const auto previous = SetCallbackExceptionHandler(Record);
    tray.OnDoubleClick = [] { throw std::runtime_error("restore failed"); };
    SendMessageW(window, SE_TRAYNOTIFY, 7, WM_LBUTTONDBLCLK);
    SetCallbackExceptionHandler(previous);
    EXPECT_EQ(reported, std::vector<std::string>{"restore failed"});
    EXPECT_EQ(SendMessageW(window, WM_QUERYENDSESSION, 0, 0), 1);
    SendMessageW(window, WM_ENDSESSION, TRUE, 0);
    EXPECT_FALSE(tray.Shown());
    EXPECT_FALSE(ShellKnows(window, 7));
    ASSERT_TRUE(tray.Show());
    tray.Hide();
    EXPECT_FALSE(ShellKnows(window, 7));
    ASSERT_TRUE(tray.Show());
  }
  EXPECT_FALSE(ShellKnows(window, 7)) << "the icon outlived its owner";
  EXPECT_FALSE(IsWindow(window));
}

}  // namespace
