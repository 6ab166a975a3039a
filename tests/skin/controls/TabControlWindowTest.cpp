// The tab and page control in real windows, driven by mouse messages sent to the control's
// window and keys posted to the queue: rows and their rotation, ScrollOpposite, the scroll
// buttons' repeat, refused changes, keys at the ends, pages coming and going, and the skinned
// tabs' pictures read back from a bitmap the control painted into.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "../../framework/ui/UiTestSupport.h"
#include "framework/core/TMemoryStream.h"
#include "framework/core/TReader.h"
#include "framework/core/TWriter.h"
#include "framework/ui/TTimer.h"
#include "skin/controls/win/SkinControls.h"
#include "skin/controls/win/TSeCustomTabSheet.h"
#include "skin/controls/win/TSeSkinPageControl.h"
#include "skin/controls/win/TSeSkinTabControl.h"
#include "skin/engine/TSeSkinEngine.h"

namespace {

// Tabs of given natural widths, so rows can be worked out by hand.
class TWidthTabs : public TSeCustomTabControl {
 public:
  explicit TWidthTabs(TComponent* owner) : TSeCustomTabControl(owner) {}
  std::vector<int> Widths;

 protected:
  std::int32_t NaturalTabWidth(std::int32_t index) override {
    return Widths.at(static_cast<std::size_t>(index));
  }
};

LPARAM At(int x, int y) {
  return MAKELPARAM(x, y);
}

class TabWindows : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    RegisterSkinControls();
    form.reset(NewForm(400, 300));
  }
  // Plain margins are 2, so a control 304 wide has 300 for its tabs; rows are 20 high.
  TWidthTabs* AddTabs(std::vector<int> widths, bool multiLine) {
    auto* tabs = new TWidthTabs(form.get());
    tabs->Widths = widths;
    tabs->SetParent(form.get());
    tabs->SetBounds(0, 0, 304, 200);
    tabs->SetTabHeight(20);
    tabs->SetMultiLine(multiLine);
    for (std::size_t i = 0; i < widths.size(); ++i)
      tabs->Tabs().Add(u"T" + std::u16string(1, static_cast<char16_t>(u'0' + i)));
    return tabs;
  }
  void Click(TControl* control, int x, int y) {
    const HWND window = static_cast<TWinControl*>(control)->Handle();
    SendMessageW(window, WM_MOUSEMOVE, 0, At(x, y));
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
    SendMessageW(window, WM_LBUTTONUP, 0, At(x, y));
  }
  std::unique_ptr<TForm> form;
};

TEST_F(TabWindows, RowsAreJustifiedAndTheSelectedRowMovesNextToThePage) {
  TWidthTabs* tabs = AddTabs({150, 120, 130, 110}, true);
  form->Show();
  Pump();
  tabs->SetTabIndex(0);
  // 150 + 120 < 300 but + 130 is not: rows [0, 1] and [2, 3]. Row 0 shares 30 (15 each),
  // row 1 shares 60 (30 each). The selected row lies next to the page (top 22), the other one
  // outside it (top 2); every tab reaches down to the page plus the margin (44).
  EXPECT_EQ(tabs->RowCount(), 2);
  EXPECT_EQ(tabs->GetTabRect(0), Rect(2, 22, 167, 44));
  EXPECT_EQ(tabs->GetTabRect(1), Rect(167, 22, 302, 44));
  EXPECT_EQ(tabs->GetTabRect(2), Rect(2, 2, 162, 44));
  EXPECT_EQ(tabs->GetTabRect(3), Rect(162, 2, 302, 44));

  // A click on the outer row selects tab 3 and the rows swap.
  Click(tabs, 200, 10);
  EXPECT_EQ(tabs->TabIndex(), 3);
  EXPECT_EQ(tabs->GetTabRect(3), Rect(162, 22, 302, 44));
  EXPECT_EQ(tabs->GetTabRect(0), Rect(2, 2, 167, 44));
  // The lower half of the strip now belongs to row 1.
  Click(tabs, 50, 30);
  EXPECT_EQ(tabs->TabIndex(), 2);

  // Two tabs that exactly fill the strip make two rows; one pixel less makes one.
  tabs->Widths = {150, 150, 100, 100};
  EXPECT_EQ(tabs->RowCount(), 3);
  tabs->Widths = {150, 149, 100, 100};
  EXPECT_EQ(tabs->RowCount(), 2);
}

