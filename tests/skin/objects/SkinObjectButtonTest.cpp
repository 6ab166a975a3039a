#include <gtest/gtest.h>

#include "skin/objects/TSeActiveBitmapBoxObject.h"
#include "skin/objects/TSeActiveSkinObject.h"
#include "skin/objects/TSeBitmapBoxObject.h"
#include "skin/objects/TSeButtonBitmapBoxObject.h"
#include "skin/objects/TSeButtonObject.h"
#include "skin/objects/TSeColorButtonObject.h"
#include "skin/objects/TSeFormBitmapSkinObject.h"
#include "skin/objects/TSeLinkSkinObject.h"
#include "skin/objects/TSeRollPanelObject.h"
#include "skin/objects/TSeSysButtonSkinObject.h"
#include "skin/objects/TSeSystemButton.h"
#include "tests/skin/objects/SkinObjectTestSupport.h"

namespace {

using A = TSeAction;
using S = TSeObjectState;

// One caption with a button for every action that hides itself.
struct Caption {
  TSeSkinObject Root{nullptr};
  FakeControl Control;
  FakeForm Form;
  std::vector<std::pair<A, TSeSystemButton*>> Buttons;

  Caption() {
    for (A action : {A::sbaClose, A::sbaHelp, A::sbaMinimize, A::sbaMaximize, A::sbaRestore,
                     A::sbaRollUp, A::sbaRollDown, A::sbaTray, A::sbaSysMenu}) {
      auto* button = new TSeSystemButton(&Root);
      button->SetAction(action);
      Buttons.push_back({action, button});
    }
    Control.Form = &Form;
    Root.SetControl(&Control);
  }
  std::vector<A> VisibleIn(S state) {
    Root.SetState(state);
    std::vector<A> shown;
    for (auto& [action, button] : Buttons)
      if (button->Visible()) shown.push_back(action);
    return shown;
  }
};

TEST(SystemButtonVisibility, WindowStateAndBorderIconsDecide) {
  Caption caption;
  EXPECT_EQ(caption.VisibleIn(S::osMaximized),
            (std::vector<A>{A::sbaClose, A::sbaHelp, A::sbaMinimize, A::sbaRestore, A::sbaRollUp,
                            A::sbaTray, A::sbaSysMenu}));
  EXPECT_EQ(caption.VisibleIn(S::osRolledUp),
            (std::vector<A>{A::sbaClose, A::sbaHelp, A::sbaMinimize, A::sbaMaximize, A::sbaRollDown,
                            A::sbaTray, A::sbaSysMenu}));
  EXPECT_EQ(caption.VisibleIn(S::osMinimized),
            (std::vector<A>{A::sbaClose, A::sbaHelp, A::sbaRestore, A::sbaTray, A::sbaSysMenu}));
  EXPECT_EQ(caption.VisibleIn(S::osNormal),
            (std::vector<A>{A::sbaClose, A::sbaHelp, A::sbaMinimize, A::sbaMaximize, A::sbaRollUp,
                            A::sbaTray, A::sbaSysMenu}));
  // Control states leave visibility as the last window state made it.
  EXPECT_EQ(caption.VisibleIn(S::osHot), caption.VisibleIn(S::osNormal));

  caption.Form.Remove(TSeBorderIcon::kbiRollup);
  caption.Form.Remove(TSeBorderIcon::kbiHelp);
  for (S state : {S::osNormal, S::osMaximized, S::osMinimized, S::osRolledUp}) {
    for (A action : caption.VisibleIn(state)) {
      EXPECT_NE(action, A::sbaRollUp);
      EXPECT_NE(action, A::sbaRollDown);
      EXPECT_NE(action, A::sbaHelp);
    }
  }

  // Without a frame component a button keeps its visibility.
  caption.Control.Form = nullptr;
  caption.Buttons[0].second->SetVisible(false);
  caption.Root.SetState(S::osNormal);
  EXPECT_FALSE(caption.Buttons[0].second->Visible());
}

// The visible buttons of a container in child order (right to left), with their left edges.
std::vector<std::pair<std::string, std::int32_t>> ButtonRow(TSeSkinObject& container) {
  std::vector<std::pair<std::string, std::int32_t>> row;
  for (int i = 0; i < container.ObjectCount(); ++i) {
    TSeSkinObject* button = container.Objects(i);
    if (button->Visible()) row.push_back({button->Name(), button->Left()});
  }
  return row;
}

TEST(SystemButtonVisibility, ButtonsThatShowOrHideCloseUpFromTheRightEdge) {
  // The program's caption: the container ends at 371; from there Close (21 wide) and then 23
  // wide buttons in the order Restore, Max, Min, RollDown, RollUp, Tray, Help stack leftwards,
  // skipping hidden ones: 350, 327, 304, 281, 258, 235.
  auto form = ReadProgramSkinObject("Form");
  ASSERT_TRUE(form);
  TSeSkinObject* container = form->FindByName("ButtonContainer");
  ASSERT_NE(container, nullptr);
  FakeControl control;
  FakeForm frame;
  control.Form = &frame;
  form->SetControl(&control);
  using Row = std::vector<std::pair<std::string, std::int32_t>>;
  auto rowIn = [&](S state) {
    form->SetState(state);
    return ButtonRow(*container);
  };
  const Row normal = {{"CloseButton", 350},  {"MaxButton", 327},  {"MinButton", 304},
                      {"RollUpButton", 281}, {"TrayButton", 258}, {"HelpButton", 235}};
  EXPECT_EQ(rowIn(S::osNormal), normal);
  EXPECT_EQ(rowIn(S::osRolledUp), (Row{{"CloseButton", 350},
                                       {"MaxButton", 327},
                                       {"MinButton", 304},
                                       {"RollDownButton", 281},
                                       {"TrayButton", 258},
                                       {"HelpButton", 235}}));
  EXPECT_EQ(rowIn(S::osNormal), normal);
  EXPECT_EQ(rowIn(S::osMaximized), (Row{{"CloseButton", 350},
                                        {"RestoreButton", 327},
                                        {"MinButton", 304},
                                        {"RollUpButton", 281},
                                        {"TrayButton", 258},
                                        {"HelpButton", 235}}));
  EXPECT_EQ(rowIn(S::osNormal), normal);
  // The glyphs follow their buttons: the roll-up glyph (11 wide) is centred in 281..304.
  EXPECT_EQ(form->FindByName("RollUpButton")->Objects(0)->Left(), 287);

  // The simpler caption buttons close up the same way: 20 wide from 100 leftwards.
  TSeSkinObject bar(nullptr);
  bar.SetBounds({0, 0, 100, 20});
  for (auto [name, action] : {std::pair{"Close", A::sbaClose}, std::pair{"Up", A::sbaRollUp},
                              std::pair{"Down", A::sbaRollDown}, std::pair{"Help", A::sbaHelp}}) {
    auto* button = new TSeSysButtonSkinObject(&bar);
    button->SetName(name);
    button->SetAction(action);
    button->SetAlign(TSeAlign::saRight);
    button->SetBounds({0, 0, 20, 20});
  }
  bar.SetControl(&control);
  bar.SetState(S::osRolledUp);
  EXPECT_EQ(ButtonRow(bar), (Row{{"Close", 80}, {"Down", 60}, {"Help", 40}}));
  bar.SetState(S::osNormal);
  EXPECT_EQ(ButtonRow(bar), (Row{{"Close", 80}, {"Up", 60}, {"Help", 40}}));
}

TEST(SystemButtonMouse, AClickNeedsPressAndReleaseOverTheButton) {
  Caption caption;
  TSeSystemButton& close = *caption.Buttons[0].second;

  close.MouseEnter();
  EXPECT_EQ(close.ButtonState(), TSeButtonState::bsHot);
  close.MouseDown(TSeMouseButton::mbRight, 1, 1);
  close.MouseUp(TSeMouseButton::mbRight, 1, 1);
  EXPECT_EQ(close.ButtonState(), TSeButtonState::bsHot);
  EXPECT_TRUE(caption.Form.Calls.empty());

  close.MouseDown(TSeMouseButton::mbLeft, 1, 1);
  EXPECT_EQ(close.ButtonState(), TSeButtonState::bsDown);
  close.MouseMove(TShiftState{ssLeft}, 2, 2);
  close.MouseLeave();
  EXPECT_EQ(close.ButtonState(), TSeButtonState::bsNormal);
  // Coming back with the button held shows it down again.
  close.MouseEnter();
  EXPECT_EQ(close.ButtonState(), TSeButtonState::bsDown);
  close.MouseLeave();
  close.MouseUp(TSeMouseButton::mbLeft, 50, 50);
  EXPECT_TRUE(caption.Form.Calls.empty());
  EXPECT_TRUE(close.LastShift().Empty());

  close.MouseEnter();
  close.MouseDown(TSeMouseButton::mbLeft, 1, 1);
  close.MouseUp(TSeMouseButton::mbLeft, 1, 1);
  EXPECT_EQ(close.ButtonState(), TSeButtonState::bsHot);
  EXPECT_EQ(caption.Form.Calls, std::vector<std::string>{"close"});
  EXPECT_FALSE(caption.Control.Changed.empty());

  TSeSystemButton& sysMenu = *caption.Buttons[8].second;
  sysMenu.DblClick(TSeMouseButton::mbRight, 0, 0);
  sysMenu.DblClick(TSeMouseButton::mbLeft, 0, 0);
  EXPECT_EQ(caption.Form.Calls.back(), "close");
  EXPECT_EQ(caption.Form.Calls.size(), 2u);

  caption.Control.Form = nullptr;
  close.MouseDown(TSeMouseButton::mbLeft, 1, 1);
  close.MouseUp(TSeMouseButton::mbLeft, 1, 1);
  EXPECT_EQ(caption.Form.Calls.size(), 2u);
}

TEST(SystemButtonDraw, PicturesFollowTheMouseAndGlyphsTheButtonsState) {
  OneBitmapSkin skin("STRIP", 4, 1, 0);
  for (int i = 0; i < 4; ++i) skin.Picture->SetPixel(i, 0, 0xFF000000u | (i + 1));
  TSeSystemButton button(nullptr);
  SetLink(button.Bitmap(), "STRIP", {0, 0, 1, 1});
  SetLink(button.ActiveBitmap(), "STRIP", {1, 0, 2, 1});
  SetLink(button.BitmapHot(), "STRIP", {2, 0, 3, 1});
  SetLink(button.BitmapPressed(), "STRIP", {3, 0, 4, 1});

  // The glyph records the state it is painted in.
  struct Glyph : TSeSkinObject {
    using TSeSkinObject::TSeSkinObject;
    std::vector<S> Seen;
    void Draw(TSeCanvas&) override { Seen.push_back(State()); }
  };
  auto* glyph = new Glyph(&button);
  glyph->SetBounds({0, 0, 1, 1});
  button.SetBitmaps(&skin.List);
  button.ResolveBitmaps();
  button.SetBounds({0, 0, 1, 1});
  TSeBitmap target;
  target.SetSize(1, 1);
  TSeMemoryCanvas canvas(target);
  auto paint = [&] {
    button.Draw(canvas);
    return Rgb(target, 0, 0);
  };

  EXPECT_EQ(paint(), 1u);  // inactive window: Bitmap, glyph disabled
  button.SetActive(true);
  EXPECT_EQ(paint(), 2u);
  button.MouseEnter();
  EXPECT_EQ(paint(), 3u);
  button.MouseDown(TSeMouseButton::mbLeft, 0, 0);
  EXPECT_EQ(paint(), 4u);
  EXPECT_EQ(glyph->Seen, (std::vector<S>{S::osDisabled, S::osNormal, S::osHot, S::osPressed}));
  EXPECT_TRUE(button.Active());
  EXPECT_TRUE(glyph->Active());
  EXPECT_EQ(glyph->State(), S::osNormal);
  EXPECT_EQ(button.State(), S::osNormal);
  EXPECT_EQ(button.Bitmap().GetRect(), (TRect{0, 0, 1, 1}));

  // The system-menu button shows the window's icon instead, and only with a control.
  TSeBitmap iconTarget;
  iconTarget.SetSize(40, 40);
  iconTarget.Fill(0);
  TSeMemoryCanvas iconCanvas(iconTarget);
  button.SetAction(A::sbaSysMenu);
  button.SetBounds({4, 6, 24, 26});
  button.Draw(iconCanvas);
  EXPECT_EQ(Rgb(iconTarget, 10, 10), 0u);
  FakeControl control;
  button.SetControl(&control);
  button.Draw(iconCanvas);
  EXPECT_EQ(PixelToColor(iconTarget.Pixel(4, 6)), 0x123456);
  EXPECT_EQ(Rgb(iconTarget, 3, 6), 0u);
}

TEST(StatePictures, BoxesAndSimpleCaptionButtonsShowTheirStatesPictureOrTheNormalOne) {
  // A strip of four one-pixel pictures 1, 2, 3, 4.
  OneBitmapSkin skin("STRIP", 4, 1, 0);
  for (int i = 0; i < 4; ++i) skin.Picture->SetPixel(i, 0, 0xFF000000u | (i + 1));
  skin.Picture->UpdateDeviceCopy();
  TSeBitmap target;
  target.SetSize(1, 1);
  TSeMemoryCanvas canvas(target);
  auto shown = [&](TSeSkinObject& object, S state) {
    object.SetBitmaps(&skin.List);
    object.ResolveBitmaps();
    object.SetBounds({0, 0, 1, 1});
    object.SetState(state);
    object.Draw(canvas);
    return Rgb(target, 0, 0);
  };
  auto pick = [](TSeBitmapLink& link, int i) { SetLink(link, "STRIP", {i, 0, i + 1, 1}); };

  TSeButtonBitmapBoxObject box(nullptr);  // no focused picture
  pick(box.Bitmap(), 0);
  pick(box.HotBitmap(), 1);
  pick(box.PressedBitmap(), 2);
  pick(box.DisabledBitmap(), 3);
  const std::pair<S, std::uint32_t> boxLooks[] = {
      {S::osNormal, 1}, {S::osHot, 2}, {S::osPressed, 3}, {S::osDisabled, 4}, {S::osFocused, 1}};
  for (auto [state, pixel] : boxLooks) EXPECT_EQ(shown(box, state), pixel);

  TSeActiveBitmapBoxObject active(nullptr);
  pick(active.Bitmap(), 0);
  pick(active.FocusedBitmap(), 1);
  const std::pair<S, std::uint32_t> activeLooks[] = {
      {S::osNormal, 1}, {S::osHot, 2}, {S::osFocused, 2}, {S::osPressed, 1}};
  for (auto [state, pixel] : activeLooks) EXPECT_EQ(shown(active, state), pixel);

  TSeSysButtonSkinObject button(nullptr);  // no hover picture
  pick(button.Bitmap(), 0);
  pick(button.BitmapDown(), 2);
  EXPECT_EQ(shown(button, S::osNormal), 1u);
  button.MouseEnter();
  EXPECT_EQ(shown(button, S::osNormal), 1u);
  button.MouseDown(TSeMouseButton::mbLeft, 0, 0);
  EXPECT_EQ(shown(button, S::osNormal), 3u);
  EXPECT_EQ(button.Bitmap().GetRect(), (TRect{0, 0, 1, 1}));
}

TEST(SimpleCaptionButton, RollPanelActionTogglesThePanelFoundFromTheTop) {
  TSeSkinObject root(nullptr);
  auto* panel = new TSeRollPanelObject(&root);
  panel->SetName("Side");
  panel->SetBounds({100, 0, 300, 50});
  panel->SetRollValue(20);
  auto* bar = new TSeSkinObject(&root);
  auto* button = new TSeSysButtonSkinObject(bar);
  button->SetAction(A::sbaRollPanel);
  button->SetRollPanel("side");
  FakeControl control;
  FakeForm form;
  control.Form = &form;
  root.SetControl(&control);

  auto click = [&] {
    button->MouseEnter();
    button->MouseDown(TSeMouseButton::mbLeft, 0, 0);
    button->MouseUp(TSeMouseButton::mbLeft, 0, 0);
  };
  click();
  EXPECT_EQ(panel->BoundsRect(), (TRect{280, 0, 300, 50}));
  EXPECT_EQ(panel->ExpandedSize(), 200);
  click();
  EXPECT_EQ(panel->BoundsRect(), (TRect{100, 0, 300, 50}));
  EXPECT_EQ(form.Calls, (std::vector<std::string>{"process", "process"}));

  // A name that is not a roll panel does nothing.
  button->SetRollPanel("");
  bar->SetName("Bar");
  button->SetRollPanel("Bar");
  click();
  EXPECT_EQ(panel->Width(), 200);
}

TEST(RollPanel, EachKindKeepsItsOppositeEdge) {
  TSeSkinObject root(nullptr);
  auto* panel = new TSeRollPanelObject(&root);
  panel->SetBounds({0, 100, 50, 300});
  panel->SetRollKind(TSeRollKind::rkTop);
  panel->SetRollValue(10);
  panel->Toggle();
  EXPECT_EQ(panel->BoundsRect(), (TRect{0, 290, 50, 300}));
  panel->Toggle();
  EXPECT_EQ(panel->BoundsRect(), (TRect{0, 100, 50, 300}));
  panel->SetRollKind(TSeRollKind::rkBottom);
  panel->Toggle();
  EXPECT_EQ(panel->BoundsRect(), (TRect{0, 100, 50, 110}));
  panel->SetRollKind(TSeRollKind::rkRight);
  panel->SetRollValue(5);
  panel->Toggle();
  EXPECT_EQ(panel->BoundsRect(), (TRect{0, 100, 5, 110}));

  TSeRollPanelObject alone(nullptr);  // without an owner nothing happens
  alone.SetBounds({0, 0, 40, 40});
  alone.SetRollValue(4);
  alone.Toggle();
  EXPECT_EQ(alone.Width(), 40);
}

TEST(ColorButton, FillsWithTheStateColourAndKeepsItsStoredLook) {
  TSeBitmap target;
  target.SetSize(10, 10);
  RecordingCanvas canvas(target);
  TSeColorButtonObject cell(nullptr);
  cell.SetBounds({0, 0, 10, 10});
  cell.SetColor(clWhite);
  cell.Hot().FillColor = 0xD7E9EA;
  cell.Pressed().FillColor = clBlack;
  cell.Focused().FillColor = 0xC56931;
  cell.Disabled().FillColor = 0xC0C0C0;
  cell.Disabled().TextFont.SetColor(0x0000FF);
  TFont normal;
  normal.SetColor(clBlack);
  cell.SetFont(normal);
  cell.SetText(u"1");

  const std::pair<S, TColor> expected[] = {{S::osNormal, clWhite},
                                           {S::osHot, 0xD7E9EA},
                                           {S::osPressed, clBlack},
                                           {S::osFocused, 0xC56931},
                                           {S::osDisabled, 0xC0C0C0}};
  for (auto [state, colour] : expected) {
    canvas.Fills.clear();
    canvas.Texts.clear();
    cell.SetState(state);
    cell.Draw(canvas);
    ASSERT_FALSE(canvas.Fills.empty());
    EXPECT_EQ(canvas.Fills[0].second, colour);
    EXPECT_EQ(cell.Color(), clWhite);
  }
  ASSERT_EQ(canvas.Texts.size(), 1u);
  EXPECT_EQ(canvas.Texts[0].Font.Color, 0x0000FF);
  EXPECT_EQ(cell.Font().Color(), clBlack);

  canvas.FailOnFill = true;
  EXPECT_THROW(cell.Draw(canvas), std::runtime_error);
  EXPECT_EQ(cell.Color(), clWhite);
  EXPECT_EQ(cell.Font().Color(), clBlack);
}

TEST(CompositeObjects, LinkPlaceholderActiveBoxAndFrameBitmapLooks) {
  TSeBitmap target;
  target.SetSize(20, 20);
  RecordingCanvas canvas(target);
  TSeLinkSkinObject link(nullptr);
  link.SetLinkControl("Memo1");
  link.SetBounds({0, 0, 20, 20});
  link.Draw(canvas);
  link.SetState(S::osHot);
  link.Draw(canvas);
  EXPECT_TRUE(canvas.Texts.empty());
  link.SetState(S::osPlaceholder);
  link.Draw(canvas);
  ASSERT_EQ(canvas.Texts.size(), 1u);
  EXPECT_EQ(canvas.Texts[0].Text, u"Memo1");
  EXPECT_EQ(canvas.Texts[0].Font.Name, "Arial");
  EXPECT_EQ(canvas.Texts[0].Font.Style, fsItalic);

  OneBitmapSkin skin("ACTIVE", 1, 1, 0xFF000001);
  skin.AddPicture("INACTIVE", 1, 1, 0xFF000002);
  TSeFormBitmapSkinObject frame(nullptr);
  SetLink(frame.Bitmap(), "ACTIVE", {0, 0, 1, 1});
  SetLink(frame.InactiveBitmap(), "INACTIVE", {0, 0, 1, 1});
  frame.SetBitmaps(&skin.List);
  frame.ResolveBitmaps();
  frame.SetBounds({0, 0, 1, 1});
  frame.Draw(canvas);
  EXPECT_EQ(Rgb(target, 0, 0), 2u);
  frame.SetActive(true);
  frame.Draw(canvas);
  EXPECT_EQ(Rgb(target, 0, 0), 1u);
  SetLink(frame.InactiveBitmap(), "", {});
  frame.SetActive(false);
  frame.Draw(canvas);
  EXPECT_EQ(Rgb(target, 0, 0), 1u);

  TSeActiveSkinObject hover(nullptr);
  FakeControl control;
  hover.SetControl(&control);
  hover.MouseEnter();
  EXPECT_EQ(hover.State(), S::osHot);
  hover.MouseLeave();
  EXPECT_EQ(hover.State(), S::osNormal);
  EXPECT_EQ(control.Changed.size(), 2u);
}

TEST(CompositeObjects, AssignCopiesTheBoxStylesAndStatePictures) {
  TSeActiveBitmapBoxObject source(nullptr);
  source.SetBorderTileStyle(TscTileStyle::tsStretch);
  SetLink(source.FocusedBitmap(), "FOCUS", {1, 2, 3, 4});
  SetLink(source.Bitmap(), "NORMAL", {0, 0, 3, 4});

  TSeBitmapBoxObject box(nullptr);
  box.Assign(&source);
  EXPECT_EQ(box.BorderTileStyle(), TscTileStyle::tsStretch);
  EXPECT_EQ(box.Bitmap().GetName(), "NORMAL");

  TSeActiveBitmapBoxObject copy(nullptr);
  copy.Assign(&source);
  EXPECT_EQ(copy.FocusedBitmap().GetName(), "FOCUS");
  EXPECT_EQ(copy.FocusedBitmap().GetRect(), (TRect{1, 2, 3, 4}));
  // The copy owns its links: changing one leaves the source alone.
  copy.FocusedBitmap().SetName("OTHER");
  EXPECT_EQ(source.FocusedBitmap().GetName(), "FOCUS");

  TSeSystemButton button(nullptr);
  EXPECT_EQ(button.Kind(), TSeKind::skSysButton);
  button.SetAction(A::sbaTray);
  SetLink(button.BitmapHot(), "HOT", {0, 0, 1, 1});
  TSeSystemButton buttonCopy(nullptr);
  buttonCopy.Assign(&button);
  EXPECT_EQ(buttonCopy.Action(), A::sbaTray);
  EXPECT_EQ(buttonCopy.BitmapHot().GetName(), "HOT");
}

}  // namespace
