#include "tools/skinart/TSkinPainter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <utility>

namespace skinart {

namespace {

// --- the palette --------------------------------------------------------------------------

constexpr TRgb kFace{234, 233, 215};   // 14150122, the face of windows and controls
constexpr TRgb kAccent{49, 105, 197};  // 12937521, highlights and hot text
constexpr TRgb kWhite{255, 255, 255};
constexpr TRgb kControlOutline{0, 60, 116};
constexpr TRgb kFieldBorder{127, 157, 185};
constexpr TRgb kDisabledOutline{201, 199, 186};
constexpr TRgb kDisabledFill{245, 244, 234};
constexpr TRgb kGoldLight{255, 219, 140};
constexpr TRgb kGold{240, 170, 40};
constexpr TRgb kFocusLight{186, 210, 252};
constexpr TRgb kFocus{105, 140, 230};
constexpr TRgb kArrow{77, 97, 133};

// The four looks most pictures come in.
enum Look { kNormal, kHot, kPressed, kDisabled, kFocused };

using Stops = std::vector<std::pair<double, TRgb>>;

TRgb Ramp(const Stops& stops, double y) {
  if (y <= stops.front().first) return stops.front().second;
  for (std::size_t i = 1; i < stops.size(); ++i)
    if (y <= stops[i].first) {
      const double t = (y - stops[i - 1].first) / (stops[i].first - stops[i - 1].first);
      return Mix(stops[i - 1].second, stops[i].second, t);
    }
  return stops.back().second;
}

TArtCanvas::Paint RampPaint(Stops stops, double offset = 0, bool horizontal = false) {
  return [stops = std::move(stops), offset, horizontal](double x, double y) {
    return Ramp(stops, (horizontal ? x : y) - offset);
  };
}

// --- the window frame ---------------------------------------------------------------------

constexpr int kCaptionHeight = 29;
constexpr int kButtonTop = 5;  // caption buttons sit 5 pixels below the caption's top

TRgb CaptionAt(bool active, double y) {
  static const Stops activeStops = {{0, {110, 165, 255}}, {2, {62, 128, 246}}, {7, {22, 98, 232}},
                                    {16, {6, 84, 222}},   {24, {2, 72, 204}},  {29, {0, 58, 176}}};
  static const Stops inactiveStops = {{0, {196, 210, 244}},  {2, {164, 184, 234}},
                                      {7, {142, 164, 226}},  {16, {130, 153, 220}},
                                      {24, {122, 145, 212}}, {29, {110, 132, 198}}};
  return Ramp(active ? activeStops : inactiveStops, y);
}

TRgb FrameOutline(bool active) {
  return active ? TRgb{0, 40, 140} : TRgb{104, 122, 172};
}

// Border colour by distance from the frame's outer edge (0 = outline, 4 = next to the client).
TRgb BorderAt(bool active, int distance) {
  static const std::array<TRgb, 5> activeRing = {
      TRgb{0, 40, 140}, TRgb{66, 132, 246}, TRgb{24, 100, 232}, TRgb{6, 84, 222}, TRgb{0, 58, 176}};
  static const std::array<TRgb, 5> inactiveRing = {TRgb{104, 122, 172}, TRgb{168, 186, 236},
                                                   TRgb{144, 166, 228}, TRgb{130, 153, 220},
                                                   TRgb{110, 132, 198}};
  return (active ? activeRing : inactiveRing)[static_cast<std::size_t>(distance)];
}

// Caption strip: CaptionLeft (10), Title (47), CaptionRight (10); active on top, inactive below.
TArtCanvas FrameCaption() {
  TArtCanvas c(67, kCaptionHeight * 2);
  for (int look = 0; look < 2; ++look) {
    const bool active = look == 0;
    const double top = look * kCaptionHeight;
    TArtCanvas strip(67, kCaptionHeight);
    // The rounded shape runs below the strip so that only its top corners are round.
    strip.FillRoundRect(0, 0, 67, kCaptionHeight + 10, 7,
                        [active](double, double y) { return CaptionAt(active, y); });
    strip.StrokeRoundRect(0, 0, 67, kCaptionHeight + 10, 7, 1, FrameOutline(active));
    // A soft light line under the outline gives the caption its rounded, lit edge.
    strip.StrokeRoundRect(1, 1, 66, kCaptionHeight + 10, 6, 1,
                          Mix(CaptionAt(active, 1), kWhite, active ? 0.35 : 0.3));
    c.Copy(strip, 0, 0, 67, kCaptionHeight, 0, static_cast<int>(top));
  }
  return c;
}

// Left or right border: 5 wide, active at x 0..5 and inactive at x 5..10.
TArtCanvas FrameSide(bool left) {
  TArtCanvas c(10, 20);
  for (int look = 0; look < 2; ++look)
    for (int x = 0; x < 5; ++x)
      c.FillRect(look * 5 + x, 0, look * 5 + x + 1, 20, BorderAt(look == 0, left ? x : 4 - x));
  return c;
}

// Bottom corners and edge: BottomLeft 5, BottomCenter 20, BottomRight 5; active rows 0..5.
TArtCanvas FrameBottom() {
  TArtCanvas c(30, 10);
  for (int look = 0; look < 2; ++look)
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 30; ++x) {
        int d = 4 - y;
        if (x < 5) d = std::min(d, x);
        if (x >= 25) d = std::min(d, 29 - x);
        c.Set(x, look * 5 + y, BorderAt(look == 0, d));
      }
  return c;
}

// Caption buttons: eight frames of 21 rows: 0 active, 1 hot, 2 pressed, 3 disabled, then the
// same four on an inactive caption.
struct ButtonFace {
  TRgb top;
  TRgb bottom;
};

ButtonFace CaptionButtonFace(bool close, int frame) {
  static const ButtonFace closeFaces[8] = {
      {{242, 134, 102}, {204, 62, 32}},   {{255, 166, 132}, {228, 90, 54}},
      {{176, 50, 22}, {214, 98, 68}},     {{214, 156, 140}, {192, 128, 112}},
      {{226, 172, 162}, {198, 132, 120}}, {{238, 190, 180}, {212, 148, 136}},
      {{182, 114, 104}, {208, 142, 130}}, {{218, 194, 190}, {202, 178, 174}}};
  static const ButtonFace blueFaces[8] = {
      {{100, 164, 255}, {20, 92, 230}},   {{136, 190, 255}, {50, 124, 248}},
      {{10, 62, 184}, {46, 110, 224}},    {{128, 166, 232}, {96, 134, 212}},
      {{176, 194, 236}, {134, 156, 216}}, {{196, 212, 246}, {156, 178, 230}},
      {{128, 148, 206}, {160, 180, 226}}, {{196, 208, 236}, {176, 190, 226}}};
  return (close ? closeFaces : blueFaces)[frame];
}

TRgb CaptionButtonAt(bool close, int frame, double y) {
  const ButtonFace f = CaptionButtonFace(close, frame);
  // A glossy upper half: light at the top, the base colour from the middle down.
  const TRgb mid = Mix(f.top, f.bottom, 0.55);
  if (y < 10) return Mix(Mix(f.top, kWhite, 0.15), mid, y / 10);
  return Mix(mid, f.bottom, (y - 10) / 11);
}

TArtCanvas CaptionButtons(bool close) {
  const int w = close ? 21 : 23;
  TArtCanvas c(w, 21 * 8);
  for (int frame = 0; frame < 8; ++frame) {
    const bool active = frame < 4;
    const int top = frame * 21;
    // The caption behind the button, so its rounded corners blend into the real caption.
    c.FillRect(0, top, w, top + 21,
               [active, top](double, double y) { return CaptionAt(active, y - top + kButtonTop); });
    const TRgb rim = active ? TRgb{236, 242, 255} : TRgb{226, 232, 248};
    c.FillRoundRect(0, top, w, top + 21, 3.5, rim);
    c.FillRoundRect(1, top + 1, w - 1, top + 20, 2.5, [close, frame, top](double, double y) {
      return CaptionButtonAt(close, frame, y - top);
    });
    // A faint inner line lifts the face from its rim.
    const TRgb shine = Mix(CaptionButtonAt(close, frame, 1), kWhite, 0.35);
    c.HLine(3, w - 3, top + 1, shine);
  }
  return c;
}

// --- glyphs -------------------------------------------------------------------------------

// A glyph drawn as a coverage mask (white on black) by a shape function.
using Shape = std::function<void(TArtCanvas& mask, double x, double y)>;

// Puts a shape in `colour` onto `canvas` at (x, y) over a known background: covered pixels
// are blended with the background, uncovered ones stay magenta so the real face shows.
void GlyphOnFace(TArtCanvas& canvas, int x, int y, int w, int h, const Shape& shape, TRgb colour,
                 const std::function<TRgb(int, int)>& face) {
  TArtCanvas mask(w, h, TRgb{0, 0, 0});
  shape(mask, 0, 0);
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      const double a = mask.At(i, j).r / 255.0;
      if (a <= 0) continue;
      const TRgb under = canvas.At(x + i, y + j) == kMagenta ? face(i, j) : canvas.At(x + i, y + j);
      // With no known face below, an edge is either in or out: never mixed with magenta.
      if (under == kMagenta) {
        if (a >= 0.5) canvas.Set(x + i, y + j, colour);
        continue;
      }
      canvas.Set(x + i, y + j, Mix(under, colour, a));
    }
}

