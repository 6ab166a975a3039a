#include <gtest/gtest.h>

#include "skin/objects/Geometry.h"
#include "skin/objects/SeKeyRepeat.h"
#include "skin/objects/SeMouseCapture.h"
#include "skin/objects/TSeBitmapList.h"

namespace {

TSeBitmap* AddNamed(TSeBitmapList& list, const std::string& name) {
  auto b = std::make_unique<TSeBitmap>();
  b->Name = name;
  return list.Add(std::move(b));
}

TEST(SeBitmapList, GetLinkIgnoresCaseAndTheLastDuplicateWins) {
  TSeBitmapList list;
  TSeBitmap* caption = AddNamed(list, "FRAMECAPTION.BMP");
  TSeBitmap* first = AddNamed(list, "LISTVIEWHEADER.BMP");
  TSeBitmap* second = AddNamed(list, "LISTVIEWHEADER.BMP");
  AddNamed(list, "OTHER.BMP");
  auto link = list.GetLink("framecaption.bmp", Rect(1, 2, 3, 4));
  ASSERT_TRUE(link);
  EXPECT_EQ(link->GetImage(), caption);
  EXPECT_EQ(link->GetName(), "FRAMECAPTION.BMP");  // the bitmap's own spelling
  EXPECT_EQ(link->GetRect(), Rect(1, 2, 3, 4));
  auto header = list.GetLink("ListViewHeader.bmp", Rect(0, 0, 1, 1));
  ASSERT_TRUE(header);
  EXPECT_EQ(header->GetImage(), second);
  EXPECT_NE(header->GetImage(), first);
  EXPECT_FALSE(list.GetLink("MISSING.BMP", Rect(0, 0, 1, 1)));
  EXPECT_FALSE(list.GetLink("FRAMECAPTION", Rect(0, 0, 1, 1)));
}

TEST(SeBitmapList, IndexOutsideYieldsNoneAndClearFreesEveryBitmap) {
  TSeBitmapList list;
  int freed = 0;
  for (int i = 0; i < 3; ++i) {
    TSeBitmap* b = AddNamed(list, "B");
    b->SetSize(1, 1);
    b->OnFree = [&](TSeBitmap&) { ++freed; };
  }
  EXPECT_EQ(list.Count(), 3);
  EXPECT_NE(list.Bitmaps(2), nullptr);
  EXPECT_EQ(list.Bitmaps(3), nullptr);
  EXPECT_EQ(list.Bitmaps(-1), nullptr);
  list.Clear();
  EXPECT_EQ(freed, 3);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Bitmaps(0), nullptr);
}

TEST(Geometry, CentringHalvesTowardZero) {
  EXPECT_EQ(CenterRect(Rect(0, 0, 3, 3), Rect(10, 10, 20, 20)), Rect(13, 13, 16, 16));
  // A larger rectangle sticks out on both sides.
  EXPECT_EQ(CenterRect(Rect(0, 0, 13, 4), Rect(0, 0, 10, 10)), Rect(-1, 3, 12, 7));
  EXPECT_EQ(CenterRectVert(Rect(5, 5, 9, 8), Rect(20, 0, 30, 10)), Rect(20, 3, 24, 6));
  EXPECT_EQ(InflateBy(Rect(5, 5, 9, 8), 2), Rect(3, 3, 11, 10));
  EXPECT_TRUE(IsRectEmpty(Rect(0, 0, 0, 5)));
  EXPECT_TRUE(IsRectEmpty(Rect(0, 0, 5, -1)));
  EXPECT_FALSE(IsRectEmpty(Rect(0, 0, 1, 1)));
  EXPECT_EQ(IntersectRect(Rect(0, 0, 5, 5), Rect(5, 0, 9, 9)), TRect{});
}

class FakeCapture : public TSeMouseCapturePlatform {
 public:
  void SetCapture(void* window) override {
    holder = window;
    ++sets;
  }
  void* GetCapture() override { return holder; }
  void ReleaseCapture() override {
    holder = nullptr;
    ++releases;
  }
  void* holder = nullptr;
  int sets = 0, releases = 0;
};

TEST(MouseCapture, NestedBeginsShareOneCaptureReleasedByTheLastEnd) {
  FakeCapture fake;
  SetMouseCapturePlatform(&fake);
  int a = 0, b = 0;
  BeginMouseCapture(&a);
  BeginMouseCapture(&b);
  EXPECT_EQ(fake.sets, 1);
  EXPECT_EQ(fake.holder, &a);
  EndMouseCapture();
  EXPECT_EQ(fake.releases, 0);
  EndMouseCapture();
  EXPECT_EQ(fake.releases, 1);
  EndMouseCapture();  // unbalanced: ignored
  EXPECT_EQ(MouseCaptureCount(), 0);
  // Someone else took the capture meanwhile: it is not ours to release.
  BeginMouseCapture(&a);
  fake.holder = &b;
  EndMouseCapture();
  EXPECT_EQ(fake.releases, 1);
  EXPECT_EQ(fake.holder, &b);
  SetMouseCapturePlatform(nullptr);
}

TEST(KeyRepeat, TimingFromTheKeyboardSettings) {
  EXPECT_EQ(KeyRepeatDelayFor(0), 200);
  EXPECT_EQ(KeyRepeatDelayFor(3), 800);
  EXPECT_EQ(KeyRepeatIntervalFor(31), 14);  // 13.59
  EXPECT_EQ(KeyRepeatIntervalFor(0), 435);  // 434.78
  EXPECT_EQ(KeyRepeatIntervalFor(1), 217);  // 217.39
  EXPECT_GT(KeyRepeatDelay(), 0);
  EXPECT_GT(KeyRepeatInterval(), 0);
}

}  // namespace