TEST_F(TabWindows, ScrollOppositeMovesTheRowsBeforeTheSelectedOneBelowThePage) {
  TWidthTabs* tabs = AddTabs({150, 150, 150}, false);
  tabs->SetScrollOpposite(true);
  EXPECT_TRUE(tabs->MultiLine());
  form->Show();
  Pump();
  // Three rows of one tab; selecting the last puts rows 0 and 1 below the page: the strip on
  // top keeps one row (20 + 2), the opposite side takes two (40).
  Click(tabs, 50, 10);  // the outermost row holds tab 2 while tab 0 is selected
  EXPECT_EQ(tabs->TabIndex(), 2);
  EXPECT_EQ(tabs->GetDisplayRect(), Rect(0, 22, 304, 160));
  EXPECT_EQ(tabs->GetTabRect(2), Rect(2, 2, 302, 24));
  // Row 1 is next to the page's bottom edge, row 0 outside it.
  EXPECT_EQ(tabs->GetTabRect(1), Rect(2, 158, 302, 180));
  EXPECT_EQ(tabs->GetTabRect(0), Rect(2, 158, 302, 200));
  Click(tabs, 50, 190);
  EXPECT_EQ(tabs->TabIndex(), 0);
}

TEST_F(TabWindows, HoldingAScrollButtonRepeatsAfterADelayAndStopsWithTheLastTabShown) {
  TWidthTabs* tabs = AddTabs({100, 100, 100, 100, 100, 100}, false);
  tabs->Font().SetSize(8);  // scroll buttons 16 x 16
  form->Show();
  Pump();
  ASSERT_TRUE(tabs->NeedsScrollButtons());
  // The right button: 16 wide at the right edge, its bottom 2 above the strip's edge (22).
  EXPECT_EQ(tabs->GetRightButtonRect(), Rect(288, 4, 304, 20));
  const HWND window = tabs->Handle();
  using Clock = std::chrono::steady_clock;
  SendMessageW(window, WM_MOUSEMOVE, 0, At(295, 10));
  const auto pressed = Clock::now();
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(295, 10));
  EXPECT_EQ(tabs->FirstVisibleTab(), 1);  // one step at once
  auto waitFor = [&](int first) {
    const auto start = Clock::now();
    while (tabs->FirstVisibleTab() < first && Clock::now() - start < std::chrono::seconds(3)) {
      Application->ProcessMessages();
      Sleep(5);
    }
    return Clock::now();
  };
  const auto second = waitFor(2);
  ASSERT_EQ(tabs->FirstVisibleTab(), 2);
  EXPECT_GE(second - pressed, std::chrono::milliseconds(280));
  TTimer* timer = nullptr;
  for (int i = 0; i < tabs->ComponentCount(); ++i)
    if (auto* t = ObjectAs<TTimer>(tabs->Components(i))) timer = t;
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(timer->Interval(), 100);
  const auto third = waitFor(3);
  ASSERT_EQ(tabs->FirstVisibleTab(), 3);
  EXPECT_GE(third - second, std::chrono::milliseconds(80));
  // Holding on: tab 5 (500..600) shows in full left of the buttons (272) from first tab 4 on,
  // and the strip stays filled, so scrolling ends there.
  const auto hold = Clock::now();
  while (Clock::now() - hold < std::chrono::milliseconds(600)) {
    Application->ProcessMessages();
    Sleep(5);
  }
  EXPECT_EQ(tabs->FirstVisibleTab(), 4);
  SendMessageW(window, WM_LBUTTONUP, 0, At(295, 10));
  EXPECT_FALSE(timer->Enabled());

  // A tab wider than the whole strip: selecting it ends.
  for (int i = 5; i >= 2; --i) tabs->Tabs().Delete(i);
  tabs->Widths = {500, 500};
  tabs->SetTabIndex(0);
  tabs->SetTabIndex(1);
  EXPECT_EQ(tabs->TabIndex(), 1);
}

TEST_F(TabWindows, KeysStepThroughTabsAndARefusedChangeKeepsEverything) {
  TWidthTabs* tabs = AddTabs({60, 60, 60}, false);
  std::vector<std::string> events;
  bool allow = true;
  tabs->OnChanging = {[&](TObject*, bool& ok) {
    events.push_back("changing " + std::to_string(tabs->TabIndex()));
    ok = allow;
  }};
  tabs->OnChange = {
      [&](TObject*) { events.push_back("change " + std::to_string(tabs->TabIndex())); }};
  form->Show();
  Pump();
  tabs->SetFocus();
  Pump();
  tabs->SetTabIndex(0);
  events.clear();

  PressKey(tabs->Handle(), VK_LEFT);  // already at the first tab
  EXPECT_EQ(tabs->TabIndex(), 0);
  PressKey(tabs->Handle(), VK_RIGHT);
  EXPECT_EQ(tabs->TabIndex(), 1);
  allow = false;
  PressKey(tabs->Handle(), VK_DOWN);
  EXPECT_EQ(tabs->TabIndex(), 1);
  allow = true;
  PressKey(tabs->Handle(), VK_DOWN);
  PressKey(tabs->Handle(), VK_RIGHT);  // already at the last tab
  EXPECT_EQ(tabs->TabIndex(), 2);
  EXPECT_EQ(events, (std::vector<std::string>{"changing 1", "change 1", "changing 2", "changing 2",
                                              "change 2"}));
  // Ctrl+Tab goes on to the next tab and wraps around.
  BYTE saved[256];
  GetKeyboardState(saved);
  BYTE held[256];
  GetKeyboardState(held);
  held[VK_CONTROL] = 0x80;
  SetKeyboardState(held);
  PressKey(tabs->Handle(), VK_TAB);
  SetKeyboardState(saved);
  EXPECT_EQ(tabs->TabIndex(), 0);
}