Shape Translated(Shape shape, double dx, double dy) {
  return [shape = std::move(shape), dx, dy](TArtCanvas& m, double x, double y) {
    shape(m, x + dx, y + dy);
  };
}

// The shapes of the caption buttons, on an 11 x 11 grid (points are pixel centres).
Shape CloseShape() {
  return [](TArtCanvas& m, double x, double y) {
    m.Polyline({{x + 1.5, y + 1.5}, {x + 8.5, y + 8.5}}, 2.1, kWhite);
    m.Polyline({{x + 8.5, y + 1.5}, {x + 1.5, y + 8.5}}, 2.1, kWhite);
  };
}

void WindowOutline(TArtCanvas& m, int x, int y, int w, int h) {
  m.FillRect(x, y, x + w, y + 2, kWhite);
  m.FillRect(x, y, x + 1, y + h, kWhite);
  m.FillRect(x + w - 1, y, x + w, y + h, kWhite);
  m.FillRect(x, y + h - 1, x + w, y + h, kWhite);
}

Shape MaximizeShape() {
  return [](TArtCanvas& m, double x, double y) {
    WindowOutline(m, static_cast<int>(x) + 1, static_cast<int>(y) + 1, 9, 9);
  };
}

Shape MinimizeShape() {
  return [](TArtCanvas& m, double x, double y) {
    m.FillRect(static_cast<int>(x) + 2, static_cast<int>(y) + 7, static_cast<int>(x) + 8,
               static_cast<int>(y) + 9, kWhite);
  };
}

Shape RestoreShape() {
  return [](TArtCanvas& m, double x, double y) {
    const int ix = static_cast<int>(x), iy = static_cast<int>(y);
    WindowOutline(m, ix + 3, iy, 7, 6);
    m.FillRect(ix + 1, iy + 4, ix + 7, iy + 10, TRgb{0, 0, 0});  // front window hides the back
    WindowOutline(m, ix, iy + 3, 7, 7);
  };
}

Shape RollUpShape() {
  return [](TArtCanvas& m, double x, double y) {
    m.FillRect(static_cast<int>(x) + 1, static_cast<int>(y) + 1, static_cast<int>(x) + 10,
               static_cast<int>(y) + 3, kWhite);
    m.FillPolygon({{x + 1, y + 9}, {x + 10, y + 9}, {x + 5.5, y + 4.5}}, kWhite);
  };
}

Shape RollDownShape() {
  return [](TArtCanvas& m, double x, double y) {
    m.FillRect(static_cast<int>(x) + 1, static_cast<int>(y) + 1, static_cast<int>(x) + 10,
               static_cast<int>(y) + 3, kWhite);
    m.FillPolygon({{x + 1, y + 4.5}, {x + 10, y + 4.5}, {x + 5.5, y + 9}}, kWhite);
  };
}

Shape TrayShape() {
  return [](TArtCanvas& m, double x, double y) {
    m.FillPolygon({{x + 2, y + 1}, {x + 9, y + 1}, {x + 5.5, y + 5.5}}, kWhite);
    m.FillRect(static_cast<int>(x) + 1, static_cast<int>(y) + 7, static_cast<int>(x) + 10,
               static_cast<int>(y) + 10, kWhite);
  };
}

Shape HelpShape() {
  return [](TArtCanvas& m, double x, double y) {
    m.Polyline({{x + 2.6, y + 2.6},
                {x + 3.6, y + 1.1},
                {x + 5.2, y + 0.7},
                {x + 6.9, y + 1.3},
                {x + 7.6, y + 2.8},
                {x + 6.9, y + 4.2},
                {x + 5.2, y + 5.3},
                {x + 5.0, y + 6.8}},
               1.9, kWhite);
    m.FillRect(static_cast<int>(x) + 4, static_cast<int>(y) + 8, static_cast<int>(x) + 7,
               static_cast<int>(y) + 11, kWhite);
  };
}

