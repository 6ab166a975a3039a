// Control behaviour that needs the platform but no user: hints, parent font and colour,
// windows recreated with their state, labels and their accelerators, menus with shortcut texts
// and images, image lists and resource strings.
#include <memory>
#include <string>
#include <vector>

#include "UiTestSupport.h"
#include "framework/ui/ResourceStrings.h"
#include "framework/ui/TBitmap.h"
#include "framework/ui/TButton.h"
#include "framework/ui/TCustomEdit.h"
#include "framework/ui/TEdit.h"
#include "framework/ui/TForm.h"
#include "framework/ui/THintWindow.h"
#include "framework/ui/TImageList.h"
#include "framework/ui/TLabel.h"
#include "framework/ui/TPanel.h"
#include "framework/ui/TPopupMenu.h"
#include "framework/ui/UiErrors.h"

namespace {

class Controls : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    form.reset(NewForm(300, 200));
  }
  template <class T>
  T* Add(TWinControl* parent, int left, int top, int width, int height) {
    auto* control = new T(form.get());
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
  }
  std::unique_ptr<TForm> form;
};

TEST_F(Controls, AHintShowsWhileTheMouseIsOverItsControl) {
  auto* button = Add<TButton>(form.get(), 10, 10, 80, 25);
  button->SetHint(L"Copies the snippet");
  button->SetShowHint(true);
  auto* plain = Add<TButton>(form.get(), 10, 50, 80, 25);
  form->Show();
  Pump();
  SendMessageW(button->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  THintWindow* hint = Application->HintWindow();
  ASSERT_TRUE(hint->HandleAllocated());
  EXPECT_TRUE(IsWindowVisible(hint->Handle()));
  EXPECT_EQ(hint->Caption(), L"Copies the snippet");
  SendMessageW(plain->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_FALSE(IsWindowVisible(hint->Handle()));

  // A control may refuse its hint (CM_HINTSHOW answered non-zero).
  TWndMethod saved = button->WindowProc;
  button->WindowProc = [&](TMessage& message) {
    if (message.Msg == CM_HINTSHOW) {
      message.Result = 1;
      return;
    }
    saved(message);
  };
  SendMessageW(button->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(6, 6));
  EXPECT_FALSE(IsWindowVisible(hint->Handle()));
  button->WindowProc = saved;
}

TEST_F(Controls, FontAndColourFollowTheParentUntilSetOnTheControl) {
  auto* panel = Add<TPanel>(form.get(), 0, 0, 200, 100);
  auto* label = Add<TLabel>(panel, 5, 5, 50, 20);
  auto* edit = Add<TEdit>(panel, 5, 40, 100, 24);
  label->SetParentColor(true);
  form->Font().SetName("Verdana");
  form->Font().SetHeight(-13);
  EXPECT_EQ(label->Font().Name(), "Verdana");
  EXPECT_EQ(edit->Font().Height(), -13);
  EXPECT_TRUE(label->ParentFont());

  edit->Font().SetHeight(-11);  // the edit's own font from now on
  EXPECT_FALSE(edit->ParentFont());
  form->Font().SetHeight(-20);
  EXPECT_EQ(label->Font().Height(), -20);
  EXPECT_EQ(edit->Font().Height(), -11);
  // The window uses the font it was given.
  LOGFONTW log{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(edit->Handle(), WM_GETFONT, 0, 0)), sizeof(log),
             &log);
  EXPECT_EQ(log.lfHeight, -11);

  panel->SetColor(clRed);
  EXPECT_EQ(label->Color(), clRed);
  EXPECT_TRUE(label->ParentColor());
  label->SetColor(clBlue);
  panel->SetColor(clGreen);
  EXPECT_EQ(label->Color(), clBlue);
}

TEST_F(Controls, ARecreatedWindowKeepsTextChildrenAndFocus) {
  auto* panel = Add<TPanel>(form.get(), 0, 0, 200, 100);
  auto* edit = Add<TEdit>(panel, 5, 40, 100, 24);
  form->Show();
  Pump();
  edit->SetText(L"typed");
  edit->SetFocus();
  Pump();
  const HWND before = panel->Handle();
  panel->RecreateWnd();
  EXPECT_NE(panel->Handle(), before);
  EXPECT_FALSE(IsWindow(before));
  EXPECT_EQ(edit->Text(), L"typed");
  EXPECT_EQ(GetParent(edit->Handle()), panel->Handle());
  EXPECT_TRUE(IsWindowVisible(edit->Handle()));
}

TEST_F(Controls, ALabelSizesToItsCaptionAndItsAcceleratorFocusesItsControl) {
  auto* label = Add<TLabel>(form.get(), 10, 10, 1, 1);
  auto* edit = Add<TEdit>(form.get(), 100, 10, 100, 24);
  auto* other = Add<TEdit>(form.get(), 100, 50, 100, 24);
  label->SetCaption(L"&Return Url");
  const int shortWidth = label->Width();
  EXPECT_GT(shortWidth, 20);
  EXPECT_GT(label->Height(), 5);
  label->SetCaption(L"&Return Url and more");
  EXPECT_GT(label->Width(), shortWidth);

  label->SetFocusControl(edit);
  form->Show();
  Pump();
  other->SetFocus();
  Pump();
  PostMessageW(GetFocus(), WM_SYSCHAR, L'r', 1 << 29);
  Pump();
  EXPECT_EQ(GetFocus(), edit->Handle());
  // The label forgets a focus control that goes away.
  delete edit;
  EXPECT_EQ(label->FocusControl(), nullptr);
}

// Windowless children are painted by their parent, in Z order, each clipped to its bounds.
TEST_F(Controls, WindowlessChildrenPaintInZOrderClippedToThemselves) {
  auto* panel = Add<TPanel>(form.get(), 0, 0, 100, 60);
  panel->SetBevelOuter(bvNone);
  panel->SetColor(clWhite);
  auto square = [&](int left, int top, TColor color) {
    auto* label = Add<TLabel>(panel, left, top, 20, 20);
    label->SetAutoSize(false);
    label->SetParentColor(false);
    label->SetColor(color);
    return label;
  };
  TLabel* red = square(10, 10, clRed);
  TLabel* blue = square(20, 20, clBlue);
  TLabel* hidden = square(50, 10, clLime);
  hidden->SetVisible(false);
  TBitmap bitmap(100, 60);
  auto paint = [&] {
    bitmap.Canvas().SetBrushColor(clBlack);
    bitmap.Canvas().FillRect(RECT{0, 0, 100, 60});
    panel->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bitmap.DC()));
  };
  paint();
  EXPECT_EQ(bitmap.Canvas().Pixel(5, 5), clWhite);  // the panel's own paint
  EXPECT_EQ(bitmap.Canvas().Pixel(15, 15), clRed);
  EXPECT_EQ(bitmap.Canvas().Pixel(25, 25), clBlue);   // the later one is on top
  EXPECT_EQ(bitmap.Canvas().Pixel(45, 45), clWhite);  // nothing painted past its bounds
  EXPECT_EQ(bitmap.Canvas().Pixel(55, 15), clWhite);  // hidden
  red->BringToFront();
  paint();
  EXPECT_EQ(bitmap.Canvas().Pixel(25, 25), clRed);
  EXPECT_EQ(bitmap.Canvas().Pixel(35, 35), clBlue);
  (void)blue;
}

