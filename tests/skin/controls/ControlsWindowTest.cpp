// The edit and the scroll bar in real windows under real messages: keys and characters through
// the message queue, the mouse through the windows, the system clipboard, the repeat timer,
// and the skinned looks read back from the screen against the skin's own bitmaps.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "../../framework/ui/UiTestSupport.h"
#include "framework/core/ObjectText.h"
#include "framework/core/TMemoryStream.h"
#include "framework/core/TReader.h"
#include "framework/core/TWriter.h"
#include "framework/core/win/TThemeLibrary.h"
#include "framework/ui/TClipboard.h"
#include "skin/controls/win/SkinControls.h"
#include "skin/controls/win/TSeSkinEdit.h"
#include "skin/controls/win/TSeSkinMemo.h"
#include "skin/controls/win/TSeSkinScrollBar.h"
#include "skin/controls/win/ControlTree.h"
#include "skin/engine/TSeSkinEngine.h"
#include "skin/objects/SeKeyRepeat.h"

namespace {

// Shift and Ctrl held in the thread's key state while alive.
class HeldKeys {
 public:
  HeldKeys(bool shift, bool ctrl) {
    GetKeyboardState(saved_);
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_SHIFT] = shift ? 0x80 : 0;
    state[VK_CONTROL] = ctrl ? 0x80 : 0;
    SetKeyboardState(state);
  }
  ~HeldKeys() { SetKeyboardState(saved_); }
  HeldKeys(const HeldKeys&) = delete;
  HeldKeys& operator=(const HeldKeys&) = delete;

 private:
  BYTE saved_[256];
};

LPARAM At(int x, int y) {
  return MAKELPARAM(x, y);
}

// Handles messages, timers included, for about ms milliseconds.
void PumpFor(DWORD ms) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    Application->ProcessMessages();
    Sleep(5);
  }
}

std::string WinPath(const char* path) {
  return std::string("Z:") + path;
}

class ControlsTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    RegisterSkinControls();
    form = NewForm(320, 200);
  }
  void TearDown() override {
    delete form;
    UiTest::TearDown();
  }

  TSeSkinEdit* NewEdit(int top) {
    auto* e = new TSeSkinEdit(form);
    e->SetParent(form);
    e->SetBounds(10, top, 150, 21);
    return e;
  }
  void ShowForm() {
    form->Show();
    SetForegroundWindow(form->Handle());
    Pump();
  }
  void Type(TSeCustomEdit* e, const std::wstring& text) {
    for (wchar_t c : text) PostMessageW(e->Handle(), WM_CHAR, c, 1);
    Pump();
  }
  void Key(TSeCustomEdit* e, WORD key, bool shift = false, bool ctrl = false) {
    HeldKeys held(shift, ctrl);
    PostMessageW(e->Handle(), WM_KEYDOWN, key, 1);
    PostMessageW(e->Handle(), WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    Pump();
  }
  static std::wstring TextOf(TSeCustomEdit* e) { return e->Text(); }

  TForm* form = nullptr;
};