// Four 11 x 11 cells: normal, hot, pressed, disabled, each blended onto the caption button
// face it is shown on (active, hot, pressed, and the inactive frame).
TArtCanvas CaptionGlyph(const Shape& shape, bool close) {
  const int size = 11;
  TArtCanvas c(size, size * 4);
  const int frames[4] = {0, 1, 2, 4};
  for (int look = 0; look < 4; ++look) {
    const int top = look * size;
    const int frame = frames[look];
    auto face = [close, frame](int, int j) {
      return CaptionButtonAt(close, frame, j + (21 - 11) / 2 + 0.5);
    };
    const ButtonFace f = CaptionButtonFace(close, frame);
    switch (look) {
      case kNormal:
        GlyphOnFace(c, 0, top, size, size, shape, kWhite, face);
        break;
      case kHot:
        // Hot: a drop shadow under a bright glyph makes it stand out.
        GlyphOnFace(c, 0, top, size, size, Translated(shape, 1, 1), Mix(f.bottom, TRgb{}, 0.35),
                    face);
        GlyphOnFace(c, 0, top, size, size, shape, kWhite, face);
        break;
      case kPressed:
        GlyphOnFace(c, 0, top, size, size, Translated(shape, 1, 1), TRgb{226, 232, 244}, face);
        break;
      default:
        // Inactive: the glyph stays light but a shade off white, the face does the fading.
        GlyphOnFace(c, 0, top, size, size, shape, TRgb{242, 246, 255}, face);
        break;
    }
  }
  return c;
}

// --- shared control shapes ----------------------------------------------------------------

// A crisp two-pixel chevron, 7 x 4 (or 4 x 7), centred in a size x size cell;
// direction 0 left, 1 right, 2 up, 3 down.
Shape ChevronShape(int direction, int size) {
  return [direction, size](TArtCanvas& m, double x, double y) {
    const int ox = static_cast<int>(x) + (size - 7) / 2;
    const int oy = static_cast<int>(y) + (size - 4) / 2;
    const int lx = static_cast<int>(x) + (size - 4) / 2;
    const int ly = static_cast<int>(y) + (size - 7) / 2;
    for (int k = 0; k < 4; ++k) {
      for (int a : {k, k + 1 < 4 ? k + 1 : k}) {
        // a runs along the arms, k across them.
        switch (direction) {
          case 3:
            m.Set(ox + a, oy + k, kWhite);
            m.Set(ox + 6 - a, oy + k, kWhite);
            break;
          case 2:
            m.Set(ox + a, oy + 3 - k, kWhite);
            m.Set(ox + 6 - a, oy + 3 - k, kWhite);
            break;
          case 1:
            m.Set(lx + k, ly + a, kWhite);
            m.Set(lx + k, ly + 6 - a, kWhite);
            break;
          default:
            m.Set(lx + 3 - k, ly + a, kWhite);
            m.Set(lx + 3 - k, ly + 6 - a, kWhite);
            break;
        }
      }
    }
  };
}

Shape CheckShape(double scale) {
  return [scale](TArtCanvas& m, double x, double y) {
    m.Polyline({{x + 2.6 * scale, y + 5.8 * scale},
                {x + 4.6 * scale, y + 7.8 * scale},
                {x + 8.6 * scale, y + 3.4 * scale}},
               1.9 * scale, kWhite);
  };
}

// A light rounded push-button face in one of the looks, over (x, y, w, h).
void PushFace(TArtCanvas& c, int x, int y, int w, int h, Look look, double radius = 3) {
  const double l = x, t = y, r = x + w, b = y + h;
  if (look == kDisabled) {
    c.FillRoundRect(l, t, r, b, radius, kDisabledOutline);
    c.FillRoundRect(l + 1, t + 1, r - 1, b - 1, radius - 1, kDisabledFill);
    return;
  }
  c.FillRoundRect(l, t, r, b, radius, kControlOutline);
  if (look == kPressed) {
    c.FillRoundRect(
        l + 1, t + 1, r - 1, b - 1, radius - 1,
        RampPaint({{t + 1, {214, 212, 200}}, {t + 4, {226, 224, 214}}, {b - 1, {244, 243, 238}}}));
    return;
  }
  c.FillRoundRect(l + 1, t + 1, r - 1, b - 1, radius - 1,
                  RampPaint({{t + 1, {255, 255, 255}},
                             {t + (h - 2) * 0.55, {246, 245, 240}},
                             {b - 4, {236, 235, 228}},
                             {b - 1, {214, 208, 196}}}));
  if (look == kHot)
    c.StrokeRoundRect(l + 1, t + 1, r - 1, b - 1, radius - 1, 2, Mix(kGoldLight, kGold, 0.35));
  if (look == kFocused) c.StrokeRoundRect(l + 1, t + 1, r - 1, b - 1, radius - 1, 2, kFocusLight);
  if (look == kHot) c.HLine(x + 2, x + w - 2, y + h - 2, kGold);
  if (look == kFocused) c.HLine(x + 2, x + w - 2, y + h - 2, kFocus);
}

// The soft blue button of scroll bars, spin buttons and combo boxes.
struct SoftFace {
  TRgb outline;
  TRgb top;
  TRgb bottom;
};

SoftFace SoftLook(Look look) {
  switch (look) {
    case kHot:
      return {{112, 144, 216}, {240, 246, 255}, {196, 216, 255}};
    case kPressed:
      return {{96, 124, 196}, {164, 188, 238}, {200, 216, 250}};
    case kDisabled:
      return {{216, 214, 204}, {246, 246, 242}, {236, 235, 228}};
    default:
      return {{160, 182, 228}, {232, 240, 255}, {188, 208, 250}};
  }
}

TRgb SoftAt(Look look, double y, double h) {
  const SoftFace f = SoftLook(look);
  return Mix(f.top, f.bottom, std::clamp(y / h, 0.0, 1.0));
}

void SoftButton(TArtCanvas& c, int x, int y, int w, int h, Look look, double radius = 2.5) {
  const SoftFace f = SoftLook(look);
  c.FillRoundRect(x, y, x + w, y + h, radius, f.outline);
  c.FillRoundRect(x + 1, y + 1, x + w - 1, y + h - 1, radius - 1,
                  [look, y, h](double, double py) { return SoftAt(look, py - y, h); });
  if (look != kDisabled && look != kPressed)
    c.HLine(x + 2, x + w - 2, y + 1, Mix(f.top, kWhite, 0.6));
}

TRgb ArrowColour(Look look) {
  switch (look) {
    case kHot:
      return {30, 60, 140};
    case kPressed:
      return {255, 255, 255};
    case kDisabled:
      return {196, 196, 186};
    default:
      return kArrow;
  }
}