TEST_F(TabWindows, PagesFollowTheirTabsAndGoAway) {
  auto* pages = new TSeSkinPageControl(form.get());
  pages->SetParent(form.get());
  pages->SetBounds(0, 0, 304, 200);
  pages->SetTabWidth(70);
  pages->SetTabHeight(20);
  std::vector<TSeCustomTabSheet*> sheet;
  std::vector<std::string> events;
  for (int i = 0; i < 4; ++i) {
    auto* s = new TSeCustomTabSheet(form.get());
    s->SetCaption(L"P" + std::to_wstring(i));
    pages->InsertPage(pages->PageCount(), s);
    const std::string name = "P" + std::to_string(i);
    s->OnShow = {[&events, name](TObject*) { events.push_back("show " + name); }};
    s->OnHide = {[&events, name](TObject*) { events.push_back("hide " + name); }};
    sheet.push_back(s);
  }
  pages->OnChanging = {[&](TObject*, bool&) { events.push_back("changing"); }};
  pages->OnChange = {[&](TObject*) { events.push_back("change"); }};
  form->Show();
  Pump();
  EXPECT_EQ(pages->ActivePage(), sheet[0]);

  // A hidden page has no tab; later pages' tabs move down by one.
  sheet[1]->SetPageVisible(false);
  ASSERT_EQ(pages->Tabs().Count(), 3);
  EXPECT_EQ(pages->Tabs().Get(1), u"P2");
  events.clear();
  Click(pages, 2 + 70 + 35, 10);  // the second tab
  EXPECT_EQ(pages->ActivePage(), sheet[2]);
  EXPECT_EQ(pages->TabIndex(), 1);
  EXPECT_EQ(events, (std::vector<std::string>{"changing", "hide P0", "show P2", "change"}));
  EXPECT_TRUE(sheet[2]->Visible());
  EXPECT_FALSE(sheet[0]->Visible());

  // Deleting the active page selects the first tab and its page.
  delete sheet[2];
  EXPECT_EQ(pages->TabIndex(), 0);
  EXPECT_EQ(pages->ActivePage(), sheet[0]);
  EXPECT_TRUE(sheet[0]->Visible());
  delete sheet[0];
  delete sheet[1];
  EXPECT_EQ(pages->ActivePage(), sheet[3]);
  delete sheet[3];
  EXPECT_EQ(pages->TabIndex(), -1);
  EXPECT_EQ(pages->ActivePage(), nullptr);
  EXPECT_EQ(pages->Tabs().Count(), 0);
}

// The program's picture of the tabs: 18 x 18 cells for normal, hot, focused and pressed.
struct TabPicture {
  std::vector<unsigned char> bytes;
  int width = 0;
  int height = 0;
  unsigned offset = 0;
  COLORREF Pixel(int x, int y) const {
    const unsigned char* p = &bytes[offset + ((height - 1 - y) * width + x) * 4];
    return RGB(p[2], p[1], p[0]);
  }
};

TabPicture ReadPicture(const char* path) {
  std::ifstream file(path, std::ios::binary);
  TabPicture picture;
  picture.bytes.assign(std::istreambuf_iterator<char>(file), {});
  if (picture.bytes.size() < 54) return picture;
  std::memcpy(&picture.offset, &picture.bytes[10], 4);
  std::memcpy(&picture.width, &picture.bytes[18], 4);
  std::memcpy(&picture.height, &picture.bytes[22], 4);
  return picture;
}

