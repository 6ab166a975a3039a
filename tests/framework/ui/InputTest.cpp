// Mouse and keyboard through real windows: enter and leave across windowed and windowless
// controls, capture while a button is held, focus with tab order, and the dialog keys that
// reach the default and cancel buttons.
#include <memory>
#include <string>
#include <vector>

#include "UiTestSupport.h"
// After windows.h, which the support header brings.
#include <commctrl.h>

#include "framework/ui/TButton.h"
#include "framework/ui/TCustomEdit.h"
#include "framework/ui/TEdit.h"
#include "framework/ui/TForm.h"
#include "framework/ui/TLabel.h"
#include "framework/ui/TMemo.h"
#include "framework/ui/TPageControl.h"
#include "framework/ui/TPanel.h"

namespace {

LPARAM At(int x, int y) {
  return MAKELPARAM(x, y);
}

class Input : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    form.reset(NewForm(300, 200));
  }
  template <class T>
  T* Add(int left, int top, int width, int height) {
    auto* control = new T(form.get());
    control->SetParent(form.get());
    control->SetBounds(left, top, width, height);
    return control;
  }
  void Record(TControl* control, const std::string& name) {
    control->OnMouseEnter = {[this, name](TObject*) { events.push_back("enter " + name); }};
    control->OnMouseLeave = {[this, name](TObject*) { events.push_back("leave " + name); }};
  }
  std::unique_ptr<TForm> form;
  std::vector<std::string> events;
};

