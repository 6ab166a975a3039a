// The skinned controls in real windows under the platform: mouse messages through the
// windows, keys through the message queue, pixels read back from what the controls paint.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../../framework/ui/UiTestSupport.h"
#include "framework/ui/TEdit.h"
#include "skin/controls/SkinControls.h"
#include "skin/controls/TSeCustomGroupBox.h"
#include "skin/controls/TSeCustomLabel.h"
#include "skin/controls/TSeCustomPanel.h"
#include "skin/controls/TSeSkinButton.h"
#include "skin/engine/TSeSkinEngine.h"

namespace {

LPARAM At(int x, int y) {
  return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

// Paints the control (windowed: its window paint; windowless: its parent's WM_PAINT call)
// into a white bitmap of its size and reads one pixel back as 0x00BBGGRR.
class Snapshot {
 public:
  explicit Snapshot(TControl& control)
      : dc_(CreateCompatibleDC(nullptr)),
        bitmap_(CreateCompatibleBitmap(screen_.Get(), control.Width(), control.Height())),
        selected_(dc_.Get(), bitmap_.Get()) {
    RECT all{0, 0, control.Width(), control.Height()};
    FillRect(dc_.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    control.Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc_.Get()), 0);
    GdiFlush();
  }
  COLORREF Pixel(int x, int y) const { return GetPixel(dc_.Get(), x, y); }

 private:
  Handles::WindowDC screen_{nullptr};
  Handles::CreatedDC dc_;
  Handles::Bitmap bitmap_;
  Handles::SelectedObject selected_;
};

class SkinControlWindowTest : public UiTest {
 protected:
  static void SetUpTestSuite() { RegisterSkinControls(); }
  void TearDown() override {
    form.reset();
    UiTest::TearDown();
  }
  TForm* Form(TColor color = clBtnFace) {
    form.reset(NewForm(300, 200));
    form->SetColor(color);
    form->Show();
    Pump();
    return form.get();
  }
  // An engine with the program's skin, owned by the form.
  TSeSkinEngine* ProgramSkin() {
    auto* engine = new TSeSkinEngine(form.get());
    engine->SetSkinFile(QM_PROGRAM_SKIN_FILE);
    return engine;
  }
  std::unique_ptr<TForm> form;
};

TEST_F(SkinControlWindowTest, ButtonClicksOnReleaseInsideOnlyAndFollowsThePointerWhilePressed) {
  Form();
  auto* button = new TSeSkinButton(form.get());
  button->SetParent(form.get());
  int clicks = 0;
  button->OnClick = TNotifyEvent([&clicks](TObject*) { ++clicks; });
  Pump();
  const HWND window = button->Handle();
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
  Pump();
  EXPECT_EQ(TSeButtonState::kbsPressed, button->State());
  PostMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, At(static_cast<WORD>(-5), 10));
  Pump();
  EXPECT_EQ(TSeButtonState::kbsNormal, button->State()) << "dragged out";
  PostMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, At(20, 12));
  Pump();
  EXPECT_EQ(TSeButtonState::kbsPressed, button->State()) << "dragged back";
  PostMessageW(window, WM_LBUTTONUP, 0, At(20, 12));
  Pump();
  EXPECT_EQ(1, clicks);
  EXPECT_EQ(TSeButtonState::kbsNormal, button->State());

  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
  PostMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, At(200, 10));
  PostMessageW(window, WM_LBUTTONUP, 0, At(200, 10));
  Pump();
  EXPECT_EQ(1, clicks) << "released outside";
  EXPECT_EQ(TSeButtonState::kbsNormal, button->State());
}

TEST_F(SkinControlWindowTest, KindOkIsAsWrittenAndADisabledButtonShowsTheSecondFrame) {
  Form(clWhite);
  auto* button = new TSeCustomButton(form.get());
  button->SetParent(form.get());
  button->SetKind(TBitBtnKind::bkOK);
  EXPECT_EQ(L"OK", button->Caption());
  EXPECT_EQ(1, button->ModalResult());
  EXPECT_TRUE(button->Default());
  EXPECT_EQ(32, button->Glyph().Width());
  EXPECT_EQ(16, button->Glyph().Height());
  EXPECT_EQ(2, button->NumGlyphs());
  // The glyph's check mark: dark green (128) enabled, grey (128,128,128) in the disabled frame.
  button->SetCaption(L"");
  const int gx = (75 - 16) / 2, gy = (25 - 16) / 2;
  EXPECT_EQ(RGB(0, 128, 0), Snapshot(*button).Pixel(gx + 3, gy + 8));
  button->SetEnabled(false);
  EXPECT_EQ(RGB(128, 128, 128), Snapshot(*button).Pixel(gx + 3, gy + 8));
}