TEST_F(Controls, ConstraintsBoundTheSizeAndCoordinatesMapThroughParents) {
  auto* panel = Add<TPanel>(form.get(), 30, 20, 200, 100);
  auto* label = Add<TLabel>(panel, 7, 9, 40, 20);
  label->SetAutoSize(false);
  label->Constraints().MinWidth = 50;
  label->Constraints().MaxHeight = 30;
  label->ConstraintsChanged();
  EXPECT_EQ(label->Width(), 50);
  label->SetBounds(7, 9, 10, 100);
  EXPECT_EQ(label->Width(), 50);
  EXPECT_EQ(label->Height(), 30);

  form->Show();
  Pump();
  POINT panelOrigin{0, 0};
  ClientToScreen(panel->Handle(), &panelOrigin);
  const POINT screen = label->ClientToScreen(POINT{1, 2});
  EXPECT_EQ(screen.x, panelOrigin.x + 7 + 1);
  EXPECT_EQ(screen.y, panelOrigin.y + 9 + 2);
  const POINT back = label->ScreenToClient(screen);
  EXPECT_EQ(back.x, 1);
  EXPECT_EQ(back.y, 2);
  EXPECT_EQ(panel->ControlAtPos(POINT{10, 10}, false), label);
  EXPECT_EQ(panel->ControlAtPos(POINT{100, 80}, false), nullptr);
}

