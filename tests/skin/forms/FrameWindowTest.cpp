// The frame on real windows under the platform: the program's skin bound to a form, observed
// from outside (window rectangles, the region read back, hit-test answers to sent messages),
// and the hooks' order and lifetime on a plain form.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../../framework/ui/UiTestSupport.h"
#include "skin/SkinMessages.h"
#include "skin/engine/TSeSkinEngine.h"
#include "skin/forms/win/FindSkinFrame.h"
#include "skin/forms/win/TSeSkinForm.h"

namespace {

RECT WindowRectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

RECT WorkArea() {
  RECT r{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return r;
}

LRESULT HitAt(HWND window, int x, int y) {
  const RECT r = WindowRectOf(window);
  return SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(r.left + x, r.top + y));
}

void Send(HWND window, UINT msg, int x, int y) {
  const RECT r = WindowRectOf(window);
  SendMessageW(window, msg, 0, MAKELPARAM(r.left + x, r.top + y));
}

class SkinnedFrameTest : public UiTest {
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
    form->Show();
    Pump();
    window = form->Handle();
  }
  void TearDown() override {
    delete form;
    UiTest::TearDown();
  }

  TForm* form = nullptr;
  TSeSkinEngine* engine = nullptr;
  TSeSkinForm* frame = nullptr;
  HWND window = nullptr;
};

TEST_F(SkinnedFrameTest, ClientAreaAndRegionFollowTheSkin) {
  ASSERT_TRUE(frame->IsSkinned());
  EXPECT_EQ(FindSkinFrame(form), frame);
  const RECT w = WindowRectOf(window);
  RECT c{};
  GetClientRect(window, &c);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  const int width = w.right - w.left, height = w.bottom - w.top;
  EXPECT_EQ(origin.x - w.left, 5);
  EXPECT_EQ(origin.y - w.top, 29);
  EXPECT_EQ(c.right, width - 10);
  EXPECT_EQ(c.bottom, height - 34);

  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(window, region), COMPLEXREGION);
  EXPECT_FALSE(PtInRegion(region, 0, 0));
  EXPECT_FALSE(PtInRegion(region, width - 1, 0));
  EXPECT_TRUE(PtInRegion(region, width / 2, 1));
  EXPECT_TRUE(PtInRegion(region, width / 2, height / 2));
  DeleteObject(region);
}

// A hidden form gets its region when it shows, for the size it has then: resized while
// hidden, the region it shows with is the new size's, not the one it was built with.
TEST_F(SkinnedFrameTest, AHiddenFormGetsTheRegionOfItsSizeWhenItShows) {
  form->Hide();
  Pump();
  form->SetBounds(220, 170, 500, 360);
  Pump();
  form->Show();
  Pump();
  const RECT w = WindowRectOf(window);
  ASSERT_EQ(w.right - w.left, 500);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(GetWindowRgn(window, region), COMPLEXREGION);
  RECT box{};
  GetRgnBox(region, &box);
  EXPECT_EQ(box.right, 500);
  EXPECT_EQ(box.bottom, w.bottom - w.top);
  EXPECT_TRUE(PtInRegion(region, 250, 358));
  EXPECT_FALSE(PtInRegion(region, 499, 0));
  DeleteObject(region);
}

TEST_F(SkinnedFrameTest, HitZonesAnswerFromTheFormTree) {
  const RECT w = WindowRectOf(window);
  const int width = w.right - w.left, height = w.bottom - w.top;
  EXPECT_EQ(HitAt(window, width / 3, 2), HTTOP);
  EXPECT_EQ(HitAt(window, width / 3, 15), HTCAPTION);
  EXPECT_EQ(HitAt(window, 3, 15), HTTOPLEFT);
  EXPECT_EQ(HitAt(window, width - 3, 15), HTTOPRIGHT);
  EXPECT_EQ(HitAt(window, 15, 15), HTMINBUTTON);  // the system menu icon
  EXPECT_EQ(HitAt(window, 2, height / 2), HTLEFT);
  EXPECT_EQ(HitAt(window, width - 2, height / 2), HTRIGHT);
  EXPECT_EQ(HitAt(window, width / 2, height - 2), HTBOTTOM);
  EXPECT_EQ(HitAt(window, width - 2, height - 2), HTBOTTOMRIGHT);
  EXPECT_EQ(HitAt(window, 2, height - 2), HTBOTTOMLEFT);
  EXPECT_EQ(HitAt(window, width / 2, height / 2), HTCLIENT);

  frame->Dragging().SetSizeable(false);
  frame->Dragging().SetMoveable(false);
  EXPECT_EQ(HitAt(window, 2, height / 2), HTCLIENT);
  EXPECT_EQ(HitAt(window, width / 3, 15), HTCLIENT);
}