TEST_F(SkinControlWindowTest, EnterGoesToTheDefaultButtonOrTheFocusedOneAndEscapeToCancel) {
  Form();
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  std::vector<std::string> clicked;
  auto make = [&](const char* name, int top) {
    auto* b = new TSeSkinButton(form.get());
    b->SetParent(form.get());
    b->SetTop(top);
    b->OnClick = TNotifyEvent([&clicked, name](TObject*) { clicked.push_back(name); });
    return b;
  };
  TSeSkinButton* ok = make("ok", 40);
  TSeSkinButton* cancel = make("cancel", 70);
  TSeSkinButton* other = make("other", 100);
  ok->SetDefault(true);
  cancel->SetCancel(true);
  Pump();
  edit->SetFocus();
  Pump();
  PressKey(edit->Handle(), VK_RETURN);
  PressKey(edit->Handle(), VK_ESCAPE);
  other->SetFocus();
  Pump();
  PressKey(other->Handle(), VK_RETURN);
  EXPECT_EQ((std::vector<std::string>{"ok", "cancel", "other"}), clicked);
}

TEST_F(SkinControlWindowTest, TransparentLabelOnTransparentGroupBoxShowsTheFormAndTheFrame) {
  const TColor formColor = static_cast<TColor>(RGB(40, 90, 160));
  Form(formColor);
  auto* group = new TSeCustomGroupBox(form.get());
  group->SetParent(form.get());
  group->SetBounds(20, 20, 200, 120);
  group->SetTransparent(true);
  auto* label = new TSeCustomLabel(form.get());
  label->SetParent(group);
  label->SetAutoSize(false);
  // Over the frame's left edge (x 3 in the group box) and below its top edge.
  label->SetBounds(0, 30, 60, 20);
  label->SetCaption(L"");
  Pump();
  const Snapshot shot(*label);
  EXPECT_EQ(RGB(40, 90, 160), shot.Pixel(30, 10)) << "the form under the group box";
  // The frame's left edge (themed or etched, by the platform's look) lies at x 2 to 3.
  bool frameShows = false;
  for (int x = 2; x <= 3; ++x) frameShows |= shot.Pixel(x, 10) != RGB(40, 90, 160);
  EXPECT_TRUE(frameShows) << "the group box's frame under the label";
}

TEST_F(SkinControlWindowTest, BorderAndBevelInsetTheChildren) {
  Form();
  auto* group = new TSeCustomControl(form.get());
  group->SetParent(form.get());
  group->SetControlStyle(group->ControlStyle() | csAcceptsControls);
  auto* child = new TSeCustomButton(form.get());
  child->SetParent(group);
  child->SetAlign(alClient);
  group->SetBorderWidth(3);
  group->SetBevelWidth(1);
  EXPECT_EQ(5, child->Left());
  EXPECT_EQ(5, child->Top());
  EXPECT_EQ(100 - 10, child->Width());
  group->SetBevelKind(TSeBevelKind::kbkFlat);
  group->SetBevelInner(TSeBevelCut::kbvNone);
  EXPECT_EQ(TSeBevelKind::kbkNone, group->BevelKind());
  EXPECT_EQ(4, child->Left());
}

