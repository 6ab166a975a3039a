#include <gtest/gtest.h>

#include <vector>

#include "skin/forms/FrameCommands.h"

namespace {

using C = TSeFrameCommand;
using I = TSeBorderIcon;
using S = TSeWindowState;
using Z = TSeFrameZone;

const TSeBorderIcons kDefault{I::kbiClose,    I::kbiSystemMenu, I::kbiMinimize,
                              I::kbiMaximize, I::kbiRollup,     I::kbiTray};

TEST(FrameCommands, AReleaseActsOnTheZoneItWasPressedIn) {
  struct Case {
    Z down, up;
    bool doubleClick;
    TSeBorderIcons icons;
    S state;
    C command;
  };
  const TSeBorderIcons noMaximize = kDefault - TSeBorderIcons{I::kbiMaximize};
  const Case cases[] = {
      {Z::kfzClose, Z::kfzClose, false, kDefault, S::kwsNormal, C::Close},
      {Z::kfzClose, Z::kfzCaption, false, kDefault, S::kwsNormal, C::None},
      {Z::kfzTray, Z::kfzTray, false, kDefault, S::kwsNormal, C::Tray},
      {Z::kfzSysIcon, Z::kfzSysIcon, false, kDefault, S::kwsNormal, C::SystemMenu},
      {Z::kfzCaption, Z::kfzCaption, false, kDefault, S::kwsNormal, C::None},
      {Z::kfzCaption, Z::kfzCaption, true, kDefault, S::kwsNormal, C::Maximize},
      {Z::kfzCaption, Z::kfzCaption, true, kDefault, S::kwsMaximized, C::Maximize},
      {Z::kfzCaption, Z::kfzCaption, true, kDefault, S::kwsMinimized, C::Restore},
      {Z::kfzCaption, Z::kfzCaption, true, noMaximize, S::kwsNormal, C::None},
      {Z::kfzSysIcon, Z::kfzSysIcon, true, kDefault, S::kwsNormal, C::Close},
      {Z::kfzMinimize, Z::kfzMinimize, true, kDefault, S::kwsNormal, C::Minimize},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FrameCommands::LeftButtonUp(c.down, c.up, c.doubleClick, c.icons, c.state), c.command)
        << static_cast<int>(c.down) << "->" << static_cast<int>(c.up) << " double " << c.doubleClick
        << " state " << static_cast<int>(c.state);
  }
  EXPECT_EQ(FrameCommands::RightButtonUp(Z::kfzCaption), C::SystemMenu);
  EXPECT_EQ(FrameCommands::RightButtonUp(Z::kfzClose), C::None);
}

TEST(FrameCommands, TheSystemMenuOffersWhatTheStateAllows) {
  struct Case {
    TSeBorderIcons icons;
    S state;
    std::vector<C> items;
  };
  const Case cases[] = {
      {kDefault, S::kwsNormal, {C::Minimize, C::Maximize, C::Rollup, C::Tray, C::None, C::Close}},
      {kDefault, S::kwsMaximized, {C::Restore, C::Minimize, C::Rollup, C::Tray, C::None, C::Close}},
      {kDefault, S::kwsMinimized, {C::Restore, C::None, C::Close}},
      {kDefault, S::kwsRollup, {C::Restore, C::Minimize, C::Maximize, C::Tray, C::None, C::Close}},
      {kDefault, S::kwsTray, {C::Restore, C::None, C::Close}},
      {TSeBorderIcons{I::kbiClose}, S::kwsNormal, {C::Close}},
      {TSeBorderIcons{I::kbiMinimize}, S::kwsNormal, {C::Minimize}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FrameCommands::SystemMenuItems(c.icons, c.state), c.items)
        << "state " << static_cast<int>(c.state);
  }
  const C order[] = {C::Close, C::Minimize, C::Maximize, C::Restore, C::Rollup, C::Tray};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(FrameCommands::SystemMenuImage(order[i]), i);
  EXPECT_EQ(FrameCommands::SystemMenuImage(C::None), -1);
}

}  // namespace
