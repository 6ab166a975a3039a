// Proves that the Windows tests drive the real platform: a real window, real messages, real
// GDI painting into a DIB section whose pixels are read back.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

constexpr UINT WM_TEST_PING = WM_APP + 1;
constexpr COLORREF kFill = RGB(0x20, 0x60, 0xC0);

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TEST_PING:
      return static_cast<LRESULT>(wParam * 2 + 1);
    case WM_PRINTCLIENT: {
      RECT client;
      GetClientRect(window, &client);
      HBRUSH brush = CreateSolidBrush(kFill);
      FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
      DeleteObject(brush);
      return 0;
    }
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

class WineWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSW wc{};
    wc.lpfnWndProc = TestWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"QmHarnessWindow";
    RegisterClassW(&wc);
    window_ = CreateWindowExW(0, wc.lpszClassName, L"Harness", WS_OVERLAPPEDWINDOW, 10, 10,
                              200, 120, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override {
    if (window_) DestroyWindow(window_);
  }
  HWND window_ = nullptr;
};

TEST_F(WineWindow, AnswersASentMessage) {
  EXPECT_EQ(SendMessageW(window_, WM_TEST_PING, 20, 0), 41);
}

TEST_F(WineWindow, PaintsIntoABitmapWhosePixelsAreChecked) {
  RECT client;
  GetClientRect(window_, &client);
  ASSERT_GT(client.right, 0);
  ASSERT_GT(client.bottom, 0);

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = client.right;
  info.bmiHeader.biHeight = -client.bottom;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(dib, nullptr);
  HGDIOBJ old = SelectObject(dc, dib);

  SendMessageW(window_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  GdiFlush();

  const auto* pixels = static_cast<const DWORD*>(bits);
  const DWORD expected = (GetRValue(kFill) << 16) | (GetGValue(kFill) << 8) | GetBValue(kFill);
  EXPECT_EQ(pixels[0] & 0xFFFFFF, expected);
  EXPECT_EQ(pixels[client.bottom * client.right - 1] & 0xFFFFFF, expected);

  SelectObject(dc, old);
  DeleteObject(dib);
  DeleteDC(dc);
}

TEST_F(WineWindow, ShowsOnTheDisplay) {
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
  EXPECT_TRUE(IsWindowVisible(window_));
  RECT rect;
  ASSERT_TRUE(GetWindowRect(window_, &rect));
  EXPECT_EQ(rect.right - rect.left, 200);
}

}  // namespace

namespace {

// The harness pins the locale, so that tests which depend on the ANSI code page are repeatable.
TEST(WineEnvironment, RunsWithTheWesternCodePage) { EXPECT_EQ(GetACP(), 1252u); }

}  // namespace
