#include <gtest/gtest.h>

#include <vector>

#include "skin/forms/TSeFrameDrag.h"
#include "skin/forms/TSeGravitation.h"

namespace {

using Z = TSeFrameZone;

// A 400 x 300 window at (100, 100) in a 1024 x 738 work area; the mouse is pressed at down
// and moved through the points in turn. A live drag applies each result to the window.
TEST(FrameDrag, EdgesFollowTheMouseDownToTheMinimumSize) {
  struct Case {
    const char* name;
    Z zone;
    TPoint down;
    bool outline;
    std::vector<TPoint> moves;
    TRect result;
  };
  const Case cases[] = {
      {"caption moves", Z::kfzCaption, {200, 10}, false, {{250, 30}}, {150, 120, 550, 420}},
      {"caption snaps 15 pixels from the left",
       Z::kfzCaption,
       {200, 10},
       false,
       {{115, 10}},
       {0, 100, 400, 400}},
      {"left edge", Z::kfzLeft, {2, 100}, false, {{-48, 100}}, {50, 100, 500, 400}},
      {"left edge stops 150 from the right",
       Z::kfzLeft,
       {2, 100},
       false,
       {{400, 100}},
       {350, 100, 500, 400}},
      {"top edge stops 40 from the bottom",
       Z::kfzTop,
       {100, 2},
       false,
       {{100, 500}},
       {100, 360, 500, 400}},
      {"live right edge in steps",
       Z::kfzRight,
       {398, 100},
       false,
       {{420, 100}, {430, 100}},
       {100, 100, 532, 400}},
      {"bottom-right corner",
       Z::kfzBottomRight,
       {398, 298},
       false,
       {{410, 320}},
       {100, 100, 512, 422}},
      {"top-left corner", Z::kfzTopLeft, {2, 2}, false, {{-8, -18}}, {90, 80, 500, 400}},
      {"outline right edge from the press",
       Z::kfzRight,
       {398, 100},
       true,
       {{420, 100}, {430, 100}},
       {100, 100, 532, 400}},
      {"outline caption",
       Z::kfzCaption,
       {200, 10},
       true,
       {{210, 10}, {250, 60}},
       {150, 150, 550, 450}},
      {"a button does not drag",
       Z::kfzSysButton,
       {300, 10},
       false,
       {{350, 60}},
       {100, 100, 500, 400}},
  };
  TSeGravitation gravitation;
  for (const Case& c : cases) {
    TSeDragRules rules;
    rules.Gravitation = &gravitation;
    rules.WorkArea = {0, 0, 1024, 738};
    TSeFrameDrag drag;
    drag.Start(c.zone, c.down, c.outline);
    const TRect start{100, 100, 500, 400};
    TRect bounds = start;
    TRect result = start;
    for (const TPoint& at : c.moves) {
      result = drag.Track(bounds, at, rules);
      if (!c.outline) bounds = result;
    }
    EXPECT_EQ(result, c.result) << c.name;
  }
}

TEST(FrameDrag, OptionsAndStatesThatForbidTheDrag) {
  struct Case {
    bool moveable, sizeable;
    TSeWindowState state;
    Z zone;
    TPoint down;
  };
  const Case cases[] = {
      {false, true, TSeWindowState::kwsNormal, Z::kfzCaption, {200, 10}},
      {true, true, TSeWindowState::kwsMaximized, Z::kfzCaption, {200, 10}},
      {true, false, TSeWindowState::kwsNormal, Z::kfzRight, {398, 100}},
      {true, true, TSeWindowState::kwsMaximized, Z::kfzRight, {398, 100}},
      {true, true, TSeWindowState::kwsRollup, Z::kfzBottom, {100, 32}},
  };
  for (const Case& c : cases) {
    TSeDragRules rules;
    rules.Moveable = c.moveable;
    rules.Sizeable = c.sizeable;
    rules.State = c.state;
    TSeFrameDrag drag;
    drag.Start(c.zone, c.down, false);
    EXPECT_EQ(drag.Track({100, 100, 500, 400}, {c.down.X + 30, c.down.Y + 30}, rules),
              (TRect{100, 100, 500, 400}))
        << static_cast<int>(c.zone) << " state " << static_cast<int>(c.state);
  }
  // Caption buttons, the client and the unused border zone start no drag.
  const Z zones[] = {Z::kfzNone,        Z::kfzCaption, Z::kfzBorder,
                     Z::kfzBottomRight, Z::kfzClose,   Z::kfzSysButton};
  const bool drags[] = {false, true, false, true, false, false};
  for (int i = 0; i < 6; ++i) {
    TSeFrameDrag drag;
    drag.Start(zones[i], {10, 10}, true);
    EXPECT_EQ(drag.Dragging(), drags[i]) << static_cast<int>(zones[i]);
    EXPECT_EQ(drag.Outline(), drags[i]) << static_cast<int>(zones[i]);
  }
}

}  // namespace
