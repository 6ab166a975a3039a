#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework/core/Exception.h"
#include "framework/core/ObjectText.h"
#include "framework/core/TMemoryStream.h"
#include "framework/core/TWriter.h"
#include "skin/forms/TSeDragging.h"
#include "skin/forms/TSeGravitation.h"
#include "skin/forms/TSePopupMenuOptions.h"

namespace {

// Sets one property on a new option object and reads it back.
template <class T>
auto Setter(void (T::*set)(int), int (T::*get)() const) {
  return [set, get](int value) {
    T options;
    (options.*set)(value);
    return (options.*get)();
  };
}

TEST(FrameOptions, SettersHoldValuesToTheirRanges) {
  const auto blending = Setter(&TSeBlending::SetValue, &TSeBlending::Value);
  const auto shadow = Setter(&TSeShadow::SetSize, &TSeShadow::Size);
  const auto gravitation = Setter(&TSeGravitation::SetSize, &TSeGravitation::Size);
  const auto time = Setter(&TSeAnimation::SetTime, &TSeAnimation::Time);
  const auto resolution = Setter(&TSeAnimation::SetResolution, &TSeAnimation::Resolution);
  const auto tiles = Setter(&TSeAnimation::SetTileCount, &TSeAnimation::TileCount);
  struct Case {
    const char* property;
    std::function<int(int)> set;
    int in, out;
  };
  const Case cases[] = {
      {"Blending.Value", blending, -5, 0},
      {"Blending.Value", blending, 255, 255},
      {"Blending.Value", blending, 256, 255},
      {"Shadow.Size", shadow, 25, 20},
      {"Shadow.Size", shadow, 20, 20},
      {"Shadow.Size", shadow, -3, -3},
      {"Gravitation.Size", gravitation, 0, 1},
      {"Gravitation.Size", gravitation, 1, 1},
      {"Gravitation.Size", gravitation, 50, 50},
      {"Gravitation.Size", gravitation, 80, 50},
      {"Animation.Time", time, 10, 50},
      {"Animation.Time", time, 51, 51},
      {"Animation.Time", time, 10000, 9000},
      {"Animation.Resolution", resolution, 0, 1},
      {"Animation.Resolution", resolution, 11, 10},
      {"Animation.TileCount", tiles, -1, 1},
      {"Animation.TileCount", tiles, 21, 20},
  };
  for (const Case& c : cases) EXPECT_EQ(c.set(c.in), c.out) << c.property << " := " << c.in;
}

TEST(FrameOptions, BlendingAndShadowTellTheirFrameOfRealChangesOnly) {
  int told = 0;
  TSeShadow shadow;
  shadow.SetOwnerNotify([&] { ++told; });
  shadow.SetEnabled(true);
  shadow.SetSize(30);  // 20
  shadow.SetSize(25);  // still 20: nothing to tell
  EXPECT_EQ(told, 2);
  shadow.SetSize(0);
  EXPECT_FALSE(shadow.Enabled());
  EXPECT_EQ(told, 3);

  TSeBlending blending;
  blending.SetOwnerNotify([&] { ++told; });
  blending.SetValue(150);
  blending.SetValue(400);
  blending.SetValue(255);
  EXPECT_EQ(told, 4);
  // Assigning copies every field and tells the owner even of equal values.
  TSeBlending other;
  blending.Assign(&other);
  EXPECT_EQ(blending.Value(), 150);
  EXPECT_EQ(told, 5);
}

TEST(FrameOptions, OptionsCopyTheirPartsAndRefuseOtherClasses) {
  int changes = 0;
  TSePopupMenuOptions menu;
  menu.SetOnChange([&] { ++changes; });
  TSeShadow shadow;
  shadow.SetEnabled(true);
  menu.SetShadow(shadow);
  menu.SetAnimation(TSeAnimation());
  EXPECT_EQ(changes, 2);
  TSeFormOptions form;
  form.Assign(&menu);
  EXPECT_TRUE(form.Shadow().Enabled());
  TSeDragging dragging;
  EXPECT_THROW(dragging.Assign(&shadow), EConvertError);
}

// A holder that streams its options as a frame does (the text form ends lines with CR LF).
class THolder : public TComponent {
  QM_CLASS(THolder, TComponent)

 public:
  explicit THolder(TComponent* owner) : TComponent(owner) {}
  static void DeclareProperties(TPropertyBuilder<THolder>& p) {
    p.Object("Dragging", &THolder::Dragging);
    p.Object("Gravitation", &THolder::Gravitation);
    p.Object("Options", &THolder::Options);
  }
  TSeDragging Dragging;
  TSeGravitation Gravitation;
  TSeFormOptions Options;
};

TEST(FrameOptions, OnlyValuesOtherThanTheDefaultsAreWritten) {
  THolder holder(nullptr);
  holder.SetName("Holder");
  auto text = [&] {
    TMemoryStream stream;
    {
      TWriter writer(stream);
      writer.WriteRootComponent(holder);
    }
    return ObjectBinaryToText(stream.Bytes());
  };
  EXPECT_EQ(text(), "object Holder: THolder\r\nend\r\n");
  holder.Dragging.SetDragMode(TSeFormDragMode::kfdmBorder);
  holder.Gravitation.SetSize(9);
  TSeAnimation animation;
  animation.SetEffect(TkeEffect::keRandomSelect);
  holder.Options.SetAnimation(animation);
  EXPECT_EQ(text(),
            "object Holder: THolder\r\n"
            "  Dragging.DragMode = kfdmBorder\r\n"
            "  Gravitation.Size = 9\r\n"
            "  Options.Animation.Effect = keRandomSelect\r\n"
            "end\r\n");
}

TEST(Gravitation, SnapsCloserThanSizeAndNotAtSize) {
  // A 400 x 300 window in a 1024 x 738 work area, Size 20.
  const TRect work{0, 0, 1024, 738};
  struct Case {
    TPoint at;
    int shadow;
    TPoint snapped;
  };
  const Case cases[] = {
      {{19, 100}, 0, {0, 100}},    {{20, 100}, 0, {20, 100}},   {{-19, 100}, 0, {0, 100}},
      {{-20, 100}, 0, {-20, 100}}, {{605, 100}, 0, {624, 100}}, {{604, 100}, 0, {604, 100}},
      {{100, 19}, 0, {100, 0}},    {{100, 419}, 0, {100, 438}}, {{100, 418}, 0, {100, 418}},
      {{10, 10}, 0, {0, 0}},       {{609, 100}, 4, {628, 100}}, {{608, 100}, 4, {608, 100}},
      {{100, 423}, 4, {100, 442}},
  };
  TSeGravitation g;
  for (const Case& c : cases) {
    const TRect moved = Bounds(c.at.X, c.at.Y, 400, 300);
    EXPECT_EQ(g.Snap(moved, work, c.shadow), Bounds(c.snapped.X, c.snapped.Y, 400, 300))
        << c.at.X << "," << c.at.Y << " shadow " << c.shadow;
  }
  // A window as wide as the work area goes to the left edge first.
  EXPECT_EQ(g.Snap({5, 100, 1034, 400}, work, 0), (TRect{0, 100, 1029, 400}));
  g.SetEnabled(false);
  EXPECT_EQ(g.Snap(Bounds(10, 10, 400, 300), work, 0), Bounds(10, 10, 400, 300));
}

}  // namespace