// Every undo edge case through typed characters and keys.
TEST_F(ControlsTest, EditUndoThroughKeys) {
  TSeSkinEdit* e = NewEdit(10);
  ShowForm();
  e->SetFocus();
  Pump();
  ASSERT_EQ(GetFocus(), e->Handle());

  Type(e, L"abc");
  Key(e, 'Z', false, true);
  EXPECT_EQ(TextOf(e), L"") << "a typed run goes at once";
  EXPECT_TRUE(e->UndoStack().Empty());

  Type(e, L"abcdef");
  for (int i = 0; i < 3; ++i) Key(e, VK_BACK);
  EXPECT_EQ(TextOf(e), L"abc");
  Key(e, 'Z', false, true);
  EXPECT_EQ(TextOf(e), L"abcdef") << "a Backspace run comes back in order";
  EXPECT_EQ(e->SelStart(), 3);
  EXPECT_EQ(e->SelLength(), 3);

  e->SetText(L"abcd");
  Key(e, VK_HOME);
  Key(e, VK_RIGHT);
  Key(e, VK_RIGHT, true);
  Key(e, VK_RIGHT, true);
  Type(e, L"x");
  EXPECT_EQ(TextOf(e), L"axd");
  Key(e, 'Z', false, true);
  EXPECT_EQ(TextOf(e), L"abcd") << "one undo takes the typed character and the replaced text";
  EXPECT_EQ(e->SelStart(), 1);
  EXPECT_EQ(e->SelLength(), 2);

  Key(e, VK_END);
  const std::size_t records = e->UndoStack().Count();
  Key(e, VK_DELETE);
  Key(e, VK_HOME);
  Key(e, VK_BACK);
  EXPECT_EQ(TextOf(e), L"abcd");
  EXPECT_EQ(e->UndoStack().Count(), records) << "Delete at the end, Backspace at 0";

  e->SetText(L"abc");
  e->SetMaxLength(3);
  Key(e, VK_END);
  Type(e, L"d");
  EXPECT_EQ(TextOf(e), L"abc");
  EXPECT_EQ(e->UndoStack().Count(), records);
}

TEST_F(ControlsTest, EditClipboardPasswordAndShiftDelete) {
  TSeSkinEdit* e = NewEdit(10);
  ShowForm();
  e->SetFocus();
  Pump();
  Clipboard().SetAsText(L"sentinel");

  Type(e, L"abcd");
  Key(e, VK_LEFT, true);
  Key(e, VK_LEFT, true);
  Key(e, 'C', false, true);
  EXPECT_EQ(Clipboard().AsText(), L"cd");
  Key(e, VK_DELETE, true);
  EXPECT_EQ(TextOf(e), L"ab") << "Shift+Delete cuts";
  EXPECT_EQ(Clipboard().AsText(), L"cd");
  Key(e, 'V', false, true);
  Key(e, 'V', false, true);
  EXPECT_EQ(TextOf(e), L"abcdcd");

  Clipboard().SetAsText(L"sentinel");
  e->SetPasswordKind(TPasswordKind::pkCircle);
  Key(e, VK_HOME, true);
  Key(e, 'C', false, true);
  EXPECT_EQ(Clipboard().AsText(), L"sentinel") << "a password is never copied";
  Key(e, 'X', false, true);
  EXPECT_EQ(Clipboard().AsText(), L"sentinel") << "nor cut";
  EXPECT_EQ(TextOf(e), L"") << "but Cut still deletes";
}

TEST_F(ControlsTest, EditAutoSelectCharCaseAndWideCharacters) {
  TSeSkinEdit* other = NewEdit(50);
  TSeSkinEdit* e = NewEdit(10);
  e->SetTabOrder(0);
  e->SetText(L"hello");
  ShowForm();
  other->SetFocus();
  Pump();
  Key(other, VK_TAB, true);
  ASSERT_EQ(GetFocus(), e->Handle());
  EXPECT_EQ(e->SelStart(), 0) << "keyboard focus selects all, caret at the start";
  EXPECT_EQ(e->SelLength(), 5);
  EXPECT_EQ(e->CaretPos(), 0);

  // A click just short of the end of "he" puts the caret after it and selects nothing.
  other->SetFocus();
  Pump();
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, e->FontHandle());
  SIZE he{};
  GetTextExtentPoint32W(dc, L"he", 2, &he);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  const int x = e->GetInnerRect().left + he.cx - 1;
  PostMessageW(e->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(x, 8));
  PostMessageW(e->Handle(), WM_LBUTTONUP, 0, At(x, 8));
  Pump();
  ASSERT_EQ(GetFocus(), e->Handle());
  EXPECT_EQ(e->SelLength(), 0);
  EXPECT_EQ(e->CaretPos(), 2);

  e->SetText(L"");
  e->SetCharCase(TEditCharCase::ecUpperCase);
  Type(e, L"ab");
  EXPECT_EQ(TextOf(e), L"AB");

  // U+1F600 arrives as two units and goes as one character.
  e->SetCharCase(TEditCharCase::ecNormal);
  e->SetText(L"");
  Type(e,
       L"a\xD83D\xDE00"
       L"b");
  EXPECT_EQ(TextOf(e),
            L"a\xD83D\xDE00"
            L"b");
  Key(e, VK_LEFT);
  EXPECT_EQ(e->CaretPos(), 3);
  Key(e, VK_BACK);
  EXPECT_EQ(TextOf(e), L"ab");
  EXPECT_EQ(e->CaretPos(), 1);
}