TEST_F(TabWindows, SkinnedTabsShowTheirStatesPictures) {
  const TabPicture picture = ReadPicture(QM_TAB_PICTURE);
  ASSERT_EQ(picture.width, 18);
  auto* engine = new TSeSkinEngine(form.get());
  engine->SetSkinFile(QM_PROGRAM_SKIN_FILE);
  auto* tabs = new TSeSkinTabControl(form.get());
  tabs->SetParent(form.get());
  tabs->SetBounds(0, 0, 300, 120);
  tabs->SetTabWidth(80);
  tabs->SetTabHeight(20);
  for (const char16_t* caption : {u"A", u"B", u"C"}) tabs->Tabs().Add(caption);
  tabs->SetSkinEngine(engine);
  tabs->SetTabIndex(1);
  form->Show();
  Pump();
  ASSERT_TRUE(tabs->IsSkinActive());
  SendMessageW(tabs->Handle(), WM_MOUSEMOVE, 0, At(40, 10));  // over tab 0
  ASSERT_EQ(tabs->HotTab(), 0);

  auto paint = [&] {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 300, -120, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    Handles::CreatedDC dc(CreateCompatibleDC(nullptr));
    Handles::Bitmap bitmap(CreateDIBSection(dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    Handles::SelectedObject selected(dc.Get(), bitmap.Get());
    SendMessageW(tabs->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dc.Get()), 0);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    std::vector<COLORREF> out(300 * 120);
    for (int i = 0; i < 300 * 120; ++i)
      out[i] = RGB((pixels[i] >> 16) & 0xFF, (pixels[i] >> 8) & 0xFF, pixels[i] & 0xFF);
    return out;
  };
  // The frame's margins are 1: the strip is 21 deep; each tab starts at 1 + 80 i; unselected
  // tabs lose 1 at both ends across the strip (top 2), the selected one keeps its top at 1.
  // Four pixels down the tab's left edge is the first row of the picture's stretched middle,
  // where the cells differ: row 4 of the cell.
  auto cell = [&](int state) { return picture.Pixel(0, 18 * state + 4); };
  std::vector<COLORREF> shot = paint();
  auto at = [&](int x, int y) { return shot[static_cast<std::size_t>(y * 300 + x)]; };
  EXPECT_EQ(at(1, 2 + 4), cell(1)) << "hot tab 0";
  EXPECT_EQ(at(81, 1 + 4), cell(2)) << "selected tab 1";
  EXPECT_EQ(at(161, 2 + 4), cell(0)) << "normal tab 2";
  EXPECT_NE(cell(0), cell(1));
  EXPECT_NE(cell(0), cell(2));

  // Disabled: the tab has no disabled picture, so every tab shows the normal one.
  tabs->SetEnabled(false);
  shot = paint();
  EXPECT_EQ(at(81, 1 + 4), cell(0));
  EXPECT_EQ(at(1, 2 + 4), cell(0));

  // Without its engine the control paints plainly and keeps working.
  delete engine;
  EXPECT_FALSE(tabs->IsSkinActive());
  tabs->SetEnabled(true);
  shot = paint();
  EXPECT_NE(at(81, 1 + 4), cell(2));
}

TEST_F(TabWindows, APageControlWithItsPagesTravelsInAWindowDefinition) {
  std::vector<std::uint8_t> definition;
  {
    std::unique_ptr<TForm> source(NewForm());
    source->SetName("MainForm");
    auto* pages = new TSeSkinPageControl(source.get());
    pages->SetName("Pages");
    pages->SetParent(source.get());
    pages->SetMultiLine(true);
    pages->SetHotTrack(true);
    for (int i = 0; i < 4; ++i) {
      auto* sheet = new TSeCustomTabSheet(source.get());
      sheet->SetName("Sheet" + std::to_string(i));
      sheet->SetCaption(L"Page " + std::to_wstring(i));
      pages->InsertPage(i, sheet);
    }
    pages->SetActivePage(pages->Pages(3));
    TMemoryStream out;
    TWriter(out).WriteRootComponent(*source);
    definition = out.Bytes();
  }
  std::unique_ptr<TForm> read(new TForm(nullptr));
  TMemoryStream in(definition);
  TReader(in).ReadRootComponent(read.get());
  auto* pages = dynamic_cast<TSeSkinPageControl*>(read->FindComponent("Pages"));
  ASSERT_NE(pages, nullptr);
  // The pages come back in order, each once, with their tabs; the fourth is active.
  ASSERT_EQ(pages->PageCount(), 4);
  EXPECT_EQ(pages->Tabs().Count(), 4);
  EXPECT_EQ(pages->Pages(2)->Name(), "Sheet2");
  EXPECT_EQ(pages->Tabs().Get(2), u"Page 2");
  EXPECT_EQ(pages->ActivePage(), pages->Pages(3));
  EXPECT_EQ(pages->TabIndex(), 3);
  EXPECT_TRUE(pages->MultiLine());
  EXPECT_TRUE(pages->HotTrack());
  EXPECT_TRUE(pages->UsePages());
}

}  // namespace
