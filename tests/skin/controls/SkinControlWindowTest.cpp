// The skinned controls in real windows under the platform: mouse messages through the
// windows, keys through the message queue, pixels read back from what the controls paint.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
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
#include "skin/forms/win/TSeCustomForm.h"

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

// A frame whose client background is its own colour, not the form's.
class TColouredFrame : public TSeCustomForm {
 public:
  explicit TColouredFrame(TComponent* owner) : TSeCustomForm(owner) {}

 protected:
  void PaintClientBackground(HDC dc) override {
    Handles::Brush brush(CreateSolidBrush(RGB(200, 30, 30)));
    RECT r;
    GetClientRect(Handle(), &r);
    FillRect(dc, &r, brush.Get());
  }
};

TEST_F(SkinControlWindowTest, TransparentLabelOnTransparentGroupBoxShowsTheSkinnedFrame) {
  Form(static_cast<TColor>(RGB(40, 90, 160)));
  auto* frame = new TColouredFrame(form.get());
  frame->SetControl(form.get());
  frame->SetActive(true);
  auto* group = new TSeSkinGroupBox(form.get());
  group->SetParent(form.get());
  group->SetBounds(20, 20, 200, 120);
  auto* label = new TSeSkinLabel(form.get());
  label->SetParent(group);
  label->SetAutoSize(false);
  label->SetBounds(20, 30, 60, 20);
  label->SetCaption(L"");
  Pump();
  EXPECT_EQ(RGB(200, 30, 30), Snapshot(*label).Pixel(30, 10));
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
  // bottom normal, hot, pressed, disabled, focused. The states differ in the cells' borders:
  // the face's left margin (5 pixels) is drawn unscaled across, stretched down.
  const std::string picture = std::string(QM_SKIN_SOURCES) + "/bitmaps/BUTTON.bmp";
  Handles::Bitmap source(static_cast<HBITMAP>(
      LoadImageA(nullptr, picture.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
  ASSERT_TRUE(source);
  Handles::CreatedDC sourceDC(CreateCompatibleDC(nullptr));
  Handles::SelectedObject sourceSelection(sourceDC.Get(), source.Get());
  auto cell = [&](int index) { return GetPixel(sourceDC.Get(), 2, 23 * index + 11); };
  auto face = [&] { return Snapshot(*button).Pixel(2, 12); };

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

// The colour of a pixel of one of the skin's source pictures, as the platform reads the file.
COLORREF SkinPicturePixel(const char* name, int x, int y) {
  const std::string path = std::string(QM_SKIN_SOURCES) + "/bitmaps/" + name;
  Handles::Bitmap picture(
      static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
  Handles::CreatedDC dc(CreateCompatibleDC(nullptr));
  Handles::SelectedObject selected(dc.Get(), picture.Get());
  return GetPixel(dc.Get(), x, y);
}

TEST_F(SkinControlWindowTest, SkinnedPanelButtonAndGroupBoxFramePaintTheirPictures) {
  Form();
  TSeSkinEngine* engine = ProgramSkin();
  auto* panel = new TSeSkinPanel(form.get());
  panel->SetParent(form.get());
  panel->SetBounds(0, 0, 200, 57);
  panel->SetSkinEngine(engine);
  auto* group = new TSeSkinGroupBox(form.get());
  group->SetParent(form.get());
  group->SetBounds(0, 70, 200, 100);
  group->SetSkinEngine(engine);
  Pump();
  // The roll-up button: one 17 x 17 cell per state, top to bottom normal, hot, pressed.
  const RECT b = panel->GetButtonRect();
  const int cx = (b.left + b.right) / 2, cy = (b.top + b.bottom) / 2;
  EXPECT_EQ(SkinPicturePixel("PANELBUTTONS.BMP", 8, 8), Snapshot(*panel).Pixel(cx, cy));
  PostMessageW(panel->Handle(), WM_MOUSEMOVE, 0, At(cx, cy));
  Pump();
  EXPECT_EQ(SkinPicturePixel("PANELBUTTONS.BMP", 8, 25), Snapshot(*panel).Pixel(cx, cy)) << "hot";
  PostMessageW(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(cx, cy));
  Pump();
  EXPECT_EQ(SkinPicturePixel("PANELBUTTONS.BMP", 8, 42), Snapshot(*panel).Pixel(cx, cy))
      << "pressed";
  PostMessageW(panel->Handle(), WM_LBUTTONUP, 0, At(5, 40));
  Pump();
  EXPECT_FALSE(panel->Rolled());
  // The group box frame's left edge (frame from x 3) is the picture's first column.
  EXPECT_EQ(SkinPicturePixel("GROUPBOX.BMP", 0, 8), Snapshot(*group).Pixel(3, 50));
}

TEST_F(SkinControlWindowTest, SoakOfPaintHoverFocusEnableAndHueLeavesNoHandles) {
  Form();
  TSeSkinEngine* engine = ProgramSkin();
  auto* first = new TSeSkinButton(form.get());
  auto* second = new TSeSkinButton(form.get());
  auto* panel = new TSeSkinPanel(form.get());
  auto* group = new TSeSkinGroupBox(form.get());
  auto* label = new TSeSkinLabel(form.get());
  first->SetParent(form.get());
  second->SetParent(form.get());
  second->SetTop(30);
  panel->SetParent(form.get());
  panel->SetBounds(100, 0, 150, 57);
  group->SetParent(form.get());
  group->SetBounds(100, 60, 150, 100);
  group->SetUseCheckBox(true);
  label->SetParent(group);
  label->SetTop(40);
  label->SetCaption(L"Item Name");
  for (TSeSkinEngine* e : {engine}) {
    first->SetSkinEngine(e);
    second->SetSkinEngine(e);
    panel->SetSkinEngine(e);
    group->SetSkinEngine(e);
    label->SetSkinEngine(e);
  }
  std::vector<TControl*> all{first, second, panel, group, label};
  auto cycle = [&](int i) {
    for (TControl* c : all) Snapshot{*c};
    SendMessageW(first->Handle(), WM_MOUSEMOVE, 0, At(5 + i % 3, 5));
    SendMessageW(second->Handle(), WM_MOUSEMOVE, 0, At(5, 5));
    if (i % 2)
      second->SetFocus();
    else
      group->CheckBox()->SetFocus();
    group->SetChecked(i % 2 == 0);
    first->SetEnabled(i % 3 != 0);
  };
  cycle(0);
  Pump();
  const DWORD gdi = GdiObjects();
  const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  for (int i = 1; i <= 10000; ++i) cycle(i);
  for (int hue = 1; hue <= 200; ++hue) {
    engine->SetDeltaHue(hue % 100);
    for (TControl* c : all) Snapshot{*c};
  }
  cycle(0);
  Pump();
  EXPECT_EQ(gdi, GdiObjects());
  EXPECT_EQ(user, GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
  EXPECT_TRUE(first->IsSkinActive());
}

// Not a check: draws every control in every state, skinned and plain, into one picture for
// people to look at (docs/). Run with --gtest_also_run_disabled_tests.
TEST_F(SkinControlWindowTest, DISABLED_ContactSheet) {
  Form(static_cast<TColor>(RGB(236, 233, 216)));
  TSeSkinEngine* engine = ProgramSkin();
  const char* const states[] = {"normal", "hot", "pressed", "focused", "disabled"};
  constexpr int kCell = 130, kRow = 80, kLeft = 110;
  const int rows = 8;
  Handles::WindowDC screen(nullptr);
  Handles::CreatedDC sheet(CreateCompatibleDC(screen.Get()));
  Handles::Bitmap bitmap(CreateCompatibleBitmap(screen.Get(), kLeft + 5 * kCell, 20 + rows * kRow));
  Handles::SelectedObject selected(sheet.Get(), bitmap.Get());
  RECT all{0, 0, kLeft + 5 * kCell, 20 + rows * kRow};
  Handles::Brush back(CreateSolidBrush(RGB(236, 233, 216)));
  FillRect(sheet.Get(), &all, back.Get());
  SetBkMode(sheet.Get(), TRANSPARENT);
  for (int c = 0; c < 5; ++c)
    TextOutA(sheet.Get(), kLeft + c * kCell + 4, 2, states[c], static_cast<int>(strlen(states[c])));
  auto place = [&](TControl& control, int row, int column) {
    Pump();
    const HDC dc = sheet.Get();
    const int saved = SaveDC(dc);
    SetViewportOrgEx(dc, kLeft + column * kCell + 4, 20 + row * kRow + 4, nullptr);
    IntersectClipRect(dc, 0, 0, control.Width(), control.Height());
    control.Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
  };
  auto rowName = [&](int row, const char* name) {
    TextOutA(sheet.Get(), 4, 20 + row * kRow + 8, name, static_cast<int>(strlen(name)));
  };
  // A control per state: hot through the mouse-enter message, pressed through State or the
  // panel's button, focused through the focus.
  for (int skinned = 0; skinned < 2; ++skinned) {
    TSeSkinEngine* e = skinned ? engine : nullptr;
    const int base = skinned ? 0 : 4;
    rowName(base + 0, skinned ? "Button (skin)" : "Button (plain)");
    rowName(base + 1, skinned ? "Panel (skin)" : "Panel (plain)");
    rowName(base + 2, skinned ? "GroupBox (skin)" : "GroupBox (plain)");
    rowName(base + 3, skinned ? "Label (skin)" : "Label (plain)");
    for (int state = 0; state < 5; ++state) {
      auto* button = new TSeSkinButton(form.get());
      button->SetParent(form.get());
      button->SetCaption(L"Generate");
      button->SetSkinEngine(e);
      auto* panel = new TSeSkinPanel(form.get());
      panel->SetParent(form.get());
      panel->SetBounds(0, 0, 120, 57);
      panel->SetCaption(L"Panel");
      panel->SetSkinEngine(e);
      auto* group = new TSeSkinGroupBox(form.get());
      group->SetParent(form.get());
      group->SetBounds(0, 60, 120, 70);
      group->SetCaption(L"Group");
      group->SetSkinEngine(e);
      if (state == 3) group->SetUseCheckBox(true);
      auto* label = new TSeSkinLabel(form.get());
      label->SetParent(group);
      label->SetBounds(10, 30, 80, 17);
      label->SetCaption(L"Item Name");
      label->SetSkinEngine(e);
      const RECT b = panel->GetButtonRect();
      const LPARAM center = At((b.left + b.right) / 2, (b.top + b.bottom) / 2);
      if (state == 1) {
        button->Perform(CM_MOUSEENTER);
        SendMessageW(panel->Handle(), WM_MOUSEMOVE, 0, center);
      }
      if (state == 2) {
        button->SetState(TSeButtonState::kbsPressed);
        SendMessageW(panel->Handle(), WM_MOUSEMOVE, 0, center);
        SendMessageW(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, center);
      }
      if (state == 3) button->SetFocus();
      if (state == 4) {
        button->SetEnabled(false);
        panel->SetEnabled(false);
        group->SetEnabled(false);
        label->SetEnabled(false);
      }
      place(*button, base + 0, state);
      place(*panel, base + 1, state);
      place(*group, base + 2, state);
      place(*label, base + 3, state);
      if (state == 2) SendMessageW(panel->Handle(), WM_LBUTTONUP, 0, At(1, 50));
      delete label;
      delete group;
      delete panel;
      delete button;
    }
  }
  // A 24-bit file of the sheet.
  BITMAPINFOHEADER info{
      sizeof(BITMAPINFOHEADER), all.right, all.bottom, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  const int stride = (all.right * 3 + 3) & ~3;
  std::vector<unsigned char> bits(static_cast<std::size_t>(stride) * all.bottom);
  GetDIBits(sheet.Get(), bitmap.Get(), 0, all.bottom, bits.data(),
            reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  BITMAPFILEHEADER file{0x4D42, 0, 0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
  file.bfSize = file.bfOffBits + static_cast<DWORD>(bits.size());
  FILE* out = fopen(QM_CONTACT_SHEET, "wb");
  ASSERT_NE(nullptr, out);
  fwrite(&file, sizeof(file), 1, out);
  fwrite(&info, sizeof(info), 1, out);
  fwrite(bits.data(), 1, bits.size(), out);
  fclose(out);
}

}  // namespace