TEST_F(Input, MouseEnterAndLeaveFollowThePointerAcrossControls) {
  auto* label = Add<TLabel>(10, 10, 60, 20);
  label->SetAutoSize(false);
  auto* panel = Add<TPanel>(100, 10, 80, 80);
  Record(form.get(), "form");
  Record(label, "label");
  Record(panel, "panel");
  form->Show();
  Pump();
  const HWND window = form->Handle();

  SendMessageW(window, WM_MOUSEMOVE, 0, At(200, 150));  // empty client area
  SendMessageW(window, WM_MOUSEMOVE, 0, At(20, 15));    // over the label (no window of its own)
  SendMessageW(window, WM_MOUSEMOVE, 0, At(25, 16));    // still over it: nothing new
  SendMessageW(panel->Handle(), WM_MOUSEMOVE, 0, At(5, 5));
  SendMessageW(panel->Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(events, (std::vector<std::string>{"enter form", "leave form", "enter label",
                                              "leave label", "enter panel", "leave panel"}));

  // A leave for a window the pointer is no longer tracked in changes nothing.
  events.clear();
  SendMessageW(window, WM_MOUSELEAVE, 0, 0);
  EXPECT_TRUE(events.empty());
}

TEST_F(Input, AWindowlessControlLeftWhileBeingDestroyedIsForgotten) {
  auto* label = Add<TLabel>(10, 10, 60, 20);
  label->SetAutoSize(false);
  form->Show();
  Pump();
  SendMessageW(form->Handle(), WM_MOUSEMOVE, 0, At(20, 15));
  ASSERT_EQ(Application->MouseControl(), label);
  delete label;
  EXPECT_EQ(Application->MouseControl(), nullptr);
  // The next move must not reach the freed control.
  SendMessageW(form->Handle(), WM_MOUSEMOVE, 0, At(21, 15));
  EXPECT_EQ(Application->MouseControl(), form.get());
}

TEST_F(Input, AWindowlessControlHoldsTheMouseWhileTheButtonIsDown) {
  auto* label = Add<TLabel>(10, 10, 60, 20);
  label->SetAutoSize(false);
  std::vector<POINT> moves;
  int clicks = 0;
  label->OnMouseMove = {[&](TObject*, TShiftState, int x, int y) { moves.push_back({x, y}); }};
  label->OnClick = {[&](TObject*) { ++clicks; }};
  form->Show();
  Pump();
  const HWND window = form->Handle();

  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(20, 15));
  EXPECT_EQ(TControl::CaptureControl(), label);
  EXPECT_EQ(GetCapture(), window);
  // Far outside the label, the moves still go to it, in its own coordinates.
  SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, At(250, 150));
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0].x, 240);
  EXPECT_EQ(moves[0].y, 140);
  // Released outside: no click, capture gone.
  SendMessageW(window, WM_LBUTTONUP, 0, At(250, 150));
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(TControl::CaptureControl(), nullptr);
  EXPECT_EQ(GetCapture(), nullptr);

  // Pressed and released over it: one click.
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(20, 15));
  SendMessageW(window, WM_LBUTTONUP, 0, At(21, 16));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Input, AWindowedControlCapturesItsOwnWindow) {
  auto* panel = Add<TPanel>(10, 10, 80, 80);
  int clicks = 0;
  panel->OnClick = {[&](TObject*) { ++clicks; }};
  form->Show();
  Pump();
  SendMessageW(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  EXPECT_TRUE(panel->MouseCapture());
  EXPECT_EQ(GetCapture(), panel->Handle());
  SendMessageW(panel->Handle(), WM_LBUTTONUP, 0, At(5, 5));
  EXPECT_FALSE(panel->MouseCapture());
  EXPECT_EQ(clicks, 1);
}

TEST_F(Input, TheFirstTabStopTakesTheFocusAndShiftTabWalksBackFromIt) {
  auto* one = Add<TEdit>(10, 10, 100, 24);
  auto* two = Add<TEdit>(10, 40, 100, 24);
  auto* three = Add<TEdit>(10, 70, 100, 24);
  auto* go = Add<TButton>(150, 10, 75, 25);
  auto* skip = Add<TEdit>(150, 40, 100, 24);
  skip->SetTabStop(false);
  three->SetTabOrder(0);
  skip->SetTabOrder(1);  // order now: three, skip, one, two, go
  two->SetEnabled(false);
  form->Show();
  Pump();
  ASSERT_EQ(GetFocus(), three->Handle());
  std::vector<HWND> visited;
  for (int i = 0; i < 3; ++i) {
    HeldShift shift;
    PressKey(GetFocus(), VK_TAB);
    visited.push_back(GetFocus());
  }
  // Back round the end to go, past the disabled two, past skip, which is no tab stop.
  EXPECT_EQ(visited, (std::vector<HWND>{go->Handle(), one->Handle(), three->Handle()}));
  // With no active control and no tab stop first in the order, the first tab stop after it.
  skip->SetTabOrder(0);
  form->SetActiveControl(nullptr);
  SetFocus(form->Handle());
  Pump();
  EXPECT_EQ(GetFocus(), three->Handle());
}

class Keyboard : public Input {
 protected:
  void SetUp() override {
    Input::SetUp();
    first = Add<TEdit>(10, 10, 100, 24);
    second = Add<TEdit>(10, 40, 100, 24);
    third = Add<TEdit>(10, 70, 100, 24);
    ok = Add<TButton>(150, 10, 75, 25);
    cancel = Add<TButton>(150, 40, 75, 25);
    ok->SetCaption(L"&Generate");
    cancel->SetCaption(L"Cancel");
    ok->SetDefault(true);
    cancel->SetCancel(true);
    ok->OnClick = {[this](TObject*) { events.push_back("ok"); }};
    cancel->OnClick = {[this](TObject*) { events.push_back("cancel"); }};
    for (auto [edit, name] :
         {std::pair<TEdit*, std::string>{first, "first"}, {second, "second"}, {third, "third"}}) {
      edit->OnEnter = {[this, name](TObject*) { events.push_back("enter " + name); }};
      edit->OnExit = {[this, name](TObject*) { events.push_back("exit " + name); }};
    }
    form->Show();
    Pump();
  }
  HWND Focus() { return GetFocus(); }
  TEdit* first;
  TEdit* second;
  TEdit* third;
  TButton* ok;
  TButton* cancel;
};

TEST_F(Keyboard, TabFollowsTheTabOrderAndSkipsWhatCannotTakeTheFocus) {
  third->SetTabOrder(0);  // order now: third, first, second, ok, cancel
  EXPECT_EQ(first->TabOrder(), 1);
  second->SetEnabled(false);
  third->SetFocus();
  Pump();
  ASSERT_EQ(Focus(), third->Handle());
  events.clear();

  PressKey(Focus(), VK_TAB);
  EXPECT_EQ(Focus(), first->Handle());
  PressKey(Focus(), VK_TAB);  // second is disabled
  EXPECT_EQ(Focus(), ok->Handle());
  {
    HeldShift shift;
    PressKey(Focus(), VK_TAB);
  }
  EXPECT_EQ(Focus(), first->Handle());
  EXPECT_EQ(form->ActiveControl(), first);
  EXPECT_EQ(events,
            (std::vector<std::string>{"exit third", "enter first", "exit first", "enter first"}));
  // The Tab keys never reached the edits as characters.
  EXPECT_EQ(first->Text(), L"");
}

TEST_F(Keyboard, EnterAndEscapeGoToTheDefaultAndCancelButtons) {
  first->SetFocus();
  Pump();
  events.clear();
  PressKey(Focus(), VK_RETURN);
  PressKey(Focus(), VK_ESCAPE);
  EXPECT_EQ(events, (std::vector<std::string>{"ok", "cancel"}));
  EXPECT_EQ(Focus(), first->Handle());

  // A focused button takes Enter for itself; the default one stays quiet.
  cancel->SetFocus();
  Pump();
  events.clear();
  EXPECT_TRUE(cancel->ActiveDefault());
  EXPECT_FALSE(ok->ActiveDefault());
  PressKey(Focus(), VK_RETURN);
  EXPECT_EQ(events, (std::vector<std::string>{"cancel"}));
}

TEST_F(Keyboard, ADisabledDefaultButtonDoesNotClick) {
  ok->SetEnabled(false);
  first->SetFocus();
  Pump();
  events.clear();
  PressKey(Focus(), VK_RETURN);
  EXPECT_TRUE(events.empty());
}

TEST_F(Keyboard, AMemoKeepsEnterForItsTextButEscapeAndTabAreTheDialogs) {
  auto* memo = Add<TMemo>(10, 100, 120, 60);
  memo->SetFocus();
  Pump();
  events.clear();
  PressKey(Focus(), 'A');
  PressKey(Focus(), VK_RETURN);
  PressKey(Focus(), 'B');
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(memo->Text(), L"a\r\nb");
  // As in a platform dialog: Escape presses the cancel button, Tab moves on (the memo is last).
  PressKey(Focus(), VK_ESCAPE);
  EXPECT_EQ(events, (std::vector<std::string>{"cancel"}));
  EXPECT_EQ(Focus(), memo->Handle());
  PressKey(Focus(), VK_TAB);
  EXPECT_EQ(Focus(), first->Handle());
  // Unless the memo wants tabs; without returns, Enter is the default button's.
  memo->SetWantTabs(true);
  memo->SetWantReturns(false);
  memo->SetFocus();
  Pump();
  events.clear();
  PressKey(Focus(), VK_TAB);
  PressKey(Focus(), VK_RETURN);
  EXPECT_EQ(memo->Text(), L"a\r\nb\t");
  EXPECT_EQ(events, (std::vector<std::string>{"ok"}));
}

TEST_F(Keyboard, AltAndTheAcceleratorClickTheButton) {
  first->SetFocus();
  Pump();
  events.clear();
  PostMessageW(Focus(), WM_SYSCHAR, L'g', 1 << 29);
  Pump();
  EXPECT_EQ(events, (std::vector<std::string>{"exit first", "ok"}));
  EXPECT_EQ(Focus(), ok->Handle());
  // Without Alt the letter is text for the edit.
  first->SetFocus();
  Pump();
  events.clear();
  PressKey(Focus(), 'G');
  EXPECT_EQ(first->Text(), L"g");
  EXPECT_TRUE(events.empty());
}

}  // namespace

