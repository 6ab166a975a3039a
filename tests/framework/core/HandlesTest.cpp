// The handle owners: however an owner is moved, assigned, reset or given up, each handle is
// freed exactly once, by its last owner, and not before.
#include "framework/core/win/Handles.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "tests/support/GdiObjects.h"

namespace {

// A handle that only counts its frees.
std::map<int, int> closed;

struct CountedTraits {
  using Handle = int;
  static Handle Null() { return 0; }
  static void Close(Handle handle) { ++closed[handle]; }
};
using Counted = Handles::UniqueHandle<CountedTraits>;

TEST(HandleOwners, EveryMoveLeavesOneOwnerAndEachHandleIsFreedOnce) {
  closed.clear();
  {
    Counted a(1);
    Counted b(std::move(a));  // a is empty now
    EXPECT_FALSE(a);
    EXPECT_EQ(b.Get(), 1);

    Counted c(2);
    c = std::move(b);  // 2 goes, 1 moves on
    EXPECT_EQ(closed, (std::map<int, int>{{2, 1}}));
    auto& self = c;
    c = std::move(self);  // to itself: nothing happens
    EXPECT_EQ(c.Get(), 1);

    c.Reset(1);  // the same handle again: kept
    c.Reset(3);  // 1 goes
    Counted d(c.Release());
    EXPECT_FALSE(c);
    Counted e;
    e = std::move(d);  // into an empty owner
    EXPECT_EQ(closed, (std::map<int, int>{{1, 1}, {2, 1}}));

    // Owners moved about inside a growing container.
    std::vector<Counted> many;
    for (int i = 10; i < 40; ++i) many.emplace_back(i);
    many.erase(many.begin() + 5);  // 15 goes
    EXPECT_EQ(closed[15], 1);
  }
  EXPECT_EQ(closed[3], 1);
  for (int i = 1; i < 40; ++i) {
    if (i >= 4 && i < 10) continue;
    EXPECT_EQ(closed[i], 1) << i;
  }
}

TEST(HandleOwners, GdiObjectsAndContextsLiveExactlyAsLongAsTheirLastOwner) {
  const HBITMAP bitmap = CreateBitmap(4, 4, 1, 32, nullptr);
  const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  const HPEN pen = CreatePen(PS_SOLID, 1, 0);
  const HFONT font =
      CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
  const HRGN region = CreateRectRgn(0, 0, 3, 3);
  const HDC dc = CreateCompatibleDC(nullptr);
  // Counted once they exist: the first font and DC also fill the system's own caches.
  const DWORD withThem = GdiObjects();
  ASSERT_GT(withThem, 6u);
  {
    Handles::Bitmap ownBitmap(bitmap);
    Handles::Brush ownBrush(brush);
    Handles::Pen ownPen(pen);
    Handles::Font ownFont(font);
    Handles::Region ownRegion(region);
    Handles::CreatedDC ownDC(dc);
    {
      // Selected into the context and moved with it: the old pen is back when it goes.
      const HGDIOBJ original = GetCurrentObject(dc, OBJ_PEN);
      Handles::SelectedObject selected(dc, pen);
      Handles::SelectedObject movedSelection = std::move(selected);
      EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
      movedSelection.Reset();
      EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), original);
    }

    Handles::Bitmap movedBitmap = std::move(ownBitmap);
    Handles::Brush assignedBrush(CreateSolidBrush(RGB(4, 5, 6)));
    const HBRUSH replaced = assignedBrush.Get();
    assignedBrush = std::move(ownBrush);
    EXPECT_EQ(GetObjectType(replaced), 0u);  // the brush it held went at once
    std::vector<Handles::Pen> pens;
    pens.push_back(std::move(ownPen));
    for (int i = 0; i < 8; ++i) pens.emplace_back(CreatePen(PS_DOT, 1, 0));
    Handles::Font movedFont(std::move(ownFont));
    Handles::Region movedRegion;
    movedRegion = std::move(ownRegion);
    Handles::CreatedDC movedDC(std::move(ownDC));

    EXPECT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
    EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_EQ(GetObjectType(pen), static_cast<DWORD>(OBJ_PEN));
    EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
    EXPECT_EQ(GetObjectType(region), static_cast<DWORD>(OBJ_REGION));
    EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));
    EXPECT_EQ(GdiObjects(), withThem + 8);
  }
  for (HGDIOBJ gone :
       {static_cast<HGDIOBJ>(bitmap), static_cast<HGDIOBJ>(brush), static_cast<HGDIOBJ>(pen),
        static_cast<HGDIOBJ>(font), static_cast<HGDIOBJ>(region), static_cast<HGDIOBJ>(dc)})
    EXPECT_EQ(GetObjectType(gone), 0u) << gone;
  EXPECT_EQ(GdiObjects(), withThem - 6);
}

TEST(HandleOwners, WindowsMenusAndIconsGoWithTheirOwnerAndSharedIconsStay) {
  const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
  const HMENU menu = CreatePopupMenu();
  BYTE andMask[32 * 4] = {};
  BYTE xorMask[32 * 4] = {};
  const HICON icon = CreateIcon(GetModuleHandleW(nullptr), 32, 32, 1, 1, andMask, xorMask);
  // An icon that belongs to someone else (as a shared system icon does).
  const HICON lent = CreateIcon(GetModuleHandleW(nullptr), 32, 32, 1, 1, andMask, xorMask);
  ASSERT_TRUE(window && menu && icon && lent);
  {
    Handles::Window ownWindow(window);
    Handles::Menu ownMenu(menu);
    Handles::Icon ownIcon(icon);
    Handles::Icon shared = Handles::SharedIcon(lent);
    Handles::Window movedWindow = std::move(ownWindow);
    Handles::Menu movedMenu;
    movedMenu = std::move(ownMenu);
    Handles::Icon movedIcon(std::move(ownIcon));
    Handles::Icon movedShared(std::move(shared));  // the shared flag moves with the handle
    Handles::Icon assignedShared;
    assignedShared = std::move(movedShared);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(IsMenu(menu));
  }
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(IsMenu(menu));
  EXPECT_FALSE(DestroyIcon(icon));  // already gone
  EXPECT_TRUE(DestroyIcon(lent));   // left to whom it belongs
}

}  // namespace

namespace {

TEST(HandleOwners, ATrayIconIsRemovedByItsLastOwner) {
  const Handles::Window window(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                               nullptr, GetModuleHandleW(nullptr), nullptr));
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = window.Get();
  data.uID = 7;
  data.uFlags = NIF_ICON | NIF_TIP;
  data.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  Handles::TrayIcon moved;
  {
    Handles::TrayIcon icon = Handles::AddTrayIcon(data);
    ASSERT_TRUE(icon);
    moved = std::move(icon);
  }
  // Still there: changing it works.
  EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &data));
  moved.Reset();
  EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &data));
}

}  // namespace
