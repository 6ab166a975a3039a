#include "skin/forms/TSePlainFrame.h"

#include <utility>

using I = TSeBorderIcon;
using Z = TSeFrameZone;

TSePlainFrame::TSePlainFrame(const TSeFrameMetrics& metrics, TSeBorderStyle style,
                             TSeBorderIcons icons, TSeWindowState state, TSize frame)
    : metrics_(metrics), style_(style), icons_(icons), state_(state), frame_(frame) {}

TRect TSePlainFrame::ClientRect() const {
  return TSeFrameGeometry::PlainClientRect(frame_, style_, metrics_, false);
}

TRect TSePlainFrame::CaptionButtonRect(TSeBorderIcon icon) const {
  if (!icons_.Contains(icon)) return {};
  const TRect client = ClientRect();
  TRect strip = Rect(client.Left, metrics_.FrameWidth + 1, client.Right, client.Top);
  const std::int32_t h = RectHeight(strip);
  if (icon == I::kbiSystemMenu) return Rect(strip.Left, strip.Top, strip.Left + h, strip.Bottom);

  // Buttons are placed from the right; each leaves x at the next one's left edge.
  const bool themed = metrics_.Themed;
  const std::int32_t width = themed ? h - 4 : h - 2;
  const std::int32_t height = h - 4;
  const std::int32_t gap = themed ? 2 : 0;
  std::int32_t x = strip.Right - 2 - width;
  if (themed && style_ == TSeBorderStyle::kbsToolWindow) x += 2;
  if (themed) strip.Top -= 1;
  const TRect placed = Bounds(0, strip.Top + 2, width, height);
  auto at = [&] { return OffsetRect(placed, x, 0); };
  const bool minimized = state_ == TSeWindowState::kwsMinimized;

  if (icons_.Contains(I::kbiClose)) {
    if (icon == I::kbiClose) return at();
    x -= width + 2;
  }
  if (style_ == TSeBorderStyle::kbsToolWindow) return {};
  if (icons_.Contains(I::kbiMaximize) && !minimized) {
    if (icon == I::kbiMaximize) return at();
    x -= width + gap;
  }
  if (icons_.Contains(I::kbiMinimize)) {
    if (icon == I::kbiMinimize) return at();
    x -= width + gap;
  }
  if (icons_.Contains(I::kbiRollup) && !minimized) {
    if (themed) return {};
    x -= 2;
    if (icon == I::kbiRollup) return at();
    x -= width;
  }
  if (icons_.Contains(I::kbiTray) && !minimized) {
    if (themed) return {};
    if (icon == I::kbiTray) return at();
    x -= width;
  }
  if (icon == I::kbiHelp && state_ != TSeWindowState::kwsRollup && !minimized) {
    x -= 2;
    return at();
  }
  return {};
}

TSeFrameZone TSePlainFrame::Zone(TPoint p) const {
  const TRect client = ClientRect();
  const std::int32_t fw = frame_.cx;
  const std::int32_t fh = frame_.cy;
  Z zone = Z::kfzNone;
  if (p.Y < client.Top && p.X < fw) zone = Z::kfzCaption;
  const std::pair<I, Z> buttons[] = {
      {I::kbiSystemMenu, Z::kfzSysIcon}, {I::kbiClose, Z::kfzClose},
      {I::kbiMinimize, Z::kfzMinimize},  {I::kbiMaximize, Z::kfzMaximize},
      {I::kbiHelp, Z::kfzHelp},          {I::kbiRollup, Z::kfzRollup},
      {I::kbiTray, Z::kfzTray}};
  for (const auto& [icon, buttonZone] : buttons) {
    if (PtInRect(CaptionButtonRect(icon), p)) zone = buttonZone;
  }
  if (state_ == TSeWindowState::kwsMaximized || state_ == TSeWindowState::kwsMinimized ||
      state_ == TSeWindowState::kwsRollup) {
    return zone;
  }
  std::int32_t caption = 0;
  if (style_ == TSeBorderStyle::kbsStandard) caption = metrics_.CaptionHeight;
  if (style_ == TSeBorderStyle::kbsToolWindow) caption = metrics_.SmallCaptionHeight;
  // The bottom and right bands start at the client's exclusive edge: the first border row and
  // column are border, not client.
  if (p.Y < client.Top - caption) {
    zone = p.X <= 19 ? Z::kfzTopLeft : p.X > fw - 20 ? Z::kfzTopRight : Z::kfzTop;
  }
  if (client.Bottom <= p.Y && p.Y < fh) {
    zone = p.X <= 19 ? Z::kfzBottomLeft : p.X > fw - 20 ? Z::kfzBottomRight : Z::kfzBottom;
  }
  if (p.X < client.Left) {
    zone = p.Y <= 19 ? Z::kfzTopLeft : p.Y > fh - 20 ? Z::kfzBottomLeft : Z::kfzLeft;
  }
  if (client.Right <= p.X && p.X < fw) {
    zone = p.Y <= 19 ? Z::kfzTopRight : p.Y > fh - 20 ? Z::kfzBottomRight : Z::kfzRight;
  }
  return zone;
}
