#include <gtest/gtest.h>

#include "FormTestSkin.h"
#include "skin/forms/FrameZones.h"
#include "skin/forms/TSeSkinFrame.h"

namespace {

// The program's skin at 475 x 300: caption 29 high with 10-pixel ends, a 5-pixel top border
// inside the title, the buttons' container ending 4 pixels from the right (buttons from 289
// to 471, its free part from 267; the title clips them at 465, where the caption's right end
// answers), the system icon at (11, 6, 31, 26), 5-pixel borders.
TEST(FrameZones, TheProgramSkinsZonesAnswerAsTheSystemCaptionWould) {
  auto form = LoadProgramForm();
  TSeSkinFrame frame(*form);
  ASSERT_TRUE(frame.ClientRect({475, 300}).has_value());
  struct Case {
    TPoint point;
    std::int32_t answer;
  };
  const Case cases[] = {{{100, 0}, SeHitTest::Top},           {{100, 4}, SeHitTest::Top},
                        {{100, 5}, SeHitTest::Caption},       {{100, 28}, SeHitTest::Caption},
                        {{0, 0}, SeHitTest::TopLeft},         {{9, 28}, SeHitTest::TopLeft},
                        {{10, 15}, SeHitTest::Caption},       {{465, 15}, SeHitTest::TopRight},
                        {{474, 0}, SeHitTest::TopRight},      {{470, 10}, SeHitTest::TopRight},
                        {{275, 10}, SeHitTest::Caption},      {{288, 10}, SeHitTest::Caption},
                        {{289, 10}, SeHitTest::MinButton},    {{460, 15}, SeHitTest::MinButton},
                        {{464, 10}, SeHitTest::MinButton},    {{20, 15}, SeHitTest::MinButton},
                        {{31, 15}, SeHitTest::Caption},       {{0, 100}, SeHitTest::Left},
                        {{4, 100}, SeHitTest::Left},          {{5, 100}, SeHitTest::Client},
                        {{469, 100}, SeHitTest::Client},      {{470, 100}, SeHitTest::Right},
                        {{100, 294}, SeHitTest::Client},      {{100, 295}, SeHitTest::Bottom},
                        {{4, 299}, SeHitTest::BottomLeft},    {{5, 299}, SeHitTest::Bottom},
                        {{470, 295}, SeHitTest::BottomRight}, {{474, 299}, SeHitTest::BottomRight}};
  for (const Case& c : cases) {
    const TSeFrameZone zone = frame.Zone(c.point);
    EXPECT_EQ(FrameZones::HitTestAnswer(zone, true, true, false), c.answer)
        << c.point.X << "," << c.point.Y;
  }
  EXPECT_EQ(frame.Zone({475, 100}), TSeFrameZone::kfzNone);
}

TEST(FrameZones, OptionsAndMaximizedTurnZonesIntoClient) {
  using Z = TSeFrameZone;
  struct Case {
    bool moveable, sizeable, maximized;
    std::int32_t caption, left, bottomRight, button;
  };
  const Case cases[] = {{true, true, false, SeHitTest::Caption, SeHitTest::Left,
                         SeHitTest::BottomRight, SeHitTest::MinButton},
                        {true, false, false, SeHitTest::Caption, SeHitTest::Client,
                         SeHitTest::Client, SeHitTest::MinButton},
                        {false, true, false, SeHitTest::Client, SeHitTest::Left,
                         SeHitTest::BottomRight, SeHitTest::MinButton},
                        {true, true, true, SeHitTest::Caption, SeHitTest::Client, SeHitTest::Client,
                         SeHitTest::MinButton}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.moveable << c.sizeable << c.maximized);
    EXPECT_EQ(FrameZones::HitTestAnswer(Z::kfzCaption, c.moveable, c.sizeable, c.maximized),
              c.caption);
    EXPECT_EQ(FrameZones::HitTestAnswer(Z::kfzLeft, c.moveable, c.sizeable, c.maximized), c.left);
    EXPECT_EQ(FrameZones::HitTestAnswer(Z::kfzBottomRight, c.moveable, c.sizeable, c.maximized),
              c.bottomRight);
    EXPECT_EQ(FrameZones::HitTestAnswer(Z::kfzSysButton, c.moveable, c.sizeable, c.maximized),
              c.button);
  }
  // The plain caption's own buttons keep their system answers.
  EXPECT_EQ(FrameZones::HitTestAnswer(Z::kfzClose, true, true, false), SeHitTest::Close);
  EXPECT_EQ(FrameZones::HitTestAnswer(Z::kfzMaximize, true, true, false), SeHitTest::MaxButton);
  EXPECT_EQ(FrameZones::HitTestAnswer(Z::kfzHelp, true, true, false), SeHitTest::Help);
  EXPECT_EQ(FrameZones::HitTestAnswer(Z::kfzBorder, true, true, true), SeHitTest::Border);
  EXPECT_EQ(FrameZones::HitTestAnswer(Z::kfzNone, true, true, false), SeHitTest::Client);
}

}  // namespace