TEST(ShortCuts, ReadAsTheMenuShowsThem) {
  EXPECT_EQ(ShortCutToText(scCtrl | 'C'), L"Ctrl+C");
  EXPECT_EQ(ShortCutToText(scShift | scCtrl | VK_F5), L"Shift+Ctrl+F5");
  EXPECT_EQ(ShortCutToText(scAlt | VK_DELETE), L"Alt+Del");
  EXPECT_EQ(ShortCutToText(0), L"");
}

TEST_F(Controls, APopupMenuCarriesCaptionsShortcutsImagesAndClicks) {
  TPopupMenu menu(nullptr);
  TImageList images(nullptr);
  TBitmap red(16, 16);
  red.Canvas().SetBrushColor(clRed);
  red.Canvas().FillRect(RECT{0, 0, 16, 16});
  ASSERT_EQ(images.Add(red), 0);
  menu.SetImages(&images);

  std::vector<std::string> clicks;
  auto item = [&](const wchar_t* caption, TShortCut shortCut, bool enabled) {
    auto* it = new TMenuItem(&menu);
    it->SetCaption(caption);
    it->SetShortCut(shortCut);
    it->SetEnabled(enabled);
    it->OnClick = {[&clicks, caption](TObject*) {
      clicks.push_back(std::string(caption, caption + wcslen(caption)));
    }};
    menu.Items()->Add(it);
    return it;
  };
  TMenuItem* restore = item(L"&Restore", 0, true);
  item(L"-", 0, true);
  TMenuItem* close = item(L"&Close", scAlt | VK_F4, true);
  TMenuItem* disabled = item(L"Roll &up", 0, false);
  close->SetImageIndex(0);
  EXPECT_EQ(restore->AcceleratorChar(), L'R');

  std::vector<TMenuItem*> commands;
  Handles::Menu owned = menu.BuildMenu(commands);
  const HMENU platform = owned.Get();
  ASSERT_EQ(GetMenuItemCount(platform), 4);
  wchar_t text[64] = {};
  GetMenuStringW(platform, 2, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"&Close\tAlt+F4");
  EXPECT_EQ(GetMenuState(platform, 3, MF_BYPOSITION) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_BITMAP | MIIM_ID;
  GetMenuItemInfoW(platform, 2, TRUE, &info);
  EXPECT_NE(info.hbmpItem, nullptr);
  TMenuItem* found = menu.FindItem(info.wID, commands);
  ASSERT_EQ(found, close);
  found->Click();
  disabled->Click();  // a disabled item does not fire
  EXPECT_EQ(clicks, (std::vector<std::string>{"&Close"}));
  EXPECT_EQ(menu.FindItem(0, commands), nullptr);
  EXPECT_EQ(menu.FindItem(99, commands), nullptr);
}

TEST(ImageLists, DrawLeavesTheMaskColourOut) {
  TImageList images(nullptr);
  images.SetWidth(4);
  images.SetHeight(4);
  TBitmap strip(8, 4);
  strip.Canvas().SetBrushColor(clFuchsia);
  strip.Canvas().FillRect(RECT{0, 0, 8, 4});
  strip.Canvas().SetPixel(1, 1, clBlue);  // image 0
  strip.Canvas().SetPixel(6, 2, clLime);  // image 1
  EXPECT_EQ(images.AddStrip(strip, clFuchsia), 0);
  EXPECT_EQ(images.Count(), 2);

  TBitmap target(4, 4);
  target.Canvas().SetBrushColor(clWhite);
  target.Canvas().FillRect(RECT{0, 0, 4, 4});
  images.Draw(target.Canvas(), 0, 0, 1);
  EXPECT_EQ(target.Canvas().Pixel(2, 2), clLime);
  EXPECT_EQ(target.Canvas().Pixel(0, 0), clWhite);  // masked out
  images.Draw(target.Canvas(), 0, 0, 7);            // no such image: nothing
  EXPECT_EQ(target.Canvas().Pixel(1, 1), clWhite);
  EXPECT_THROW(images.Delete(5), EInvalidOperation);
}

TEST(ResourceStrings, ComeFromTheStringTable) {
  EXPECT_EQ(LoadResString(100), L"&OK");
  EXPECT_EQ(LoadResString(101), L"Roll up \u2191");
  EXPECT_EQ(LoadResString(999), L"");
}

}  // namespace
