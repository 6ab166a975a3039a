// Forms: activation events, closing with its query and action, modal showing with a modal
// result, the screen's list of forms, loading a stored definition from the program's
// resources, and painting many times without leaking GDI objects.
#include <memory>
#include <string>
#include <vector>

#include "UiTestSupport.h"
#include "framework/ui/FrameworkClasses.h"
#include "framework/ui/TButton.h"
#include "framework/ui/TCustomEdit.h"
#include "framework/ui/TEdit.h"
#include "framework/ui/TForm.h"
#include "framework/ui/TLabel.h"
#include "framework/ui/TMemo.h"
#include "framework/ui/TPanel.h"
#include "framework/ui/TScreen.h"
#include "framework/ui/UiErrors.h"

namespace {

using Forms = UiTest;

TEST_F(Forms, TheScreenListsFormsInCreationOrderAndTracksTheActiveOne) {
  const int before = Screen->FormCount();
  std::unique_ptr<TForm> a(NewForm());
  std::unique_ptr<TForm> b(NewForm());
  ASSERT_EQ(Screen->FormCount(), before + 2);
  EXPECT_EQ(Screen->Forms(before), a.get());
  EXPECT_EQ(Screen->Forms(before + 1), b.get());

  std::vector<std::string> events;
  a->OnActivate = {[&](TObject*) { events.push_back("activate a"); }};
  a->OnDeactivate = {[&](TObject*) { events.push_back("deactivate a"); }};
  b->OnActivate = {[&](TObject*) { events.push_back("activate b"); }};
  a->Show();
  Pump();
  EXPECT_EQ(Screen->ActiveForm(), a.get());
  b->Show();
  Pump();
  EXPECT_EQ(Screen->ActiveForm(), b.get());
  // Every activation counts, not only the first.
  a->Show();
  Pump();
  EXPECT_EQ(events,
            (std::vector<std::string>{"activate a", "deactivate a", "activate b", "activate a"}));
  b.reset();
  EXPECT_EQ(Screen->FormCount(), before + 1);
}

TEST_F(Forms, CloseAsksFirstThenHidesOrKeepsTheForm) {
  std::unique_ptr<TForm> form(NewForm());
  bool allow = false;
  TCloseAction action = caHide;
  int closes = 0;
  form->OnCloseQuery = {[&](TObject*, bool& canClose) { canClose = allow; }};
  form->OnClose = {[&](TObject*, TCloseAction& a) {
    ++closes;
    a = action;
  }};
  form->Show();
  Pump();
  SendMessageW(form->Handle(), WM_CLOSE, 0, 0);  // the frame's close button
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_EQ(closes, 0);

  allow = true;
  action = caNone;
  form->Close();
  EXPECT_EQ(closes, 1);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));

  action = caHide;
  form->Close();
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  EXPECT_FALSE(form->Visible());
  // Shown again by the next Show, as the sign-up window is.
  form->Show();
  Pump();
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST_F(Forms, ShowModalReturnsTheModalResultOfTheButtonPressed) {
  std::unique_ptr<TForm> owner(NewForm());
  owner->Show();
  Pump();
  std::unique_ptr<TForm> dialog(NewForm(200, 100));
  auto* ok = new TButton(dialog.get());
  ok->SetParent(dialog.get());
  ok->SetModalResult(mrOk);
  bool ownerDisabled = false;
  dialog->OnActivate = {[&](TObject*) {
    ownerDisabled = !IsWindowEnabled(owner->Handle());
    PostMessageW(ok->Handle(), BM_CLICK, 0, 0);
  }};
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_TRUE(ownerDisabled);
  EXPECT_TRUE(IsWindowEnabled(owner->Handle()));
  EXPECT_FALSE(dialog->Visible());
  // A form on screen cannot be made modal.
  dialog->Show();
  EXPECT_THROW(dialog->ShowModal(), EInvalidOperation);
}

TEST_F(Forms, AModalFormThatFailsToShowGivesTheOtherWindowsBack) {
  std::unique_ptr<TForm> owner(NewForm());
  owner->Show();
  Pump();
  std::unique_ptr<TForm> dialog(NewForm(200, 100));
  dialog->OnShow = {[](TObject*) { throw Exception("Cannot show"); }};
  EXPECT_THROW(dialog->ShowModal(), Exception);
  EXPECT_TRUE(IsWindowEnabled(owner->Handle()));
  EXPECT_FALSE(dialog->Visible());
  EXPECT_FALSE(dialog->Modal());
}

TEST_F(Forms, ADefinitionIsLoadedFromTheResourceNamedAfterTheClass) {
  RegisterFrameworkClasses();
  std::unique_ptr<TForm> form(new TForm(nullptr));
  ASSERT_TRUE(form->LoadDefinitionFromResource(L"TResForm"));
  EXPECT_EQ(form->Name(), "ResForm");
  EXPECT_EQ(form->Caption(), L"From res");
  auto* button = ObjectAs<TButton>(form->FindComponent("Button1"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Parent(), form.get());
  EXPECT_EQ(button->Left(), 8);
  EXPECT_EQ(button->Caption(), L"OK");
  EXPECT_FALSE(form->LoadDefinitionFromResource(L"TNoSuchForm"));
}

TEST_F(Forms, PaintingAFullFormManyTimesLeaksNoGdiObjects) {
  std::unique_ptr<TForm> form(NewForm(400, 300));
  auto* panel = new TPanel(form.get());
  panel->SetParent(form.get());
  panel->SetAlign(alTop);
  panel->SetCaption(L"Header");
  auto* label = new TLabel(form.get());
  label->SetParent(form.get());
  label->SetBounds(10, 60, 100, 20);
  label->SetCaption(L"Item Name");
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  edit->SetBounds(120, 60, 120, 24);
  auto* memo = new TMemo(form.get());
  memo->SetParent(form.get());
  memo->SetBounds(10, 100, 200, 120);
  memo->SetScrollBars(ssBoth);
  memo->Lines().Add(u"<form action=\"https://example\">");
  auto* button = new TButton(form.get());
  button->SetParent(form.get());
  button->SetBounds(250, 100, 100, 25);
  button->SetCaption(L"Generate Code");
  form->Show();
  Pump();
  auto repaint = [&](int i) {
    label->SetCaption(i % 2 ? L"Item Name" : L"Item Price");
    panel->Font().SetHeight(-11 - i % 3);
    RedrawWindow(form->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  };
  repaint(0);
  repaint(1);
  repaint(2);
  const DWORD before = GdiObjects();
  ASSERT_GT(before, 0u);
  for (int i = 3; i < 300; ++i) repaint(i);
  Pump();
  // A leak only grows the count; on a busy machine Wine may release an object it had cached
  // (the count then ends one lower), which is no fault of ours.
  EXPECT_LE(GdiObjects(), before);
}

}  // namespace
