// The skinned frame with its menus, tray icon, show transition, caption buttons, skin changes,
// shadow and blending, in real windows with the program's skin, observed from outside: the
// screen's pixels, the shell's icons, the popup menu's window, messages sent to the window.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>

#include "../../framework/ui/UiTestSupport.h"
#include "skin/SkinMessages.h"
#include "skin/engine/TSeSkinEngine.h"
#include "skin/forms/win/TSeSkinForm.h"
#include "skin/forms/win/TSeSkinPopupMenu.h"
#include "skin/forms/win/TSeTrayIcon.h"
#include "skin/objects/TSeSkinObject.h"
#include "tests/support/GdiObjects.h"

namespace {

using S = TSeWindowState;

RECT WindowRectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

COLORREF ScreenPixel(int x, int y) {
  const HDC dc = GetDC(nullptr);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(nullptr, dc);
  return c;
}

// The screen's pixels of a rectangle in window coordinates, every second one.
std::vector<COLORREF> ScreenPixels(HWND window, const TRect& r) {
  const RECT w = WindowRectOf(window);
  const HDC dc = GetDC(nullptr);
  std::vector<COLORREF> pixels;
  for (int y = r.Top; y < r.Bottom; y += 2)
    for (int x = r.Left; x < r.Right; x += 2) pixels.push_back(GetPixel(dc, w.left + x, w.top + y));
  ReleaseDC(nullptr, dc);
  return pixels;
}

void PumpFor(DWORD ms) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    Pump();
    Sleep(5);
  }
}

void Send(HWND window, UINT msg, int x, int y) {
  const RECT r = WindowRectOf(window);
  SendMessageW(window, msg, 0, MAKELPARAM(r.left + x, r.top + y));
}

bool ShellKnows(HWND window, UINT id) {
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = window;
  data.uID = id;
  data.uFlags = NIF_TIP;
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

// A over a white background by the library's blend: (a x S + 128) / 256 + ((255 - a) x 255 +
// 128) / 256 per channel.
int OverWhite(int alpha, int channel) {
  return (alpha * channel + 128) / 256 + ((255 - alpha) * 255 + 128) / 256;
}

// A white window behind the test window, so what lies behind it is known.
class Backdrop {
 public:
  Backdrop() {
    static const bool registered = [] {
      WNDCLASSW cls{};
      cls.lpfnWndProc = DefWindowProcW;
      cls.hInstance = GetModuleHandleW(nullptr);
      cls.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
      cls.lpszClassName = L"FrameFinishBackdrop";
      return RegisterClassW(&cls) != 0;
    }();
    (void)registered;
    window_ =
        CreateWindowExW(WS_EX_TOOLWINDOW, L"FrameFinishBackdrop", L"", WS_POPUP | WS_VISIBLE, 100,
                        80, 700, 500, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    UpdateWindow(window_);
    Pump();
  }
  ~Backdrop() { DestroyWindow(window_); }

 private:
  HWND window_ = nullptr;
};

class FrameFinish : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    form = new TForm(nullptr);
    form->SetBounds(200, 150, 400, 300);
    engine = new TSeSkinEngine(form);
    engine->SetSkinFile(QM_PROGRAM_SKIN_FILE);
    frame = new TSeSkinForm(form);
    frame->SetSkinEngine(engine);
    frame->Loaded();
    window = form->Handle();
  }
  void TearDown() override {
    delete form;
    UiTest::TearDown();
  }
  void ShowNow() {
    form->Show();
    SetForegroundWindow(window);
    Pump();
  }
  TSeSkinObject* Object(const char* name) { return frame->SkinCopy()->FindByName(name); }

  TForm* form = nullptr;
  TSeSkinEngine* engine = nullptr;
  TSeSkinForm* frame = nullptr;
  HWND window = nullptr;
};