class ScrollBarTest : public ControlsTest {
 protected:
  TSeCustomScrollBar* NewBar(int width) {
    auto* b = new TSeCustomScrollBar(form);
    b->SetParent(form);
    b->SetBounds(10, 10, width, 17);
    return b;
  }
  // The mouse through the form, which hands it to the windowless bar.
  void Press(int x) { PostMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(10 + x, 18)); }
  void Move(int x) { PostMessageW(form->Handle(), WM_MOUSEMOVE, MK_LBUTTON, At(10 + x, 18)); }
  void Release(int x) { PostMessageW(form->Handle(), WM_LBUTTONUP, 0, At(10 + x, 18)); }
};

TEST_F(ScrollBarTest, ClampingAndPaging) {
  TSeCustomScrollBar* b = NewBar(121);
  int changes = 0;
  b->OnChange = TNotifyEvent([&](TObject*) { ++changes; });
  b->SetPosition(150);
  EXPECT_EQ(b->Position(), 100);
  b->SetPosition(100);
  EXPECT_EQ(changes, 1) << "the same position again fires nothing";
  b->SetPageSize(500);
  EXPECT_EQ(b->PageSize(), 101);
  b->SetMax(-5);
  EXPECT_EQ(b->Max(), 0);
  EXPECT_EQ(b->Position(), 0);

  b->SetMax(100);
  b->SetPageSize(0);
  b->SetLargeChange(10);
  ShowForm();
  // Just before the second button is the page area after the thumb.
  const int metric = GetSystemMetrics(SM_CXHTHUMB);
  Press(120 - metric - 2);
  Release(120 - metric - 2);
  Pump();
  EXPECT_EQ(b->Position(), 10);
}

TEST_F(ScrollBarTest, ThumbDraggedFromItsFirstPixel) {
  TSeCustomScrollBar* b = NewBar(121);
  ShowForm();
  const int m = GetSystemMetrics(SM_CXHTHUMB);
  // Border 1, buttons m: the track runs from 1 + m over 119 - 2m, the thumb is m long.
  const int trackStart = 1 + m;
  const int travel = 119 - 3 * m;
  Press(trackStart);
  Move(trackStart + 30);
  Pump();
  EXPECT_TRUE(b->Dragging());
  Release(trackStart + 30);
  Pump();
  EXPECT_EQ(b->Position(), (100 * 30 + travel / 2) / travel);
  EXPECT_FALSE(b->Dragging());
}

TEST_F(ScrollBarTest, ShortBarHasHalfButtons) {
  TSeCustomScrollBar* b = NewBar(30);
  b->SetPosition(50);
  ShowForm();
  // Inner length 28: buttons of 14, the second from 15 on (a full-size first one would take
  // this press as a step up).
  Press(16);
  Release(16);
  Pump();
  EXPECT_EQ(b->Position(), 51);
}

TEST_F(ScrollBarTest, ButtonRepeatWaitsTheDelayThenSteps) {
  TSeCustomScrollBar* b = NewBar(121);
  ShowForm();
  const int delay = KeyRepeatDelay();
  Press(118);
  PumpFor(static_cast<DWORD>(delay - 100));
  EXPECT_EQ(b->Position(), 1) << "one step at once, then nothing until the delay";
  PumpFor(static_cast<DWORD>(300 + 3 * KeyRepeatInterval()));
  EXPECT_GE(b->Position(), 3);
  Release(118);
  Pump();
  const int stopped = b->Position();
  PumpFor(200);
  EXPECT_EQ(b->Position(), stopped) << "the release stops the repeat";
}