const Look kFourLooks[4] = {kNormal, kHot, kPressed, kDisabled};

// --- menus --------------------------------------------------------------------------------

TArtCanvas MenuBar() {
  TArtCanvas c(8, 20);
  c.FillRect(0, 0, 8, 20, RampPaint({{0, {246, 245, 238}}, {19, {230, 228, 214}}}));
  c.HLine(0, 8, 19, {208, 205, 190});
  return c;
}

// Close, restore and minimize of a maximized child window on the menu bar: three columns of
// 16 x 16 in rows normal, hot, pressed.
TArtCanvas MenuBarButtons() {
  TArtCanvas c(48, 48);
  const Shape shapes[3] = {CloseShape(), RestoreShape(), MinimizeShape()};
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) {
      const int x = col * 16, y = row * 16;
      TRgb ink{40, 48, 64};
      if (row > 0) {
        const TRgb fill = row == 1 ? TRgb{206, 222, 248} : TRgb{160, 188, 236};
        c.FillRoundRect(x, y, x + 16, y + 16, 2.5, kAccent);
        c.FillRoundRect(x + 1, y + 1, x + 15, y + 15, 1.5, fill);
        ink = row == 1 ? TRgb{20, 40, 110} : TRgb{255, 255, 255};
      }
      GlyphOnFace(c, x + 2, y + 2, 11, 11, shapes[col], ink, [](int, int) { return kMagenta; });
    }
  return c;
}

TArtCanvas PopupMenu() {
  TArtCanvas c(16, 16);
  c.FillRect(0, 0, 16, 16, TRgb{172, 168, 153});
  c.FillRect(1, 1, 15, 15, TRgb{252, 252, 249});
  return c;
}

// Check and radio marks of menu items, 16 x 16, in rows normal, hot (on the blue highlight),
// disabled.
TArtCanvas MenuCheck() {
  TArtCanvas c(32, 48);
  const TRgb backs[3] = {{252, 252, 249}, kAccent, {252, 252, 249}};
  const TRgb inks[3] = {{20, 24, 32}, kWhite, {172, 168, 153}};
  for (int row = 0; row < 3; ++row) {
    const TRgb back = backs[row];
    auto face = [back](int, int) { return back; };
    GlyphOnFace(c, 1, row * 16 + 1, 14, 14, CheckShape(1.25), inks[row], face);
    GlyphOnFace(
        c, 16, row * 16, 16, 16,
        [](TArtCanvas& m, double x, double y) { m.FillEllipse(x + 8, y + 8, 3, 3, kWhite); },
        inks[row], face);
  }
  return c;
}

TArtCanvas MenuArrow() {
  TArtCanvas c(8, 24);
  const TRgb inks[3] = {{20, 24, 32}, kWhite, {172, 168, 153}};
  for (int row = 0; row < 3; ++row)
    for (int i = 0; i < 4; ++i) c.VLine(2 + i, row * 8 + i, row * 8 + 7 - i, inks[row]);
  return c;
}

// --- check box and radio button -----------------------------------------------------------

// 13 x 13 cells: columns unchecked, checked, grayed; rows normal, hot, pressed, disabled.
TArtCanvas CheckBox() {
  TArtCanvas c(39, 52);
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 3; ++col) {
      const int x = col * 13, y = row * 13;
      const Look look = kFourLooks[row];
      const bool disabled = look == kDisabled;
      c.FillRect(x, y, x + 13, y + 13, disabled ? kDisabledOutline : TRgb{28, 81, 128});
      const Stops fill = look == kPressed ? Stops{{0, {178, 178, 168}}, {11, {236, 236, 228}}}
                         : disabled       ? Stops{{0, kWhite}, {11, kWhite}}
                                          : Stops{{0, {220, 220, 214}}, {11, kWhite}};
      c.FillRect(x + 1, y + 1, x + 12, y + 12, RampPaint(fill, y + 1));
      if (look == kHot) {
        for (int i = 0; i < 2; ++i) {
          const TRgb ring = i == 0 ? kGoldLight : Mix(kGoldLight, kGold, 0.6);
          c.HLine(x + 1 + i, x + 12 - i, y + 1 + i, ring);
          c.HLine(x + 1 + i, x + 12 - i, y + 11 - i, ring);
          c.VLine(x + 1 + i, y + 1 + i, y + 12 - i, ring);
          c.VLine(x + 11 - i, y + 1 + i, y + 12 - i, ring);
        }
      }
      const TRgb mark = disabled ? kDisabledOutline : TRgb{33, 90, 190};
      if (col == 1) {
        TArtCanvas mask(13, 13, TRgb{0, 0, 0});
        CheckShape(1.0)(mask, 0.6, 0.4);
        for (int j = 0; j < 13; ++j)
          for (int i = 0; i < 13; ++i)
            if (mask.At(i, j).r > 0)
              c.Set(x + i, y + j, Mix(c.At(x + i, y + j), mark, mask.At(i, j).r / 255.0));
      } else if (col == 2) {
        c.FillRect(x + 3, y + 3, x + 10, y + 10,
                   RampPaint({{0, Mix(mark, kWhite, 0.35)}, {7, mark}}, y + 3));
      }
    }
  return c;
}

// 13 x 13 cells: columns unchecked, checked; rows normal, hot, pressed, disabled.
TArtCanvas RadioButton() {
  TArtCanvas c(26, 52);
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 2; ++col) {
      const double x = col * 13, y = row * 13;
      const Look look = kFourLooks[row];
      const bool disabled = look == kDisabled;
      c.FillEllipse(x + 6.5, y + 6.5, 6.5, 6.5, disabled ? kDisabledOutline : TRgb{28, 81, 128});
      const Stops fill = look == kPressed ? Stops{{0, {178, 178, 168}}, {11, {236, 236, 228}}}
                         : disabled       ? Stops{{0, kWhite}, {11, kWhite}}
                                          : Stops{{0, {220, 220, 214}}, {11, kWhite}};
      c.FillEllipse(x + 6.5, y + 6.5, 5.5, 5.5, RampPaint(fill, y + 1));
      if (look == kHot) {
        c.FillEllipse(x + 6.5, y + 6.5, 5.5, 5.5, Mix(kGoldLight, kGold, 0.4));
        c.FillEllipse(x + 6.5, y + 6.5, 3.8, 3.8, RampPaint(fill, y + 1));
      }
      if (col == 1)
        c.FillEllipse(x + 6.5, y + 6.5, 2.6, 2.6,
                      disabled ? TArtCanvas::Solid(kDisabledOutline)
                               : RampPaint({{0, {120, 170, 250}}, {5, {33, 90, 190}}}, y + 4));
    }
  return c;
}