TEST_F(FrameFinish, TrayIconTakesTheWindowAndItsDoubleClickBringsItBack) {
  ShowNow();
  const RECT before = WindowRectOf(window);
  frame->DoMinimizeToTray();
  Pump();
  EXPECT_EQ(frame->WindowState(), S::kwsTray);
  EXPECT_FALSE(IsWindowVisible(window));
  const TSeTrayIcon* tray = frame->TrayIcon();
  ASSERT_NE(tray, nullptr);
  EXPECT_TRUE(ShellKnows(tray->Window(), tray->Id()));
  const std::wstring title = Application->Title();
  EXPECT_EQ(tray->Tip(), std::u16string(title.begin(), title.end()));

  SendMessageW(tray->Window(), SE_TRAYNOTIFY, tray->Id(), WM_LBUTTONDBLCLK);
  Pump();
  EXPECT_EQ(frame->WindowState(), S::kwsNormal);
  EXPECT_TRUE(IsWindowVisible(window));
  const RECT after = WindowRectOf(window);
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_FALSE(ShellKnows(tray->Window(), tray->Id())) << "the icon stayed";

  // Only the window goes: its caption is the tip.
  frame->SetMinimizeApplication(false);
  frame->SetCaption(L"Orders");
  frame->DoMinimizeToTray();
  EXPECT_EQ(frame->TrayIcon()->Tip(), u"Orders");
  frame->DoMinimizeToTray();
  EXPECT_EQ(frame->WindowState(), S::kwsNormal);
}

// What the frame's popup menu showed, and the access letter typed into it.
struct MenuVisit {
  wchar_t Key = 0;
  int Height = -1;
};
MenuVisit* visit = nullptr;

void CALLBACK AnswerMenu(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (!visit) return;
  const HWND popup = FindWindowW(TSeSkinPopupMenu::kWindowClass, nullptr);
  if (popup) {
    RECT r{};
    GetWindowRect(popup, &r);
    visit->Height = r.bottom - r.top;
    PostMessageW(popup, WM_CHAR, visit->Key, 1);
  } else if (const HWND platform = FindWindowW(L"#32768", nullptr)) {
    PostMessageW(platform, WM_KEYDOWN, VK_ESCAPE, 1);
  }
}

// Opens the menu by open(), types key into it, answers the menu's height (-1: none came up).
int TypeIntoMenu(const std::function<void()>& open, wchar_t key) {
  MenuVisit seen;
  seen.Key = key;
  visit = &seen;
  SetTimer(nullptr, 0, 100, AnswerMenu);
  open();
  Pump();
  visit = nullptr;
  return seen.Height;
}

// The skin's menu items are 20 pixels high: a normal or maximized window offers five commands,
// one in the tray two (Restore, Close), each with the separator and the frame.
TEST_F(FrameFinish, SystemMenuComesFromTheSkinWithTheItemsOfTheState) {
  ShowNow();
  const int normal =
      TypeIntoMenu([&] { PostMessageW(window, WM_SYSKEYDOWN, VK_SPACE, 0x20390001); }, L'x');
  ASSERT_GT(normal, 0) << "Alt+Space opened no skinned menu";
  EXPECT_EQ(frame->WindowState(), S::kwsMaximized);

  const int maximized =
      TypeIntoMenu([&] { SendMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, ' '); }, L'r');
  EXPECT_EQ(maximized, normal);
  EXPECT_EQ(frame->WindowState(), S::kwsNormal);

  TypeIntoMenu(
      [&] {
        Send(window, WM_NCRBUTTONDOWN, 120, 15);
        Send(window, WM_NCRBUTTONUP, 120, 15);
      },
      L't');
  ASSERT_EQ(frame->WindowState(), S::kwsTray);
  const TSeTrayIcon* tray = frame->TrayIcon();
  ASSERT_NE(tray, nullptr);
  const int inTray = TypeIntoMenu(
      [&] { SendMessageW(tray->Window(), SE_TRAYNOTIFY, tray->Id(), WM_RBUTTONUP); }, L'r');
  EXPECT_EQ(normal - inTray, 3 * 20);
  EXPECT_EQ(frame->WindowState(), S::kwsNormal);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_FALSE(ShellKnows(tray->Window(), tray->Id()));
}