// The pixel of a skin bitmap file, as the platform reads it.
COLORREF BitmapPixel(const char* file, int x, int y) {
  const std::wstring path = L"Z:" + std::wstring(file, file + std::strlen(file));
  HBITMAP bmp = static_cast<HBITMAP>(
      LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  EXPECT_NE(bmp, nullptr) << file;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bmp);
  const COLORREF c = GetPixel(dc, x, y);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(bmp);
  return c;
}

COLORREF ScreenPixel(HWND window, int x, int y) {
  UpdateWindow(window);
  Pump();
  HDC dc = GetDC(window);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return c;
}

TEST_F(ControlsTest, SkinnedLooksPaintTheirPicturePerState) {
  auto* engine = new TSeSkinEngine(form);
  engine->SetSkinFile(WinPath(QM_PROGRAM_SKIN_FILE));
  TSeSkinEdit* e = NewEdit(10);
  TSeSkinEdit* other = NewEdit(100);
  e->SetSkinEngine(engine);
  ShowForm();
  other->SetFocus();
  Pump();
  ASSERT_TRUE(e->IsSkinActive());

  // The frame covers the whole control, bevels and border included: its top edge (the middle
  // of the 8-pixel state strip of EDIT.BMP, stretched) is the control's first row, its left
  // and right edges its outer columns; inside, the text area shows the edit's colour.
  const std::string edit = std::string(QM_SOURCE_DIR) + "/resources/skin/bitmaps/EDIT.BMP";
  auto editPixel = [&] { return ScreenPixel(e->Handle(), e->Width() / 2, 0); };
  EXPECT_EQ(editPixel(), BitmapPixel(edit.c_str(), 4, 0)) << "normal";
  EXPECT_EQ(ScreenPixel(e->Handle(), 0, e->Height() / 2), BitmapPixel(edit.c_str(), 0, 4));
  EXPECT_EQ(ScreenPixel(e->Handle(), e->Width() - 1, e->Height() / 2),
            BitmapPixel(edit.c_str(), 7, 4));
  EXPECT_EQ(ScreenPixel(e->Handle(), 3, e->Height() / 2), ColorToRGB(e->Color()));
  // The pointer really over the edit: the framework's enter tracking asks where it is.
  const POINT over = e->ClientToScreen(POINT{20, 8});
  SetCursorPos(over.x, over.y);
  PostMessageW(e->Handle(), WM_MOUSEMOVE, 0, At(20, 8));
  Pump();
  EXPECT_EQ(editPixel(), BitmapPixel(edit.c_str(), 12, 0)) << "hot";
  const POINT away = form->ClientToScreen(POINT{300, 190});
  SetCursorPos(away.x, away.y);
  PostMessageW(form->Handle(), WM_MOUSEMOVE, 0, At(300, 190));
  Pump();
  e->SetFocus();
  Pump();
  EXPECT_EQ(editPixel(), BitmapPixel(edit.c_str(), 20, 0)) << "focused";
  other->SetFocus();
  e->SetEnabled(false);
  Pump();
  EXPECT_EQ(editPixel(), BitmapPixel(edit.c_str(), 28, 0)) << "disabled";

  // The bar's first button: SCROLLBUTTON.BMP has one 17-pixel row per state.
  auto* bar = new TSeSkinScrollBar(form);
  bar->SetParent(form);
  bar->SetBounds(10, 60, 121, 17);
  bar->SetSkinEngine(engine);
  Pump();
  const std::string button =
      std::string(QM_SOURCE_DIR) + "/resources/skin/bitmaps/SCROLLBUTTON.BMP";
  auto barPixel = [&] { return ScreenPixel(form->Handle(), 10 + 2, 60 + 2); };
  EXPECT_EQ(barPixel(), BitmapPixel(button.c_str(), 2, 2)) << "normal";
  PostMessageW(form->Handle(), WM_MOUSEMOVE, 0, At(10 + 8, 60 + 8));
  Pump();
  EXPECT_EQ(barPixel(), BitmapPixel(button.c_str(), 2, 17 + 2)) << "hot";
  PostMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(10 + 8, 60 + 8));
  Pump();
  EXPECT_EQ(barPixel(), BitmapPixel(button.c_str(), 2, 34 + 2)) << "pressed";
  PostMessageW(form->Handle(), WM_LBUTTONUP, 0, At(10 + 8, 60 + 8));
  Pump();
  bar->SetEnabled(false);
  Pump();
  EXPECT_EQ(barPixel(), BitmapPixel(button.c_str(), 2, 51 + 2)) << "disabled";
}