// --- scroll bars, spin buttons, combo box -------------------------------------------------

TArtCanvas ScrollFrame(bool horizontal) {
  TArtCanvas c(horizontal ? 16 : 17, horizontal ? 17 : 16);
  const Stops track = {{0, {238, 237, 229}}, {2, {243, 241, 236}}, {16, {254, 254, 251}}};
  c.FillRect(0, 0, c.Width(), c.Height(), RampPaint(track, 0, !horizontal));
  return c;
}

TArtCanvas ScrollButton() {
  TArtCanvas c(17, 68);
  for (int i = 0; i < 4; ++i) SoftButton(c, 0, i * 17, 17, 17, kFourLooks[i]);
  return c;
}

// 9 x 9 chevrons: columns left, right, up, down; rows normal, hot, pressed, disabled, each
// blended onto the scroll button face of that look.
TArtCanvas ScrollArrows() {
  TArtCanvas c(36, 36);
  for (int row = 0; row < 4; ++row)
    for (int dir = 0; dir < 4; ++dir) {
      const Look look = kFourLooks[row];
      GlyphOnFace(c, dir * 9, row * 9, 9, 9, ChevronShape(dir, 9), ArrowColour(look),
                  [look](int, int j) { return SoftAt(look, j + 4.5, 17); });
    }
  return c;
}

// Thumbs in four looks with their grip beside them (horizontal) or below them (vertical).
TArtCanvas ScrollThumb(bool horizontal) {
  const int len = 24, thick = 17;
  TArtCanvas c(horizontal ? len + 8 : thick * 4, horizontal ? thick * 4 : len + 8);
  for (int i = 0; i < 4; ++i) {
    const Look look = kFourLooks[i];
    const int x = horizontal ? 0 : i * thick, y = horizontal ? i * thick : 0;
    SoftButton(c, x, y, horizontal ? len : thick, horizontal ? thick : len, look, 3);
    const TRgb darks[4] = {{140, 164, 220}, {96, 128, 208}, {64, 96, 176}, {220, 218, 208}};
    const TRgb lights[4] = {kWhite, kWhite, {214, 226, 252}, {250, 250, 246}};
    const TRgb dark = darks[i], light = lights[i];
    // The grip: four short ridges across the thumb.
    for (int k = 0; k < 4; ++k) {
      if (horizontal) {
        c.VLine(len + k * 2, y + 5, y + 12, light);
        c.VLine(len + k * 2 + 1, y + 5, y + 12, dark);
      } else {
        c.HLine(x + 5, x + 12, len + k * 2, light);
        c.HLine(x + 5, x + 12, len + k * 2 + 1, dark);
      }
    }
  }
  return c;
}

TArtCanvas SpinButton() {
  TArtCanvas c(15, 40);
  for (int i = 0; i < 4; ++i) SoftButton(c, 0, i * 10, 15, 10, kFourLooks[i], 2);
  return c;
}

// 7 x 5 arrow heads: columns up, down; rows normal, hot, pressed, disabled.
TArtCanvas SpinArrows() {
  TArtCanvas c(14, 20);
  for (int row = 0; row < 4; ++row) {
    const TRgb ink = ArrowColour(kFourLooks[row]);
    for (int i = 0; i < 3; ++i) {
      c.HLine(3 - i, 4 + i, row * 5 + 1 + i, ink);   // up
      c.HLine(7 + i, 14 - i, row * 5 + 1 + i, ink);  // down
    }
  }
  return c;
}

// Framed fields: the edit frame and the combo box frame in looks normal, hot, focused,
// disabled, 8 x 8 each.
TArtCanvas FieldFrame() {
  TArtCanvas c(32, 8);
  const TRgb outer[4] = {kFieldBorder, {88, 126, 196}, kAccent, kDisabledOutline};
  const TRgb inner[4] = {kWhite, {226, 236, 252}, {178, 204, 248}, kDisabledFill};
  const TRgb fill[4] = {kWhite, kWhite, kWhite, kDisabledFill};
  for (int i = 0; i < 4; ++i) {
    const int x = i * 8;
    c.FillRect(x, 0, x + 8, 8, outer[i]);
    c.FillRect(x + 1, 1, x + 7, 7, inner[i]);
    c.FillRect(x + 2, 2, x + 6, 6, fill[i]);
    // Softened corners.
    for (auto [cx, cy] : {std::pair{0, 0}, {7, 0}, {0, 7}, {7, 7}})
      c.Set(x + cx, cy, Mix(outer[i], inner[i], 0.45));
  }
  return c;
}

TArtCanvas ComboButton() {
  TArtCanvas c(16, 80);
  for (int i = 0; i < 4; ++i) SoftButton(c, 0, i * 20, 16, 20, kFourLooks[i], 2.5);
  return c;
}

// --- buttons, group box, tabs -------------------------------------------------------------

// 20 x 23 cells: normal, hot, pressed, disabled, focused.
TArtCanvas Button() {
  TArtCanvas c(20, 23 * 5);
  const Look looks[5] = {kNormal, kHot, kPressed, kDisabled, kFocused};
  for (int i = 0; i < 5; ++i) PushFace(c, 0, i * 23, 20, 23, looks[i]);
  return c;
}

// Flat until touched: 20 x 23 cells normal, hot, pressed, disabled.
TArtCanvas SpeedButton() {
  TArtCanvas c(20, 92);
  for (int i = 0; i < 4; ++i) {
    const int y = i * 23;
    switch (kFourLooks[i]) {
      case kNormal:
        c.FillRoundRect(0, y, 20, y + 23, 3, TRgb{214, 210, 194});
        c.FillRoundRect(1, y + 1, 19, y + 22, 2,
                        RampPaint({{0, {250, 249, 244}}, {21, {230, 228, 214}}}, y + 1));
        break;
      case kHot:
        c.FillRoundRect(0, y, 20, y + 23, 3, kAccent);
        c.FillRoundRect(1, y + 1, 19, y + 22, 2,
                        RampPaint({{0, {240, 246, 255}}, {21, {196, 216, 246}}}, y + 1));
        break;
      case kPressed:
        c.FillRoundRect(0, y, 20, y + 23, 3, kAccent);
        c.FillRoundRect(1, y + 1, 19, y + 22, 2,
                        RampPaint({{0, {160, 188, 236}}, {21, {206, 222, 248}}}, y + 1));
        break;
      default:
        c.FillRoundRect(0, y, 20, y + 23, 3, TRgb{226, 224, 212});
        c.FillRoundRect(1, y + 1, 19, y + 22, 2, TRgb{242, 241, 234});
        break;
    }
  }
  return c;
}

