#include <gtest/gtest.h>

#include "skin/forms/TSePlainFrame.h"

namespace {

using I = TSeBorderIcon;
using S = TSeWindowState;
using Z = TSeFrameZone;

// A 300 x 200 window, 4-pixel sizing border, 18-pixel caption (14 for tool windows): the
// caption strip runs from y 5 to the client top at 22, 17 pixels high.
const TSeFrameMetrics kClassic{4, 18, 14, false};
const TSeFrameMetrics kThemed{4, 18, 14, true};
const TSeBorderIcons kAll{I::kbiClose, I::kbiSystemMenu, I::kbiMinimize, I::kbiMaximize,
                          I::kbiHelp,  I::kbiRollup,     I::kbiTray};

TEST(PlainFrame, CaptionButtonsFromTheRight) {
  struct Case {
    const char* name;
    TSeFrameMetrics metrics;
    TSeBorderStyle style;
    TSeBorderIcons icons;
    S state;
    I icon;
    TRect rect;
  };
  const auto std = TSeBorderStyle::kbsStandard;
  const auto tool = TSeBorderStyle::kbsToolWindow;
  const Case cases[] = {
      {"system icon", kClassic, std, kAll, S::kwsNormal, I::kbiSystemMenu, {4, 5, 21, 22}},
      {"close", kClassic, std, kAll, S::kwsNormal, I::kbiClose, {279, 7, 294, 20}},
      {"maximize", kClassic, std, kAll, S::kwsNormal, I::kbiMaximize, {262, 7, 277, 20}},
      {"minimize", kClassic, std, kAll, S::kwsNormal, I::kbiMinimize, {247, 7, 262, 20}},
      {"roll-up", kClassic, std, kAll, S::kwsNormal, I::kbiRollup, {230, 7, 245, 20}},
      {"tray", kClassic, std, kAll, S::kwsNormal, I::kbiTray, {215, 7, 230, 20}},
      {"help", kClassic, std, kAll, S::kwsNormal, I::kbiHelp, {198, 7, 213, 20}},
      {"help without minimize",
       kClassic,
       std,
       kAll - TSeBorderIcons{I::kbiMinimize},
       S::kwsNormal,
       I::kbiHelp,
       {213, 7, 228, 20}},
      {"minimized: no maximize", kClassic, std, kAll, S::kwsMinimized, I::kbiMaximize, {}},
      {"minimized: minimize moves right",
       kClassic,
       std,
       kAll,
       S::kwsMinimized,
       I::kbiMinimize,
       {262, 7, 277, 20}},
      {"minimized: no help", kClassic, std, kAll, S::kwsMinimized, I::kbiHelp, {}},
      {"rolled up: no help", kClassic, std, kAll, S::kwsRollup, I::kbiHelp, {}},
      {"absent icon", kClassic, std, TSeBorderIcons{I::kbiClose}, S::kwsNormal, I::kbiMaximize, {}},
      {"themed close", kThemed, std, kAll, S::kwsNormal, I::kbiClose, {281, 6, 294, 19}},
      {"themed maximize", kThemed, std, kAll, S::kwsNormal, I::kbiMaximize, {266, 6, 279, 19}},
      {"themed minimize", kThemed, std, kAll, S::kwsNormal, I::kbiMinimize, {251, 6, 264, 19}},
      {"themed: no roll-up", kThemed, std, kAll, S::kwsNormal, I::kbiRollup, {}},
      {"themed: no help after roll-up", kThemed, std, kAll, S::kwsNormal, I::kbiHelp, {}},
      {"themed help",
       kThemed,
       std,
       kAll - TSeBorderIcons{I::kbiRollup, I::kbiTray},
       S::kwsNormal,
       I::kbiHelp,
       {234, 6, 247, 19}},
      {"tool window close", kClassic, tool, kAll, S::kwsNormal, I::kbiClose, {283, 7, 294, 16}},
      {"themed tool window close",
       kThemed,
       tool,
       kAll,
       S::kwsNormal,
       I::kbiClose,
       {287, 6, 296, 15}},
      {"tool window: no maximize", kClassic, tool, kAll, S::kwsNormal, I::kbiMaximize, {}},
  };
  for (const Case& c : cases) {
    const TSePlainFrame frame(c.metrics, c.style, c.icons, c.state, {300, 200});
    EXPECT_EQ(frame.CaptionButtonRect(c.icon), c.rect) << c.name;
  }
}

TEST(PlainFrame, ZonesOfBordersCornersCaptionAndButtons) {
  struct Case {
    S state;
    TPoint point;
    Z zone;
  };
  const Case cases[] = {
      {S::kwsNormal, {100, 10}, Z::kfzCaption}, {S::kwsNormal, {100, 4}, Z::kfzCaption},
      {S::kwsNormal, {100, 3}, Z::kfzTop},      {S::kwsNormal, {19, 2}, Z::kfzTopLeft},
      {S::kwsNormal, {20, 2}, Z::kfzTop},       {S::kwsNormal, {280, 2}, Z::kfzTop},
      {S::kwsNormal, {281, 2}, Z::kfzTopRight}, {S::kwsNormal, {285, 10}, Z::kfzClose},
      {S::kwsNormal, {10, 10}, Z::kfzSysIcon},  {S::kwsNormal, {200, 10}, Z::kfzHelp},
      {S::kwsNormal, {2, 10}, Z::kfzTopLeft},   {S::kwsNormal, {2, 100}, Z::kfzLeft},
      {S::kwsNormal, {2, 180}, Z::kfzLeft},     {S::kwsNormal, {2, 181}, Z::kfzBottomLeft},
      {S::kwsNormal, {100, 195}, Z::kfzNone},   {S::kwsNormal, {100, 196}, Z::kfzBottom},
      {S::kwsNormal, {100, 199}, Z::kfzBottom}, {S::kwsNormal, {295, 100}, Z::kfzNone},
      {S::kwsNormal, {296, 100}, Z::kfzRight},  {S::kwsNormal, {298, 190}, Z::kfzBottomRight},
      {S::kwsNormal, {300, 100}, Z::kfzNone},   {S::kwsMaximized, {100, 3}, Z::kfzCaption},
      {S::kwsMaximized, {2, 100}, Z::kfzNone},  {S::kwsMaximized, {285, 10}, Z::kfzClose},
      {S::kwsRollup, {100, 199}, Z::kfzNone},
  };
  for (const Case& c : cases) {
    const TSePlainFrame frame(kClassic, TSeBorderStyle::kbsStandard, kAll, c.state, {300, 200});
    EXPECT_EQ(frame.Zone(c.point), c.zone)
        << c.point.X << "," << c.point.Y << " state " << static_cast<int>(c.state);
  }
  const TSePlainFrame none(kClassic, TSeBorderStyle::kbsNone, kAll, S::kwsNormal, {300, 200});
  EXPECT_EQ(none.Zone({100, 3}), Z::kfzNone);
  EXPECT_EQ(none.Zone({2, 100}), Z::kfzNone);
}

}  // namespace
