#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormTestSkin.h"
#include "skin/forms/FrameRects.h"
#include "skin/forms/TSeSkinFrame.h"
#include "skin/forms/TSeWindowStateHost.h"
#include "skin/forms/TSeWindowStates.h"

namespace {

using S = TSeWindowState;

// A window on a 1024 x 768 monitor whose task bar takes the bottom 30 pixels, framed by the
// program's skin; rectangles come from the same rules the frame uses.
class FakeWindow : public TSeWindowStateHost {
 public:
  FakeWindow() : form_(LoadProgramForm()), frame_(*form_) {}
  TRect WindowBounds() const override { return bounds; }
  void SetWindowBounds(const TRect& r) override {
    bounds = r;
    ++boundsSet;
  }
  TRect MaximizedRect() const override {
    return FrameRects::MaximizedRect(kWorkArea, kMonitor, false, true, 5);
  }
  TRect MinimizedRect() const override {
    return FrameRects::MinimizedRect(160, Client(), Size(), kWorkArea);
  }
  TRect RollupRect() const override {
    return FrameRects::RollupRect({bounds.Left, bounds.Top}, Client(), Size());
  }
  bool CallDefault(S) override { return allow; }
  bool IsModal() const override { return modal; }
  void MinimizeApplication() override { calls += "app-minimize "; }
  void HideToTray() override { calls += "hide "; }
  void ShowFromTray() override { calls += "show "; }

  static constexpr TRect kWorkArea{0, 0, 1024, 738};
  static constexpr TRect kMonitor{0, 0, 1024, 768};
  TRect bounds{100, 100, 500, 400};
  bool allow = true;
  bool modal = false;
  int boundsSet = 0;
  std::string calls;