TArtCanvas GroupBox() {
  TArtCanvas c(16, 16);
  c.StrokeRoundRect(0, 0, 16, 16, 3.5, 1, TRgb{208, 208, 191});
  return c;
}

// 18 x 18 cells: normal, hot, focused (the selected tab), pressed. The bottom row of the
// selected tab is the page colour, so it joins the page below it.
TArtCanvas TabItem() {
  TArtCanvas c(18, 72);
  const TRgb line{145, 155, 156};
  for (int i = 0; i < 4; ++i) {
    const double y = i * 18;
    const bool selected = i == 2;
    Stops fill = {{0, kWhite}, {17, {236, 235, 228}}};
    if (i == 3) fill = {{0, {214, 212, 202}}, {17, {238, 237, 230}}};
    if (selected) fill = {{0, kWhite}, {8, {246, 245, 236}}, {17, kFace}};
    c.FillRoundRect(0, y, 18, y + 22, 3.5, line);
    c.FillRoundRect(1, y + 1, 17, y + 22, 2.5, RampPaint(fill, y + 1));
    if (i == 1 || selected) {
      // A coloured band along the top edge: dark rim, then two lighter rows.
      const TRgb band = i == 1 ? kGold : kAccent;
      c.FillRoundRect(
          0, y, 18, y + 10, 3.5,
          RampPaint(
              {{0, band}, {1, band}, {2, Mix(band, kWhite, 0.35)}, {3, Mix(band, kWhite, 0.5)}},
              y));
      c.FillRect(1, static_cast<int>(y) + 3, 17, static_cast<int>(y) + 17, RampPaint(fill, y + 1));
    }
    const int bottom = static_cast<int>(y) + 17;
    c.HLine(0, 18, bottom, selected ? kFace : line);
    if (selected) {
      c.Set(0, bottom, line);
      c.Set(17, bottom, line);
    }
  }
  return c;
}

// The page: a crisp outline and a light inner rim around the face colour, so that a group box
// caption (filled with the face colour) sits on it seamlessly.
TArtCanvas TabPaneEdge() {
  TArtCanvas c(20, 20);
  c.FillRect(0, 0, 20, 20, TRgb{145, 155, 156});
  c.FillRect(1, 1, 19, 19, TRgb{250, 250, 244});
  c.FillRect(2, 2, 19, 19, kFace);
  c.HLine(2, 19, 18, TRgb{224, 222, 204});
  c.VLine(18, 2, 19, TRgb{224, 222, 204});
  return c;
}

// Scroll buttons of a tab strip: columns left, right; rows normal, hot, pressed, disabled.
TArtCanvas TabButtons() {
  TArtCanvas c(32, 64);
  for (int row = 0; row < 4; ++row)
    for (int dir = 0; dir < 2; ++dir) {
      const Look look = kFourLooks[row];
      SoftButton(c, dir * 16, row * 16, 16, 16, look);
      GlyphOnFace(c, dir * 16 + 3, row * 16 + 3, 9, 9, ChevronShape(dir, 9), ArrowColour(look),
                  [](int, int) { return kMagenta; });
    }
  return c;
}

// --- progress and track bars --------------------------------------------------------------

TArtCanvas ProgressBar() {
  TArtCanvas c(12, 12);
  c.FillRoundRect(0, 0, 12, 12, 3, TRgb{150, 160, 176});
  c.FillRoundRect(1, 1, 11, 11, 2, RampPaint({{1, {232, 232, 228}}, {11, kWhite}}));
  return c;
}

TArtCanvas ProgressFill(bool horizontal) {
  TArtCanvas c(horizontal ? 12 : 14, horizontal ? 14 : 12);
  const Stops fill = {
      {0, {150, 196, 255}}, {4, {84, 140, 232}}, {9, kAccent}, {14, {96, 150, 236}}};
  c.FillRoundRect(0, 0, c.Width(), c.Height(), 2.5, RampPaint(fill, 0, !horizontal));
  return c;
}

TArtCanvas TrackBar(bool horizontal) {
  TArtCanvas c(horizontal ? 12 : 4, horizontal ? 4 : 12);
  const TRgb profile[4] = {{157, 156, 153}, {210, 208, 196}, {242, 241, 232}, kWhite};
  for (int k = 0; k < 4; ++k) {
    if (horizontal)
      c.HLine(0, 12, k, profile[k]);
    else
      c.VLine(k, 0, 12, profile[k]);
  }
  return c;
}

// The thumb: a rounded body with a point towards the ticks (down, or right when vertical).
TArtCanvas TrackThumb(bool horizontal) {
  const int w = 11, h = 21;
  TArtCanvas c(horizontal ? w : h * 4, horizontal ? h * 4 : w);
  for (int i = 0; i < 4; ++i) {
    const Look look = kFourLooks[i];
    TArtCanvas t(w, h);
    const TRgb outline = look == kDisabled ? kDisabledOutline
                         : look == kNormal ? TRgb{112, 138, 186}
                                           : kAccent;
    const Stops fill = look == kPressed    ? Stops{{0, {200, 214, 240}}, {20, {236, 240, 250}}}
                       : look == kDisabled ? Stops{{0, kDisabledFill}, {20, kDisabledFill}}
                                           : Stops{{0, kWhite}, {20, {230, 229, 220}}};
    const std::vector<std::pair<double, double>> outer = {{0, 1},   {1, 0},      {10, 0}, {11, 1},
                                                          {11, 15}, {5.5, 20.5}, {0, 15}};
    const std::vector<std::pair<double, double>> inner = {
        {1, 1.5}, {1.5, 1}, {9.5, 1}, {10, 1.5}, {10, 14.6}, {5.5, 19.1}, {1, 14.6}};
    t.FillPolygon(outer, outline);
    TArtCanvas fillMask(w, h, TRgb{0, 0, 0});
    fillMask.FillPolygon(inner, kWhite);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const double a = fillMask.At(x, y).r / 255.0;
        if (a > 0) t.Set(x, y, Mix(t.At(x, y), Ramp(fill, y), a));
      }
    if (look == kHot) {
      t.HLine(2, 9, 2, kGoldLight);
      t.HLine(2, 9, 3, kGold);
    }
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        if (horizontal)
          c.Set(x, i * h + y, t.At(x, y));
        else
          c.Set(i * h + y, x, t.At(x, y));  // turned: the point looks right
      }
  }
  return c;
}

// --- lists, panels, grids, bars -----------------------------------------------------------

TArtCanvas ListBox() {
  TArtCanvas c(8, 8, kWhite);
  c.FillRect(0, 0, 8, 8, kFieldBorder);
  c.FillRect(1, 1, 7, 7, kWhite);
  return c;
}