TEST_F(SkinnedFrameTest, DoubleClickMaximizesAndRestoresTheSameBounds) {
  const RECT before = WindowRectOf(window);
  Send(window, WM_NCLBUTTONDBLCLK, 120, 15);
  Pump();
  EXPECT_EQ(frame->WindowState(), TSeWindowState::kwsMaximized);
  const RECT work = WorkArea();
  const RECT max = WindowRectOf(window);
  EXPECT_EQ(max.left, work.left);
  EXPECT_EQ(max.top, work.top);
  EXPECT_EQ(max.right, work.right);
  EXPECT_EQ(max.bottom, work.bottom);
  EXPECT_EQ(HitAt(window, 2, 100), HTCLIENT);  // no sizing while maximized

  Send(window, WM_NCLBUTTONDBLCLK, 120, 15);
  Pump();
  const RECT after = WindowRectOf(window);
  EXPECT_EQ(frame->WindowState(), TSeWindowState::kwsNormal);
  EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(SkinnedFrameTest, RollupLeavesCaptionAndBottomBorderAndComesBack) {
  const RECT before = WindowRectOf(window);
  frame->DoRollup();
  Pump();
  RECT r = WindowRectOf(window);
  EXPECT_EQ(r.bottom - r.top, 29 + 5);
  EXPECT_EQ(r.right - r.left, before.right - before.left);
  frame->DoRollup();
  Pump();
  r = WindowRectOf(window);
  EXPECT_TRUE(EqualRect(&before, &r));

  frame->DoMaximize();
  frame->DoRollup();
  frame->DoRestore();
  Pump();
  EXPECT_EQ(frame->WindowState(), TSeWindowState::kwsMaximized);
}

TEST_F(SkinnedFrameTest, DraggingTheLeftEdgeStopsAtTheMinimumWidth) {
  const RECT before = WindowRectOf(window);
  Send(window, WM_NCLBUTTONDOWN, 2, 100);
  Send(window, WM_NCMOUSEMOVE, 2 + 390, 100);
  Send(window, WM_NCLBUTTONUP, 2 + 390, 100);
  const RECT r = WindowRectOf(window);
  EXPECT_EQ(r.right - r.left, 150);
  EXPECT_EQ(r.right, before.right);
}

TEST_F(SkinnedFrameTest, OutlineDragMovesTheWindowOnceOnRelease) {
  frame->Gravitation().SetEnabled(false);
  frame->Dragging().SetDragMode(TSeFormDragMode::kfdmBorder);
  const RECT before = WindowRectOf(window);
  Send(window, WM_NCLBUTTONDOWN, 120, 15);
  Send(window, WM_NCMOUSEMOVE, 160, 45);
  RECT r = WindowRectOf(window);
  EXPECT_TRUE(EqualRect(&before, &r));
  Send(window, WM_NCLBUTTONUP, 160, 45);
  r = WindowRectOf(window);
  EXPECT_EQ(r.left, before.left + 40);
  EXPECT_EQ(r.top, before.top + 30);
}

TEST_F(SkinnedFrameTest, GravitationSnapsUnderItsSizeOnly) {
  const RECT work = WorkArea();
  for (const int gap : {19, 20}) {
    form->SetBounds(work.left + 100, work.top + 100, 400, 300);
    Pump();
    Send(window, WM_NCLBUTTONDOWN, 120, 15);
    Send(window, WM_NCMOUSEMOVE, 120 - 100 + gap, 15);
    Send(window, WM_NCLBUTTONUP, 120 - 100 + gap, 15);
    EXPECT_EQ(WindowRectOf(window).left, gap == 19 ? work.left : work.left + gap) << gap;
  }
}

TEST_F(SkinnedFrameTest, RemovingTheEngineLeavesAPlainWorkingFrame) {
  delete engine;
  Pump();
  EXPECT_EQ(frame->SkinEngine(), nullptr);
  EXPECT_FALSE(frame->IsSkinned());
  EXPECT_EQ(frame->SkinCopy(), nullptr);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  EXPECT_EQ(origin.y - WindowRectOf(window).top,
            GetSystemMetrics(SM_CXFRAME) + GetSystemMetrics(SM_CYCAPTION));
  EXPECT_EQ(HitAt(window, 200, GetSystemMetrics(SM_CXFRAME) + 4), HTCAPTION);
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

// A hook that logs the messages it sees under its name and can swallow one.
class TLoggingHook : public TSeHook {
  QM_CLASS(TLoggingHook, TSeHook)
  // clang-format off
  QM_MESSAGE_TABLE(TLoggingHook, TSeHook,
    QM_MESSAGE(WM_USER + 1, Logged)
    QM_MESSAGE(WM_DESTROY, Logged))
  // clang-format on

 public:
  TLoggingHook(TComponent* owner, std::string name, std::vector<std::string>& log)
      : TSeHook(owner), name_(std::move(name)), log_(log) {}
  static void DeclareProperties(TPropertyBuilder<TLoggingHook>&) {}
  bool swallow = false;

 private:
  void Logged(TMessage& message) {
    log_.push_back(name_ + (message.Msg == WM_DESTROY ? " destroy" : " user"));
    SetHandled(swallow);
  }
  std::string name_;
  std::vector<std::string>& log_;
};

// The form's own reception of the test message.
class TLoggingForm : public TForm {
  QM_CLASS(TLoggingForm, TForm)
  // clang-format off
  QM_MESSAGE_TABLE(TLoggingForm, TForm,
    QM_MESSAGE(WM_USER + 1, Logged)
    QM_MESSAGE(WM_DESTROY, Logged))
  // clang-format on
 public:
  explicit TLoggingForm(std::vector<std::string>& log) : TForm(nullptr), log_(log) {}
  static void DeclareProperties(TPropertyBuilder<TLoggingForm>&) {}

 private:
  void Logged(TMessage& message) {
    log_.push_back(message.Msg == WM_DESTROY ? "window destroy" : "window user");
    if (message.Msg == WM_DESTROY) InheritedMessage<TLoggingForm>(message);
  }
  std::vector<std::string>& log_;
};

LRESULT CALLBACK ForeignProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
WNDPROC foreignPrevious = nullptr;
int foreignSeen = 0;
int foreignDestroys = 0;
LRESULT CALLBACK ForeignProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_USER + 1) ++foreignSeen;
  if (msg == WM_DESTROY) ++foreignDestroys;
  return CallWindowProcW(foreignPrevious, window, msg, wParam, lParam);
}