namespace {

class Pages : public Input {
 protected:
  void SetUp() override {
    Input::SetUp();
    pages = new TPageControl(form.get());
    pages->SetParent(form.get());
    pages->SetAlign(alClient);
    // As the main window has them: on more rows when they do not fit, never scrolled away.
    pages->SetMultiLine(true);
    for (const wchar_t* caption :
         {L"Single Item Purchase", L"Shopping Cart", L"Subscription Billing", L"Create Account"}) {
      auto* sheet = new TTabSheet(form.get());
      sheet->SetPageControl(pages);
      sheet->SetCaption(caption);
    }
    pages->OnChange = {[this](TObject*) { events.push_back("change"); }};
    form->Show();
    Pump();
  }
  std::wstring TabText(int index) {
    wchar_t text[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(pages->Handle(), TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
    return text;
  }
  void ClickTab(int index) {
    RECT rect{};
    SendMessageW(pages->Handle(), TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
    const LPARAM at = At((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageW(pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(pages->Handle(), WM_LBUTTONUP, 0, at);
    Pump();
  }
  std::vector<bool> Shown() {
    std::vector<bool> shown;
    for (int i = 0; i < pages->PageCount(); ++i)
      shown.push_back(IsWindowVisible(pages->Pages(i)->Handle()) != FALSE);
    return shown;
  }
  TPageControl* pages = nullptr;
};

TEST_F(Pages, OnlyTheActivePageIsShownAndClickingATabSwitches) {
  ASSERT_EQ(SendMessageW(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 4);
  EXPECT_EQ(TabText(3), L"Create Account");
  EXPECT_EQ(pages->ActivePageIndex(), 0);
  pages->SetActivePageIndex(3);
  EXPECT_EQ(Shown(), (std::vector<bool>{false, false, false, true}));
  EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETCURSEL, 0, 0), 3);
  // The page fills the area under the tabs.
  TTabSheet* page = pages->Pages(3);
  EXPECT_GT(page->Top(), 0);
  EXPECT_LE(page->Top() + page->Height(), pages->Height());
  EXPECT_TRUE(events.empty());  // set in code: no change event

  ClickTab(1);
  EXPECT_EQ(pages->ActivePage(), pages->Pages(1));
  EXPECT_EQ(Shown(), (std::vector<bool>{false, true, false, false}));
  EXPECT_EQ(events, (std::vector<std::string>{"change"}));
}

TEST_F(Pages, HiddenTabsAreSkippedAndCaptionsFollowTheSheets) {
  pages->Pages(0)->SetTabVisible(false);
  ASSERT_EQ(SendMessageW(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 3);
  ClickTab(0);
  EXPECT_EQ(pages->ActivePage(), pages->Pages(1));
  pages->Pages(2)->SetCaption(L"Subscriptions");
  EXPECT_EQ(TabText(1), L"Subscriptions");
  // A sheet that goes takes its tab with it; the active one hands over to the first left.
  delete pages->Pages(1);
  EXPECT_EQ(pages->PageCount(), 3);
  EXPECT_NE(pages->ActivePage(), nullptr);
  EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
}

}  // namespace