constexpr int kPanelCaption = 23;

TRgb PanelCaptionAt(double y) {
  return Ramp({{0, {255, 255, 255}}, {10, {236, 241, 252}}, {22, {208, 219, 246}}}, y);
}

TArtCanvas PanelCaption() {
  TArtCanvas c(12, kPanelCaption);
  c.FillRoundRect(0, 0, 12, kPanelCaption + 6, 3.5, TRgb{163, 184, 228});
  c.FillRoundRect(1, 1, 11, kPanelCaption + 6, 2.5,
                  [](double, double y) { return PanelCaptionAt(y); });
  c.HLine(0, 12, kPanelCaption - 1, TRgb{163, 184, 228});
  return c;
}

TArtCanvas Panel() {
  TArtCanvas c(12, 12);
  c.FillRect(0, 0, 12, 12, TRgb{163, 184, 228});
  c.FillRect(1, 1, 11, 11, TRgb{243, 245, 250});
  return c;
}

// Round caption buttons of a panel: columns roll up, roll down, hide; rows normal, hot,
// pressed; drawn over the panel caption behind them.
TArtCanvas PanelButtons() {
  TArtCanvas c(51, 51);
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) {
      const int x = col * 17, y = row * 17;
      c.FillRect(x, y, x + 17, y + 17,
                 [y](double, double py) { return PanelCaptionAt(py - y + 3); });
      const TRgb ring = row == 0 ? TRgb{190, 204, 232} : kAccent;
      const TRgb fill = row == 2 ? TRgb{200, 216, 246} : kWhite;
      c.FillEllipse(x + 8.5, y + 8.5, 8, 8, ring);
      c.FillEllipse(x + 8.5, y + 8.5, 7, 7, fill);
      const TRgb ink = row == 0 ? kAccent : row == 1 ? TRgb{60, 130, 240} : TRgb{30, 70, 160};
      TArtCanvas mask(17, 17, TRgb{0, 0, 0});
      if (col == 2) {
        CloseShape()(mask, 3, 3);
      } else {
        const int dir = col == 0 ? 2 : 3;
        ChevronShape(dir, 17)(mask, 0, -2);
        ChevronShape(dir, 17)(mask, 0, 2);
      }
      for (int j = 0; j < 17; ++j)
        for (int i = 0; i < 17; ++i)
          if (mask.At(i, j).r > 0)
            c.Set(x + i, y + j, Mix(c.At(x + i, y + j), ink, mask.At(i, j).r / 255.0));
    }
  return c;
}

// Fixed grid cells, 16 x 18: normal, hot, pressed, disabled.
TArtCanvas GridFixed() {
  TArtCanvas c(16, 72);
  for (int i = 0; i < 4; ++i) {
    const int y = i * 18;
    const Look look = kFourLooks[i];
    const Stops fill = look == kPressed    ? Stops{{0, {222, 223, 216}}, {17, {236, 235, 226}}}
                       : look == kDisabled ? Stops{{0, {244, 243, 236}}, {17, {244, 243, 236}}}
                                           : Stops{{0, kWhite}, {17, {235, 234, 219}}};
    c.FillRect(0, y, 16, y + 18, RampPaint(fill, y));
    c.HLine(0, 16, y + 17, TRgb{203, 199, 184});
    c.VLine(15, y, y + 18, TRgb{203, 199, 184});
    if (look == kHot) {
      c.HLine(0, 15, y + 15, kGoldLight);
      c.HLine(0, 15, y + 16, kGold);
    }
  }
  return c;
}

TArtCanvas BarBackground(int w, int h) {
  TArtCanvas c(w, h);
  c.FillRect(0, 0, w, h, RampPaint({{0, {250, 249, 243}}, {h - 1.0, {229, 227, 212}}}));
  return c;
}

// Dotted grip, tiled: one raised dot per 4 x 4.
TArtCanvas Grip() {
  TArtCanvas c(4, 4);
  c.Set(1, 1, TRgb{160, 158, 146});
  c.Set(2, 2, kWhite);
  c.Set(2, 1, TRgb{200, 198, 186});
  return c;
}

// Toolbar background (16 wide) with a separator (2 wide) beside it.
TArtCanvas Toolbar() {
  TArtCanvas c(18, 26);
  c.Copy(BarBackground(16, 26), 0, 0, 16, 26, 0, 0);
  c.HLine(0, 16, 25, TRgb{208, 205, 190});
  c.VLine(16, 3, 23, TRgb{197, 194, 178});
  c.VLine(17, 3, 23, kWhite);
  return c;
}

// Toolbar buttons 22 x 22 (normal is flat and fully transparent) in normal, hot, pressed,
// disabled, with the 8-wide drop-down part beside each.
TArtCanvas ToolButton() {
  TArtCanvas c(30, 88);
  for (int i = 0; i < 4; ++i) {
    const int y = i * 22;
    const Look look = kFourLooks[i];
    if (look == kHot || look == kPressed) {
      const TRgb outline = look == kHot ? TRgb{140, 170, 226} : TRgb{96, 126, 196};
      const Stops fill = look == kHot ? Stops{{0, kWhite}, {21, {220, 232, 250}}}
                                      : Stops{{0, {196, 212, 240}}, {21, {226, 236, 252}}};
      for (int part = 0; part < 2; ++part) {
        const int x = part == 0 ? 0 : 22;
        const int w = part == 0 ? 22 : 8;
        c.FillRoundRect(x, y, x + w, y + 22, 2.5, outline);
        c.FillRoundRect(x + 1, y + 1, x + w - 1, y + 21, 1.5, RampPaint(fill, y + 1));
      }
    }
    const TRgb ink = look == kDisabled ? TRgb{172, 168, 153} : TRgb{20, 24, 32};
    for (int k = 0; k < 3; ++k) c.HLine(23 + k, 28 - k, y + 10 + k, ink);
  }
  return c;
}

// Column headers 16 x 18: the list view look of older skins (normal, hot) ...
TArtCanvas ListViewHeaderClassic() {
  TArtCanvas c(16, 36);
  for (int i = 0; i < 2; ++i) {
    const int y = i * 18;
    c.FillRect(0, y, 16, y + 18, i == 0 ? kFace : TRgb{244, 243, 236});
    c.HLine(0, 16, y, kWhite);
    c.VLine(0, y, y + 18, kWhite);
    c.HLine(0, 16, y + 17, TRgb{172, 168, 153});
    c.VLine(15, y, y + 18, TRgb{172, 168, 153});
  }
  return c;
}

