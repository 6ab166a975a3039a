#include "skin/forms/FrameZones.h"

namespace FrameZones {

TSeFrameZone ZoneOfKind(TSeKind kind) {
  switch (kind) {
    case TSeKind::skCaption:
    case TSeKind::skTitle:
      return TSeFrameZone::kfzCaption;
    case TSeKind::skLeft:
      return TSeFrameZone::kfzLeft;
    case TSeKind::skTop:
      return TSeFrameZone::kfzTop;
    case TSeKind::skRight:
      return TSeFrameZone::kfzRight;
    case TSeKind::skBottom:
      return TSeFrameZone::kfzBottom;
    case TSeKind::skTopLeft:
      return TSeFrameZone::kfzTopLeft;
    case TSeKind::skTopRight:
      return TSeFrameZone::kfzTopRight;
    case TSeKind::skBottomLeft:
      return TSeFrameZone::kfzBottomLeft;
    case TSeKind::skBottomRight:
      return TSeFrameZone::kfzBottomRight;
    case TSeKind::skSysButton:
      return TSeFrameZone::kfzSysButton;
    default:
      return TSeFrameZone::kfzNone;
  }
}

std::int32_t HitTestAnswer(TSeFrameZone zone, bool moveable, bool sizeable, bool maximized) {
  const bool sizing = sizeable && !maximized;
  switch (zone) {
    case TSeFrameZone::kfzCaption:
      return moveable ? SeHitTest::Caption : SeHitTest::Client;
    case TSeFrameZone::kfzLeft:
      return sizing ? SeHitTest::Left : SeHitTest::Client;
    case TSeFrameZone::kfzTop:
      return sizing ? SeHitTest::Top : SeHitTest::Client;
    case TSeFrameZone::kfzRight:
      return sizing ? SeHitTest::Right : SeHitTest::Client;
    case TSeFrameZone::kfzBottom:
      return sizing ? SeHitTest::Bottom : SeHitTest::Client;
    case TSeFrameZone::kfzTopLeft:
      return sizing ? SeHitTest::TopLeft : SeHitTest::Client;
    case TSeFrameZone::kfzTopRight:
      return sizing ? SeHitTest::TopRight : SeHitTest::Client;
    case TSeFrameZone::kfzBottomLeft:
      return sizing ? SeHitTest::BottomLeft : SeHitTest::Client;
    case TSeFrameZone::kfzBottomRight:
      return sizing ? SeHitTest::BottomRight : SeHitTest::Client;
    case TSeFrameZone::kfzBorder:
      return SeHitTest::Border;
    case TSeFrameZone::kfzClose:
      return SeHitTest::Close;
    case TSeFrameZone::kfzHelp:
      return SeHitTest::Help;
    case TSeFrameZone::kfzMaximize:
      return SeHitTest::MaxButton;
    // The remaining buttons borrow the minimize answer: the system then leaves the click to
    // the frame instead of running a command of its own.
    case TSeFrameZone::kfzMinimize:
    case TSeFrameZone::kfzRollup:
    case TSeFrameZone::kfzTray:
    case TSeFrameZone::kfzSysIcon:
    case TSeFrameZone::kfzSysButton:
      return SeHitTest::MinButton;
    case TSeFrameZone::kfzNone:
      break;
  }
  return SeHitTest::Client;
}

}  // namespace FrameZones