class HookTest : public UiTest {};

TEST_F(HookTest, LaterHookFirstAndHandledStopsTheChain) {
  std::vector<std::string> log;
  auto* form = new TLoggingForm(log);
  auto* first = new TLoggingHook(form, "first", log);
  auto* second = new TLoggingHook(form, "second", log);
  first->SetControl(form);
  first->SetActive(true);
  second->SetControl(form);
  second->SetActive(true);
  SendMessageW(form->Handle(), WM_USER + 1, 0, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"second user", "first user", "window user"}));

  log.clear();
  second->swallow = true;
  SendMessageW(form->Handle(), WM_USER + 1, 0, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"second user"}));

  delete form;
  Pump();
}

// The window procedure the hooks found sees WM_DESTROY even when a hook swallows it, and the
// window made again for the same control is hooked again.
TEST_F(HookTest, DestroyAlwaysReachesTheWindowAndARecreatedWindowIsHookedAgain) {
  std::vector<std::string> log;
  auto* form = new TLoggingForm(log);
  foreignDestroys = 0;
  foreignPrevious = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(form->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProc)));
  auto* first = new TLoggingHook(form, "first", log);
  auto* second = new TLoggingHook(form, "second", log);
  first->SetControl(form);
  first->SetActive(true);
  second->SetControl(form);
  second->SetActive(true);
  second->swallow = true;
  form->RecreateWnd();
  EXPECT_EQ(foreignDestroys, 1);
  EXPECT_NE(std::find(log.begin(), log.end(), "second destroy"), log.end());
  EXPECT_EQ(std::find(log.begin(), log.end(), "first destroy"), log.end());
  Pump();
  log.clear();
  second->swallow = false;
  SendMessageW(form->Handle(), WM_USER + 1, 0, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"second user", "first user", "window user"}));
  delete form;
  Pump();
}

TEST_F(HookTest, ForeignSubclassOnTopKeepsWorkingAfterUnhooking) {
  std::vector<std::string> log;
  auto* form = new TLoggingForm(log);
  auto* hook = new TLoggingHook(form, "hook", log);
  hook->SetControl(form);
  hook->SetActive(true);
  const HWND window = form->Handle();
  foreignSeen = 0;
  foreignPrevious = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProc)));
  hook->SetActive(false);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)), &ForeignProc);
  log.clear();
  SendMessageW(window, WM_USER + 1, 0, 0);
  EXPECT_EQ(foreignSeen, 1);
  EXPECT_EQ(log, (std::vector<std::string>{"window user"}));
  hook->SetActive(true);
  log.clear();
  SendMessageW(window, WM_USER + 1, 0, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"hook user", "window user"}));
  delete form;
  Pump();
}

}  // namespace