 private:
  TSize Size() const { return {RectWidth(bounds), RectHeight(bounds)}; }
  TRect Client() const { return *frame_.ClientRect(Size()); }
  std::unique_ptr<TSeSkinObject> form_;
  mutable TSeSkinFrame frame_;
};

// A step runs an action, or moves the window by (100, -50) when it has none.
using Action = void (TSeWindowStates::*)();
constexpr Action Max = &TSeWindowStates::DoMaximize;
constexpr Action Min = &TSeWindowStates::DoMinimize;
constexpr Action Rollup = &TSeWindowStates::DoRollup;
constexpr Action Tray = &TSeWindowStates::DoMinimizeToTray;
constexpr Action Restore = &TSeWindowStates::DoRestore;
constexpr Action Move = nullptr;
struct Step {
  Action act;
  S state;
  TRect bounds;
};
struct Case {
  const char* name;
  bool minimizeApplication;
  std::vector<Step> steps;
};

constexpr TRect kNormal{100, 100, 500, 400};
constexpr TRect kMaximized{0, 0, 1024, 738};

TEST(WindowStates, EveryStateRestoresToTheBoundsItLeft) {
  const Case cases[] = {
      {"maximize toggles back",
       true,
       {{Max, S::kwsMaximized, kMaximized}, {Max, S::kwsNormal, kNormal}}},
      {"roll up keeps width and position, 29 + 5 high",
       true,
       {{Rollup, S::kwsRollup, {100, 100, 500, 134}}, {Rollup, S::kwsNormal, kNormal}}},
      {"rolled up from maximized returns to maximized",
       true,
       {{Max, S::kwsMaximized, kMaximized},
        {Rollup, S::kwsRollup, {0, 0, 1024, 34}},
        {Restore, S::kwsMaximized, kMaximized},
        {Restore, S::kwsNormal, kNormal}}},
      {"a rolled-up window unrolls where it was moved",
       true,
       {{Rollup, S::kwsRollup, {100, 100, 500, 134}},
        {Move, S::kwsRollup, {200, 50, 600, 84}},
        {Restore, S::kwsNormal, {200, 50, 600, 350}}}},
      {"minimized alone sits at the work area's bottom left",
       false,
       {{Min, S::kwsMinimized, {0, 704, 160, 738}}, {Min, S::kwsNormal, kNormal}}},
      {"minimized from maximized",
       false,
       {{Max, S::kwsMaximized, kMaximized},
        {Min, S::kwsMinimized, {0, 704, 160, 738}},
        {Restore, S::kwsMaximized, kMaximized},
        {Restore, S::kwsNormal, kNormal}}},
      {"the application minimizes, the window stays",
       true,
       {{Min, S::kwsMinimized, kNormal}, {Restore, S::kwsNormal, kNormal}}},
      {"tray from maximized",
       true,
       {{Max, S::kwsMaximized, kMaximized},
        {Tray, S::kwsTray, kMaximized},
        {Restore, S::kwsMaximized, kMaximized},
        {Restore, S::kwsNormal, kNormal}}},
      {"tray from rolled up",
       true,
       {{Rollup, S::kwsRollup, {100, 100, 500, 134}},
        {Tray, S::kwsTray, {100, 100, 500, 134}},
        {Tray, S::kwsRollup, {100, 100, 500, 134}},
        {Restore, S::kwsNormal, kNormal}}},
      {"tray from normal", true, {{Tray, S::kwsTray, kNormal}, {Restore, S::kwsNormal, kNormal}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeWindow window;
    TSeWindowStates states(window);
    states.SetMinimizeApplication(c.minimizeApplication);
    int n = 0;
    for (const Step& step : c.steps) {
      if (step.act) {
        (states.*step.act)();
      } else {
        window.bounds = OffsetRect(window.bounds, 100, -50);
      }
      EXPECT_EQ(states.WindowState(), step.state) << "step " << n;
      EXPECT_EQ(window.bounds, step.bounds) << "step " << n;
      ++n;
    }
  }
}

TEST(WindowStates, RefusedActionsChangeNothingAndTheTrayHides) {
  FakeWindow window;
  TSeWindowStates states(window);
  window.allow = false;
  states.DoMaximize();
  states.DoRollup();
  EXPECT_EQ(states.WindowState(), S::kwsNormal);
  window.allow = true;
  window.modal = true;
  states.DoMinimize();
  states.DoMinimizeToTray();
  EXPECT_EQ(states.WindowState(), S::kwsNormal);
  EXPECT_EQ(window.bounds, kNormal);
  EXPECT_EQ(window.calls, "");
  // Restoring to a minimized application is the application's own business.
  window.modal = false;
  states.DoMinimize();
  states.DoMaximize();
  const int set = window.boundsSet;
  states.DoRestore();
  EXPECT_EQ(states.WindowState(), S::kwsMaximized);
  EXPECT_EQ(window.boundsSet, set);
  // The tray hides the window and shows it again before the state comes back.
  states.DoMinimizeToTray();
  states.DoRestore();
  EXPECT_EQ(states.WindowState(), S::kwsMaximized);
  EXPECT_EQ(window.calls, "app-minimize hide show ");
}

TEST(WindowStates, APendingStateKeepsTheStoredBounds) {
  FakeWindow window;
  TSeWindowStates states(window);
  window.bounds = {0, 768, 400, 1068};  // waiting off-screen
  states.ApplyPendingState(S::kwsMaximized, kNormal);
  EXPECT_EQ(window.bounds, kMaximized);
  states.SetWindowState(S::kwsNormal);
  EXPECT_EQ(window.bounds, kNormal);

  FakeWindow rolled;
  TSeWindowStates rolledStates(rolled);
  rolledStates.ApplyPendingState(S::kwsRollup, {0, 0, 1, 1});
  EXPECT_EQ(rolled.bounds, (TRect{100, 100, 500, 134}));
  rolledStates.DoRestore();
  EXPECT_EQ(rolled.bounds, kNormal);
}

TEST(FrameRects, TrackSizesAndMaximizedRectangles) {
  EXPECT_EQ(FrameRects::MinTrackSize(0, 0), (TSize{150, 40}));
  EXPECT_EQ(FrameRects::MinTrackSize(200, 0), (TSize{200, 40}));
  EXPECT_EQ(FrameRects::MaxTrackSize({1024, 738}, 0, 500), (TSize{1024, 500}));
  // A second monitor to the right; its work area lacks a 30-pixel task bar at the top.
  const TRect monitor{1024, 0, 2304, 1024};
  const TRect work{1024, 30, 2304, 1024};
  EXPECT_EQ(FrameRects::MaximizedRect(work, monitor, false, true, 5),
            (TRect{1024, 30, 2304, 1024}));
  EXPECT_EQ(FrameRects::MaximizedRect(work, monitor, false, false, 4),
            (TRect{1020, 26, 2308, 1028}));
  EXPECT_EQ(FrameRects::MaximizedRect(work, monitor, true, true, 5), monitor);
}

}  // namespace