// The memo: its covering bars against the platform's own, its skin, its text across skin
// changes. The platform's bars are the reference: GetScrollBarInfo and GetScrollInfo.
class MemoTest : public ControlsTest {
 protected:
  TSeSkinMemo* NewMemo(TScrollStyle bars) {
    auto* m = new TSeSkinMemo(form);
    m->SetParent(form);
    m->SetBounds(10, 10, 200, 120);
    m->SetScrollBars(bars);
    return m;
  }
  void Fill(TSeSkinMemo* m, int lines) {
    for (int i = 0; i < lines; ++i)
      m->Lines().Add(u"line " + std::u16string(1, static_cast<char16_t>(u'a' + i % 26)));
    Pump();
  }
  static SCROLLINFO PlatformBar(TSeSkinMemo* m, int bar) {
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    GetScrollInfo(m->Handle(), bar, &si);
    return si;
  }
  static int FirstLine(TSeSkinMemo* m) {
    return static_cast<int>(SendMessageW(m->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
  }
  // A click through the covering bar's window.
  static void Click(TSeInplaceScrollBar* bar, int x, int y) {
    PostMessageW(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
    PostMessageW(bar->Handle(), WM_LBUTTONUP, 0, At(x, y));
    Pump();
  }
  static void TypeInto(TSeSkinMemo* m, const std::wstring& text) {
    for (wchar_t c : text) PostMessageW(m->Handle(), WM_CHAR, c, 1);
    Pump();
  }
  void MemoKey(TSeSkinMemo* m, WORD key, bool ctrl = false) {
    HeldKeys held(false, ctrl);
    PostMessageW(m->Handle(), WM_KEYDOWN, key, 1);
    PostMessageW(m->Handle(), WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    Pump();
  }
  TSeSkinEngine* NewEngine() {
    auto* engine = new TSeSkinEngine(form);
    engine->SetSkinFile(WinPath(QM_PROGRAM_SKIN_FILE));
    return engine;
  }
};

TEST_F(MemoTest, CoveringBarsFollowAndDriveThePlatformBars) {
  TSeSkinMemo* m = NewMemo(ssBoth);
  m->SetSkinEngine(NewEngine());
  ShowForm();
  Fill(m, 40);
  TSeInplaceScrollBar* v = m->ScrollBarCover().Vertical();
  ASSERT_TRUE(v && m->ScrollBarCover().Horizontal());
  EXPECT_TRUE(v->Bar().IsSkinActive()) << "the bars share the memo's engine";

  // Over the platform's bar, with its range; both bars shown.
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetScrollBarInfo(m->Handle(), OBJID_VSCROLL, &info));
  RECT placed{};
  GetWindowRect(v->Handle(), &placed);
  EXPECT_TRUE(EqualRect(&placed, &info.rcScrollBar));
  EXPECT_TRUE(IsWindowVisible(v->Handle()));
  EXPECT_TRUE(IsWindowVisible(m->ScrollBarCover().Horizontal()->Handle()));
  SCROLLINFO si = PlatformBar(m, SB_VERT);
  ASSERT_GE(si.nMax, 39) << "forty lines";
  EXPECT_EQ(v->Bar().Max(), si.nMax);
  EXPECT_EQ(v->Bar().PageSize(), static_cast<int>(si.nPage));
  EXPECT_EQ(v->Bar().Position(), si.nPos);

  // Keys scroll the memo; the bar follows.
  m->SetFocus();
  Pump();
  MemoKey(m, VK_HOME, true);
  EXPECT_EQ(v->Bar().Position(), 0);
  MemoKey(m, VK_END, true);
  si = PlatformBar(m, SB_VERT);
  ASSERT_GT(si.nPos, 0);
  EXPECT_EQ(v->Bar().Position(), si.nPos);
  MemoKey(m, VK_HOME, true);
  EXPECT_EQ(v->Bar().Position(), 0);

  // The bar's second button scrolls one line, the track after the thumb a page.
  const int w = v->Width();
  const int h = v->Height();
  Click(v, w / 2, h - 3);
  EXPECT_EQ(FirstLine(m), 1);
  EXPECT_EQ(v->Bar().Position(), 1);
  const int thumbEnd = v->Bar().Model().ThumbRect().Bottom;
  Click(v, w / 2, thumbEnd + 3);
  si = PlatformBar(m, SB_VERT);
  EXPECT_GT(FirstLine(m), 2) << "a page, not a line";
  EXPECT_EQ(si.nPos, FirstLine(m));
  EXPECT_EQ(v->Bar().Position(), si.nPos);
}

TEST_F(MemoTest, VerticalOnlyHidesTheHorizontalBar) {
  TSeSkinMemo* m = NewMemo(ssVertical);
  m->SetWordWrap(false);
  ShowForm();
  Fill(m, 30);
  m->Lines().Add(std::u16string(200, u'w'));
  Pump();
  EXPECT_TRUE(IsWindowVisible(m->ScrollBarCover().Vertical()->Handle()));
  EXPECT_FALSE(IsWindowVisible(m->ScrollBarCover().Horizontal()->Handle()));
}

// The window's own pixel, frame included.
COLORREF FramePixel(HWND window, int x, int y) {
  UpdateWindow(window);
  Pump();
  HDC dc = GetWindowDC(window);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return c;
}

TEST_F(MemoTest, ColourAndFrameComeFromTheSkin) {
  TSeSkinMemo* m = NewMemo(ssNone);
  m->SetColor(clYellow);
  ShowForm();
  auto background = [&] { return ScreenPixel(m->Handle(), m->ClientWidth() - 4, 40); };
  ASSERT_EQ(background(), RGB(255, 255, 0));
  m->SetSkinEngine(NewEngine());
  Pump();
  EXPECT_EQ(m->Color(), clWhite) << "the \"Edit\" object's colour";
  EXPECT_EQ(background(), RGB(255, 255, 255));

  // The frame's top edge stretches the middle of its state's strip of EDIT.BMP.
  const std::string edit = std::string(QM_SOURCE_DIR) + "/resources/skin/bitmaps/EDIT.BMP";
  EXPECT_EQ(FramePixel(m->Handle(), m->Width() / 2, 0), BitmapPixel(edit.c_str(), 4, 0));
  m->SetEnabled(false);
  Pump();
  EXPECT_EQ(FramePixel(m->Handle(), m->Width() / 2, 0), BitmapPixel(edit.c_str(), 28, 0))
      << "disabled";
}

// The plain frame's top edge: the visual styles' "Edit" picture (normal state) drawn by the
// platform, or the classic sunken edge.
COLORREF PlainFramePixel(TSeSkinMemo* m) {
  if (!StylesActive(m->Handle(), L"Edit")) return ColorToRGB(clBtnShadow);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, m->Width(), m->Height());
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bmp);
  const RECT r{0, 0, m->Width(), m->Height()};
  Handles::Theme theme = Handles::OpenTheme(m->Handle(), L"Edit");
  ThemeLibrary().DrawThemeBackground(theme.Get(), dc, 1, 1, &r, nullptr);
  const COLORREF c = GetPixel(dc, m->Width() / 2, 0);
  SelectObject(dc, old);
  DeleteObject(bmp);
  DeleteDC(dc);
  return c;
}

TEST_F(MemoTest, TextSurvivesASkinChangeAndTheEngineGoing) {
  TSeSkinMemo* m = NewMemo(ssBoth);
  TSeSkinEngine* engine = NewEngine();
  m->SetSkinEngine(engine);
  ShowForm();
  m->Lines().Add(u"alpha");
  m->Lines().Add(u"beta");
  engine->SetSkinFile(WinPath(QM_PROGRAM_SKIN_FILE));
  Pump();
  EXPECT_TRUE(m->IsSkinActive());
  EXPECT_EQ(m->Text(), L"alpha\r\nbeta\r\n");

  delete engine;
  Pump();
  EXPECT_FALSE(m->IsSkinActive());
  EXPECT_EQ(m->SkinEngine(), nullptr);
  EXPECT_FALSE(m->ScrollBarCover().Vertical()->Bar().IsSkinActive());
  EXPECT_EQ(FramePixel(m->Handle(), m->Width() / 2, 0), PlainFramePixel(m)) << "plain";
  EXPECT_EQ(m->Text(), L"alpha\r\nbeta\r\n");

  // Still a working memo: typing, Enter for a new line, select all and copy.
  m->SetFocus();
  Pump();
  MemoKey(m, VK_END, true);
  TypeInto(m, L"x");
  MemoKey(m, VK_RETURN);
  TypeInto(m, L"y");
  EXPECT_EQ(m->Text(), L"alpha\r\nbeta\r\nx\r\ny");
  EXPECT_EQ(m->Lines().Count(), 4);
  m->SelectAll();
  m->CopyToClipboard();
  EXPECT_EQ(Clipboard().AsText(), L"alpha\r\nbeta\r\nx\r\ny");
}

// A window definition naming the memo as the program's do: every property arrives, the skin's
// colour wins over the stored one, and the covering bars are never written back.
TEST_F(MemoTest, DefinitionStreamsTheMemo) {
  const std::string text = std::string(
                               "object MemoForm: TForm\n"
                               "  object SeSkinEngine1: TSeSkinEngine\n"
                               "    SkinFile = '") +
                           WinPath(QM_PROGRAM_SKIN_FILE) +
                           "'\n"
                           "  end\n"
                           "  object SeSkinMemo1: TSeSkinMemo\n"
                           "    Left = 8\n"
                           "    Top = 8\n"
                           "    Width = 200\n"
                           "    Height = 100\n"
                           "    Color = clYellow\n"
                           "    Lines.Strings = (\n"
                           "      'one'\n"
                           "      'two')\n"
                           "    ScrollBars = ssVertical\n"
                           "    TabOrder = 0\n"
                           "    SkinEngine = SeSkinEngine1\n"
                           "  end\n"
                           "end\n";
  const std::vector<std::uint8_t> binary = ObjectTextToBinary(text);
  TMemoryStream in;
  in.WriteBuffer(binary.data(), binary.size());
  in.SetPosition(0);
  TReader(in).ReadRootComponent(form);
  auto* m = ObjectAs<TSeSkinMemo>(form->FindComponent("SeSkinMemo1"));
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->Parent(), form);
  EXPECT_EQ(m->Lines().Count(), 2);
  EXPECT_EQ(m->Lines()[1], u"two");
  EXPECT_EQ(m->ScrollBars(), ssVertical);
  EXPECT_EQ(m->SkinEngine(), form->FindComponent("SeSkinEngine1"));
  EXPECT_TRUE(m->IsSkinActive());
  EXPECT_EQ(m->Color(), clWhite);

  TMemoryStream out;
  TWriter(out).WriteRootComponent(*form);
  out.SetPosition(0);
  const std::string written = ObjectBinaryToText(out.Bytes());
  EXPECT_NE(written.find("SkinEngine = SeSkinEngine1"), std::string::npos) << written;
  EXPECT_NE(written.find("ScrollBars = ssVertical"), std::string::npos);
  ASSERT_NE(written.find("object SeSkinMemo1"), std::string::npos) << written;
  const std::string memo = written.substr(written.find("object SeSkinMemo1"));
  EXPECT_EQ(memo.find("Version"), std::string::npos);
  EXPECT_EQ(memo.find("TSeInplaceScrollBar"), std::string::npos);
  EXPECT_EQ(written.find("TSeInplaceScrollBar"), std::string::npos);
}

}  // namespace