// ... and the one in use: normal, hot, pressed, plus sort arrows (9 x 5, up then down).
TArtCanvas ListViewHeader() {
  TArtCanvas c(25, 54);
  const TRgb bottoms[3][3] = {{{226, 222, 205}, {214, 210, 191}, {203, 199, 184}},
                              {{250, 200, 90}, {249, 177, 25}, {248, 169, 0}},
                              {{203, 199, 184}, {214, 210, 191}, {226, 222, 205}}};
  for (int i = 0; i < 3; ++i) {
    const int y = i * 18;
    const Stops fill = i == 2 ? Stops{{0, {222, 223, 216}}, {15, {232, 231, 222}}}
                              : Stops{{0, kWhite}, {15, {240, 239, 230}}};
    c.FillRect(0, y, 16, y + 15, RampPaint(fill, y));
    for (int k = 0; k < 3; ++k) c.HLine(0, 16, y + 15 + k, bottoms[i][k]);
    c.VLine(14, y + 3, y + 14, TRgb{199, 197, 178});
    c.VLine(15, y + 3, y + 14, kWhite);
  }
  const TRgb ink{172, 168, 153};
  for (int k = 0; k < 5; ++k) {
    c.HLine(16 + 4 - k, 16 + 5 + k, k, ink);  // up, apex on top
    c.HLine(16 + k, 16 + 9 - k, 5 + k, ink);  // down, apex below
  }
  return c;
}

// Status bar: background (16 wide), panel divider (8 wide), size grip (12 x 12 at the bottom).
TArtCanvas StatusBar() {
  TArtCanvas c(36, 22);
  c.Copy(BarBackground(16, 22), 0, 0, 16, 22, 0, 0);
  c.HLine(0, 16, 0, TRgb{208, 205, 190});
  c.HLine(0, 16, 1, kWhite);
  c.Copy(BarBackground(16, 22), 0, 0, 8, 22, 16, 0);
  c.HLine(16, 24, 0, TRgb{208, 205, 190});
  c.HLine(16, 24, 1, kWhite);
  c.VLine(22, 4, 19, TRgb{199, 197, 178});
  c.VLine(23, 4, 19, kWhite);
  // Grip: dots along the diagonal, darker with a white light below-right.
  for (int row = 0; row < 4; ++row)
    for (int col = 3 - row; col < 4; ++col) {
      const int x = 24 + col * 3, y = 10 + row * 3;
      c.Set(x, y, TRgb{160, 158, 146});
      c.Set(x + 1, y + 1, kWhite);
    }
  return c;
}

}  // namespace

std::vector<TPaintedBitmap> TSkinPainter::PaintAll() {
  std::vector<TPaintedBitmap> out;
  auto add = [&](const std::string& name, TArtCanvas picture, std::string file = {}) {
    out.push_back({name, file.empty() ? name : std::move(file), std::move(picture)});
  };
  add("FRAMECAPTION.BMP", FrameCaption());
  add("FRAMELEFT.BMP", FrameSide(true));
  add("FRAMERIGHT.BMP", FrameSide(false));
  add("FRAMEBOTTOM.BMP", FrameBottom());
  add("CLOSEBUTTON.bmp", CaptionButtons(true));
  add("SYSBUTTON.BMP", CaptionButtons(false));
  add("GLYPHCLOSE.BMP", CaptionGlyph(CloseShape(), true));
  add("GLYPHRESTORE.BMP", CaptionGlyph(RestoreShape(), false));
  add("GLYPHMAXIMIZE.BMP", CaptionGlyph(MaximizeShape(), false));
  add("GLYPHMINIMIZE.BMP", CaptionGlyph(MinimizeShape(), false));
  add("GLYPHROLLDOWN.BMP", CaptionGlyph(RollDownShape(), false));
  add("GLYPHROLLUP.BMP", CaptionGlyph(RollUpShape(), false));
  add("GLYPHTRAY.BMP", CaptionGlyph(TrayShape(), false));
  add("GLYPHHELP.BMP", CaptionGlyph(HelpShape(), false));
  add("MENUBAR.BMP", MenuBar());
  add("MENUBARBUTTONS.BMP", MenuBarButtons());
  add("POPUPMENU.BMP", PopupMenu());
  add("MENUCHECK.BMP", MenuCheck());
  add("MENUARROW.BMP", MenuArrow());
  add("CHECKBOX.BMP", CheckBox());
  add("RADIOBUTTON.BMP", RadioButton());
  add("SCROLLFRAMEH.BMP", ScrollFrame(true));
  add("SCROLLFRAMEV.BMP", ScrollFrame(false));
  add("SCROLLBUTTON.BMP", ScrollButton());
  add("SCROLLARROWS.BMP", ScrollArrows());
  add("SCROLLTHUMBH.BMP", ScrollThumb(true));
  add("SCROLLTHUMBV.BMP", ScrollThumb(false));
  add("BUTTON.bmp", Button());
  add("SPEEDBUTTON.BMP", SpeedButton());
  add("GROUPBOX.BMP", GroupBox());
  add("PROGRESSBAR.BMP", ProgressBar());
  add("PROGRESSFILL.BMP", ProgressFill(true));
  add("PROGRESSFILLV.BMP", ProgressFill(false));
  add("TRACKBAR.BMP", TrackBar(true));
  add("TRACKBARV.BMP", TrackBar(false));
  add("TRACKTHUMB.BMP", TrackThumb(true));
  add("TRACKTHUMBV.BMP", TrackThumb(false));
  add("LISTBOX.BMP", ListBox());
  add("EDIT.BMP", FieldFrame());
  add("COMBOBOX.BMP", FieldFrame());
  add("COMBOBUTTON.BMP", ComboButton());
  add("SPINBUTTON.BMP", SpinButton());
  add("SPINARROWS.BMP", SpinArrows());
  add("PANELCAPTION.BMP", PanelCaption());
  add("PANEL.BMP", Panel());
  add("PANELBUTTONS.BMP", PanelButtons());
  add("TABITEM.BMP", TabItem());
  add("TABPANEEDGE.BMP", TabPaneEdge());
  add("TABBUTTONS.BMP", TabButtons());
  add("GRIDFIXED.BMP", GridFixed());
  add("CONTROLBAR.BMP", BarBackground(16, 16));
  add("CONTROLBARGRIP.BMP", Grip());
  add("TOOLBAR.BMP", Toolbar());
  add("TOOLBUTTON.BMP", ToolButton());
  add("LISTVIEWHEADER.BMP", ListViewHeaderClassic());
  add("LISTVIEWHEADER.BMP", ListViewHeader(), "LISTVIEWHEADER-2.bmp");
  add("STATUSBAR.BMP", StatusBar());
  return out;
}

}  // namespace skinart