TEST_F(FrameFinish, ShowingPlaysTheTransitionForItsTime) {
  Backdrop backdrop;
  frame->Animation().SetEnabled(true);
  frame->Animation().SetTime(300);
  // The window's top-left pixel lies outside its rounded region: the white behind it stays.
  ASSERT_EQ(ScreenPixel(200, 150), RGB(255, 255, 255));
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  form->Show();
  QueryPerformanceCounter(&end);
  Pump();
  const double took = double(end.QuadPart - start.QuadPart) * 1000.0 / double(frequency.QuadPart);
  EXPECT_GE(took, 240.0);
  EXPECT_EQ(ScreenPixel(200, 150), RGB(255, 255, 255));
}

TEST_F(FrameFinish, CaptionButtonShowsHotPressedAndNormalAndClosesTheWindow) {
  ShowNow();
  ASSERT_TRUE(frame->WindowActive());
  const TRect close = Object("CloseButton")->BoundsRect();
  const RECT w = WindowRectOf(window);
  const POINT on{w.left + (close.Left + close.Right) / 2, w.top + (close.Top + close.Bottom) / 2};
  const POINT away{w.left + 200, w.top + 150};
  SetCursorPos(away.x, away.y);
  PumpFor(250);
  const std::vector<COLORREF> normal = ScreenPixels(window, close);

  SetCursorPos(on.x, on.y);
  const DWORD start = GetTickCount();
  while (ScreenPixels(window, close) == normal && GetTickCount() - start < 1000) {
    Pump();
    Sleep(2);
  }
  const DWORD took = GetTickCount() - start;
  const std::vector<COLORREF> hot = ScreenPixels(window, close);
  EXPECT_NE(hot, normal);
  // The tracking timer's period plus a paint, with room for a loaded machine.
  EXPECT_LE(took, 200u);

  Send(window, WM_NCLBUTTONDOWN, on.x - w.left, on.y - w.top);
  Pump();
  const std::vector<COLORREF> pressed = ScreenPixels(window, close);
  EXPECT_NE(pressed, normal);
  EXPECT_NE(pressed, hot);
  Send(window, WM_NCLBUTTONUP, 200, 150);
  SetCursorPos(away.x, away.y);
  PumpFor(250);
  EXPECT_EQ(ScreenPixels(window, close), normal);
  EXPECT_TRUE(IsWindowVisible(window));

  bool closing = false;
  frame->OnClose = TSeFormActionEvent([&](TObject*, bool&) { closing = true; });
  Send(window, WM_NCLBUTTONDOWN, on.x - w.left, on.y - w.top);
  Send(window, WM_NCLBUTTONUP, on.x - w.left, on.y - w.top);
  Pump();
  EXPECT_TRUE(closing);
  EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(FrameFinish, CaptionButtonsCloseUpAndRollDownTakesRollUpsPlace) {
  ShowNow();
  TSeSkinObject* rollUp = Object("RollUpButton");
  TSeSkinObject* rollDown = Object("RollDownButton");
  TSeSkinObject* trayButton = Object("TrayButton");
  ASSERT_TRUE(rollUp && rollDown && trayButton);
  EXPECT_TRUE(rollUp->Visible());
  EXPECT_FALSE(rollDown->Visible());
  const TRect rollUpWas = rollUp->BoundsRect();
  const std::vector<COLORREF> upPicture = ScreenPixels(window, rollUpWas);
  frame->DoRollup();
  Pump();
  EXPECT_FALSE(rollUp->Visible());
  EXPECT_TRUE(rollDown->Visible());
  EXPECT_EQ(rollDown->BoundsRect(), rollUpWas);
  EXPECT_NE(ScreenPixels(window, rollUpWas), upPicture);
  frame->DoRollup();
  Pump();

  // Without a minimize button the buttons left of it move right by its width.
  const TRect trayWas = trayButton->BoundsRect();
  frame->SetBorderIcons({TSeBorderIcon::kbiClose, TSeBorderIcon::kbiSystemMenu,
                         TSeBorderIcon::kbiMaximize, TSeBorderIcon::kbiRollup,
                         TSeBorderIcon::kbiTray});
  Pump();
  EXPECT_EQ(trayButton->BoundsRect(), OffsetRect(trayWas, 23, 0));
}

TEST_F(FrameFinish, SkinChangeRepaintsTheFrame) {
  ShowNow();
  const TRect caption = Rect(30, 8, 150, 24);
  const std::vector<COLORREF> before = ScreenPixels(window, caption);
  engine->SetDeltaHue(120);
  Pump();
  const std::vector<COLORREF> after = ScreenPixels(window, caption);
  ASSERT_EQ(after.size(), before.size());
  std::size_t changed = 0;
  for (std::size_t i = 0; i < after.size(); ++i) changed += after[i] != before[i];
  EXPECT_GT(changed, after.size() / 2);
}

// Shadow of size 4 over white: on the right strip from the outside in the rings carry alpha
// 120, 70, 20 and 128, likewise on the bottom strip; on the corner's diagonal 120, 120 (the
// second ring's corner pixel), 70, 128.
TEST_F(FrameFinish, ShadowRingsLieOverWhatIsBehind) {
  Backdrop backdrop;
  frame->Shadow().SetEnabled(true);
  ShowNow();
  const RECT w = WindowRectOf(window);
  const int alphas[] = {120, 70, 20, 128};
  const int diagonal[] = {120, 120, 70, 128};
  for (int k = 0; k < 4; ++k) {
    SCOPED_TRACE(k);
    const COLORREF right = ScreenPixel(w.right - 1 - k, w.top + 150);
    const COLORREF bottom = ScreenPixel(w.left + 200, w.bottom - 1 - k);
    const COLORREF corner = ScreenPixel(w.right - 1 - k, w.bottom - 1 - k);
    EXPECT_NEAR(GetRValue(right), OverWhite(alphas[k], 0x3F), 2);
    EXPECT_NEAR(GetBValue(right), OverWhite(alphas[k], 0x3F), 2);
    EXPECT_NEAR(GetGValue(bottom), OverWhite(alphas[k], 0x3F), 2);
    EXPECT_NEAR(GetRValue(corner), OverWhite(diagonal[k], 0x3F), 2);
  }
}

// Blending 128 over white: the caption and the client area alike.
TEST_F(FrameFinish, BlendingLaysTheWholeWindowOverWhatIsBehind) {
  Backdrop backdrop;
  ShowNow();
  const RECT w = WindowRectOf(window);
  const POINT points[] = {{w.left + 100, w.top + 15}, {w.left + 200, w.top + 150}};
  std::vector<COLORREF> opaque;
  for (const POINT p : points) opaque.push_back(ScreenPixel(p.x, p.y));
  form->Hide();
  Pump();
  frame->Blending().SetEnabled(true);
  frame->Blending().SetValue(128);
  ShowNow();
  for (std::size_t i = 0; i < opaque.size(); ++i) {
    SCOPED_TRACE(i);
    const COLORREF seen = ScreenPixel(points[i].x, points[i].y);
    EXPECT_NEAR(GetRValue(seen), OverWhite(128, GetRValue(opaque[i])), 3);
    EXPECT_NEAR(GetGValue(seen), OverWhite(128, GetGValue(opaque[i])), 3);
    EXPECT_NEAR(GetBValue(seen), OverWhite(128, GetBValue(opaque[i])), 3);
  }
}

// The frame keeps its painted bands between paints. What the screen shows after a repaint, a
// way back to a look painted before, or a new caption, is what the frame draws afresh (on a
// bitmap, through SE_PAINTFRAME) for the same look.
TEST_F(FrameFinish, KeptFrameShowsWhatAFreshPaintDraws) {
  ShowNow();
  ASSERT_TRUE(frame->WindowActive());
  const RECT w = WindowRectOf(window);
  const int width = w.right - w.left, height = w.bottom - w.top;
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(window, region), ERROR);
  // Every second pixel of the caption band and the bottom edge inside the region: the screen's
  // against a fresh painting's; answers how many differ of how many compared.
  const auto compare = [&](int& compared) {
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    SendMessageW(window, SE_PAINTFRAME, 0, reinterpret_cast<LPARAM>(memory));
    int differing = 0;
    compared = 0;
    for (int y = 0; y < height; y += 2) {
      if (y >= 29 && y < height - 5) continue;
      for (int x = 0; x < width; x += 2) {
        if (!PtInRegion(region, x, y)) continue;
        ++compared;
        if (GetPixel(memory, x, y) != GetPixel(screen, w.left + x, w.top + y)) ++differing;
      }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return differing;
  };
  const TRect caption = Rect(0, 0, width, 29);
  int compared = 0;
  // The screen shows a window's painting once the message loop has run.
  SendMessageW(window, WM_NCPAINT, 1, 0);
  Pump();
  EXPECT_EQ(compare(compared), 0);
  EXPECT_GT(compared, 2000);
  const std::vector<COLORREF> active = ScreenPixels(window, caption);

  SendMessageW(window, WM_NCACTIVATE, FALSE, 0);
  Pump();
  EXPECT_NE(ScreenPixels(window, caption), active) << "the inactive look did not show";
  SendMessageW(window, WM_NCACTIVATE, TRUE, 0);
  Pump();
  EXPECT_EQ(ScreenPixels(window, caption), active);
  EXPECT_EQ(compare(compared), 0);

  frame->SetCaption(L"A caption of another length");
  Pump();
  EXPECT_NE(ScreenPixels(window, caption), active) << "the new caption did not show";
  SendMessageW(window, WM_NCPAINT, 1, 0);
  Pump();
  EXPECT_EQ(compare(compared), 0);
  DeleteObject(region);
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  ++*reinterpret_cast<DWORD*>(count);
  EnumChildWindows(window, CountWindow, count);
  return TRUE;
}

// Wine answers 0 for the user objects: there the thread's windows stand in for them.
DWORD UserObjects() {
  const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  if (counted != 0) return counted;
  DWORD windows = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

// 10,000 cycles of painting and activation changes, with a resize at every 10th and a state
// change at every 50th, leak no handle. The window is hidden meanwhile: the same handles are
// made and freed, without the display's round trips.
TEST_F(FrameFinish, TenThousandCyclesLeaveTheObjectCountsAsTheyWere) {
  ShowNow();
  form->Hide();
  const auto cycle = [&](int i) {
    frame->PaintNonClient();
    SendMessageW(window, WM_NCACTIVATE, i % 2, 0);
    if (i % 10 == 0) form->SetBounds(200, 150, 400 + i % 7, 300 + i % 5);
    if (i % 50 == 0) frame->DoRollup();  // rolled up, and back at the next change
  };
  for (int i = 0; i < 80; ++i) cycle(i);
  Pump();
  const DWORD gdi = GdiObjects();
  const DWORD user = UserObjects();
  ASSERT_GT(gdi, 0u);
  for (int i = 0; i < 10000; ++i) cycle(i);
  Pump();
  EXPECT_NEAR(double(GdiObjects()), double(gdi), 4.0);
  EXPECT_NEAR(double(UserObjects()), double(user), 2.0);
  EXPECT_EQ(frame->WindowState(), S::kwsNormal);
}

}  // namespace