TEST_F(SkinControlWindowTest, PanelRollsToItsCaptionBarAndBack) {
  Form();
  auto* plain = new TSeSkinPanel(form.get());
  plain->SetParent(form.get());
  plain->SetHeight(57);
  plain->SetRolled(true);
  EXPECT_EQ(22, plain->Height());
  plain->SetHeight(80);
  EXPECT_EQ(22, plain->Height()) << "a rolled panel keeps its height";
  plain->SetRolled(false);
  EXPECT_EQ(57, plain->Height());

  auto* skinned = new TSeSkinPanel(form.get());
  skinned->SetParent(form.get());
  skinned->SetHeight(57);
  skinned->SetSkinEngine(ProgramSkin());
  // Through the caption button, clicked with the mouse.
  Pump();
  const RECT b = skinned->GetButtonRect();
  const LPARAM at = At((b.left + b.right) / 2, (b.top + b.bottom) / 2);
  PostMessageW(skinned->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(skinned->Handle(), WM_LBUTTONUP, 0, at);
  Pump();
  EXPECT_EQ(25, skinned->Height());
  skinned->SetRolled(false);
  EXPECT_EQ(57, skinned->Height());
}

TEST_F(SkinControlWindowTest, GroupBoxCheckBoxSwitchesTheChildren) {
  Form();
  auto* group = new TSeSkinGroupBox(form.get());
  group->SetParent(form.get());
  group->SetBounds(10, 10, 200, 120);
  auto* child = new TSeSkinButton(form.get());
  child->SetParent(group);
  child->SetTop(40);
  std::vector<std::string> events;
  group->OnClick = TNotifyEvent([&events](TObject*) { events.push_back("click"); });
  group->OnCheckBoxClick = TNotifyEvent([&events](TObject*) { events.push_back("checkbox"); });
  group->SetChecked(false);
  group->SetUseCheckBox(true);
  ASSERT_NE(nullptr, group->CheckBox());
  EXPECT_FALSE(child->Enabled());
  EXPECT_TRUE(group->CheckBox()->Enabled());
  Pump();
  const HWND box = group->CheckBox()->Handle();
  PostMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  PostMessageW(box, WM_LBUTTONUP, 0, At(5, 5));
  Pump();
  EXPECT_TRUE(group->Checked());
  EXPECT_TRUE(child->Enabled());
  EXPECT_EQ((std::vector<std::string>{"click", "checkbox"}), events);
}

TEST_F(SkinControlWindowTest, SkinnedButtonPaintsItsSkinPerStateAndPlainWhenTheEngineGoes) {
  Form();
  TSeSkinEngine* engine = ProgramSkin();
  auto* button = new TSeSkinButton(form.get());
  button->SetParent(form.get());
  button->SetSkinEngine(engine);
  auto* other = new TSeCustomButton(form.get());
  other->SetParent(form.get());
  other->SetTop(100);
  Pump();
  ASSERT_TRUE(button->IsSkinActive());
  // The expected colours come from the skin's own picture: one 20 x 23 cell per state, top to
  // bottom normal, hot, pressed, disabled, focused; the face's middle is stretched from the
  // cell's middle.
  const std::string picture = std::string(QM_SKIN_SOURCES) + "/bitmaps/BUTTON.bmp";
  Handles::Bitmap source(static_cast<HBITMAP>(
      LoadImageA(nullptr, picture.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
  ASSERT_TRUE(source);
  Handles::CreatedDC sourceDC(CreateCompatibleDC(nullptr));
  Handles::SelectedObject sourceSelection(sourceDC.Get(), source.Get());
  auto cell = [&](int index) { return GetPixel(sourceDC.Get(), 10, 23 * index + 11); };
  auto face = [&] { return Snapshot(*button).Pixel(37, 12); };

  other->SetFocus();
  Pump();
  EXPECT_EQ(cell(0), face()) << "normal";
  PostMessageW(button->Handle(), WM_MOUSEMOVE, 0, At(30, 10));
  Pump();
  EXPECT_TRUE(button->MouseInside());
  EXPECT_EQ(cell(1), face()) << "hot";
  PostMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(30, 10));
  Pump();
  EXPECT_EQ(cell(2), face()) << "pressed";
  PostMessageW(button->Handle(), WM_LBUTTONUP, 0, At(200, 200));
  PostMessageW(other->Handle(), WM_MOUSEMOVE, 0, At(5, 5));
  Pump();
  EXPECT_TRUE(button->IsFocused());
  EXPECT_EQ(cell(4), face()) << "focused";
  button->SetEnabled(false);
  EXPECT_EQ(cell(3), face()) << "disabled";
  button->SetEnabled(true);

  delete engine;
  EXPECT_EQ(nullptr, button->SkinEngine());
  EXPECT_FALSE(button->IsSkinActive());
  other->SetFocus();
  Pump();
  // Plain (themed or classic by the platform): no longer the skin's normal picture.
  EXPECT_NE(cell(0), face()) << "the plain face";
  int clicks = 0;
  button->OnClick = TNotifyEvent([&clicks](TObject*) { ++clicks; });
  PostMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
  PostMessageW(button->Handle(), WM_LBUTTONUP, 0, At(10, 10));
  Pump();
  EXPECT_EQ(1, clicks);
}

}  // namespace
