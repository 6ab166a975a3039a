// Drawing the program's skin through the drawing seam, as the frame and controls draw it.
#include <gtest/gtest.h>

#include <set>

#include "skin/objects/TSeBitmap.h"
#include "tests/tools/skintool/SkinToolTestSupport.h"
#include "tools/skintool/ESkinToolError.h"
#include "tools/skintool/TSkinRenderer.h"

using skintool::ESkinToolError;
using skintool::TSkinRenderer;

namespace {

using Look = TSkinRenderer::Look;

std::vector<std::uint32_t> Pixels(const TSeBitmap& b) {
  std::vector<std::uint32_t> out;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) out.push_back(b.Pixel(x, y) & 0xFFFFFF);
  return out;
}

TEST(SkinRenderer, ButtonStatesLookDifferent) {
  auto skin = skintool_test::LoadProgramSkin();
  std::vector<std::vector<std::uint32_t>> looks;
  for (TSeObjectState state :
       {TSeObjectState::osNormal, TSeObjectState::osHot, TSeObjectState::osPressed,
        TSeObjectState::osFocused, TSeObjectState::osDisabled}) {
    const auto b = TSkinRenderer::Render(*skin, "Button", 75, 25, Look{state, true});
    ASSERT_EQ(b->Width(), 75);
    // The face covers the middle of the button.
    EXPECT_NE(b->Pixel(37, 12) & 0xFFFFFF, 0xDDE3EAu);
    looks.push_back(Pixels(*b));
  }
  for (std::size_t i = 0; i < looks.size(); ++i)
    for (std::size_t j = i + 1; j < looks.size(); ++j)
      EXPECT_NE(looks[i], looks[j]) << "states " << i << " and " << j;
}

TEST(SkinRenderer, FrameHasRoundedCornersAndAnInactiveLook) {
  auto skin = skintool_test::LoadProgramSkin();
  const auto active = TSkinRenderer::Render(*skin, "Form", 375, 247, Look{});
  const auto inactive =
      TSkinRenderer::Render(*skin, "Form", 375, 247, Look{TSeObjectState::osNormal, false});
  // The rounded corner is magenta in the picture, so the page shows through.
  EXPECT_EQ(active->Pixel(0, 0) & 0xFFFFFF, 0xDDE3EAu);
  EXPECT_EQ(active->Pixel(374, 0) & 0xFFFFFF, 0xDDE3EAu);
  EXPECT_NE(active->Pixel(5, 5) & 0xFFFFFF, 0xDDE3EAu);
  // The caption is blue when active, and differs when inactive; the client area does not.
  const std::uint32_t title = active->Pixel(100, 14);
  EXPECT_GT(title & 0xFF, (title >> 16) & 0xFF) << std::hex << title;
  EXPECT_NE(active->Pixel(100, 14), inactive->Pixel(100, 14));
  EXPECT_EQ(active->Pixel(180, 140), inactive->Pixel(180, 140));
  // The frame follows the size it is given: the right border at 640 - 5.
  const auto wide = TSkinRenderer::Render(*skin, "Form", 640, 300, Look{});
  EXPECT_EQ(wide->Pixel(636, 150), active->Pixel(371, 150));
}

TEST(SkinRenderer, SheetShowsEveryObject) {
  auto skin = skintool_test::LoadProgramSkin();
  const auto sheet = TSkinRenderer::Sheet(*skin);
  EXPECT_GT(sheet->Width(), 600);
  EXPECT_GT(sheet->Height(), 600);
  std::set<std::uint32_t> colours;
  for (std::uint32_t p : Pixels(*sheet)) colours.insert(p);
  EXPECT_GT(colours.size(), 200u);
}

TEST(SkinRenderer, RefusesWhatItCannotDraw) {
  auto skin = skintool_test::LoadProgramSkin();
  EXPECT_THROW(TSkinRenderer::Render(*skin, "Label", 10, 10, Look{}), ESkinToolError);
  EXPECT_THROW(TSkinRenderer::Render(*skin, "Button", 0, 10, Look{}), ESkinToolError);
  EXPECT_THROW(TSkinRenderer::Render(*skin, "Button", 10, 100000, Look{}), ESkinToolError);
  EXPECT_THROW(TSkinRenderer::ParseState("shiny"), ESkinToolError);
  EXPECT_EQ(TSkinRenderer::ParseState("rolledup"), TSeObjectState::osRolledUp);
}

}  // namespace
