// The platform services the program's windows use: clipboard text both ways, the Save dialog
// driven to completion, the memo's lines, the hosted web browser, layout and the scaling of a
// definition stored at another pixel density.
#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "UiTestSupport.h"
#include "framework/core/ObjectText.h"
#include "framework/core/TReadOnlyMemoryStream.h"
#include "framework/core/TReader.h"
#include "framework/core/win/Handles.h"
#include "framework/ui/FrameworkClasses.h"
#include "framework/ui/TButton.h"
#include "framework/ui/TClipboard.h"
#include "framework/ui/TCustomEdit.h"
#include "framework/ui/TEdit.h"
#include "framework/ui/TForm.h"
#include "framework/ui/TLabel.h"
#include "framework/ui/TMemo.h"
#include "framework/ui/TPanel.h"
#include "framework/ui/TSaveDialog.h"
#include "framework/ui/TScreen.h"
#include "framework/ui/TWebBrowser.h"
#include "framework/ui/TextMeasure.h"
#include "framework/ui/WideText.h"
#include "tests/support/TextInk.h"

namespace {

std::wstring ClipboardUnicode() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return L"<closed>";
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

std::string ClipboardAnsi() {
  std::string text;
  if (!OpenClipboard(nullptr)) return "<closed>";
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    text = static_cast<const char*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

using Services = UiTest;

TEST_F(Services, ClipboardTextGoesBothWaysInBothEncodings) {
  const std::wstring wide = L"Price \u20AC5 \u00FCber \u6F22";
  Clipboard().SetAsText(wide);
  EXPECT_EQ(ClipboardUnicode(), wide);
  EXPECT_EQ(Clipboard().AsText(), wide);
  // The 8-bit form is the ANSI code page's: the euro sign is 0x80 there, the CJK one is not.
  EXPECT_EQ(ClipboardAnsi(),
            "Price \x80"
            "5 \xFC"
            "ber ?");
  EXPECT_EQ(Clipboard().AsAnsiText(),
            "Price \x80"
            "5 \xFC"
            "ber ?");

  Clipboard().SetAsAnsiText("caf\xE9 \x80");
  EXPECT_EQ(Clipboard().AsText(), L"caf\u00E9 \u20AC");
  EXPECT_EQ(ClipboardUnicode(), L"caf\u00E9 \u20AC");

  // Text put there by someone else in the 8-bit format only is read too.
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 4);
  std::memcpy(GlobalLock(memory), "ab\xE9", 4);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
  EXPECT_EQ(Clipboard().AsText(), L"ab\u00E9");

  Clipboard().Clear();
  EXPECT_EQ(Clipboard().AsText(), L"");
}

// Finds the Save dialog once it is up, types the name and confirms it.
struct DialogDriver {
  static inline std::wstring name;
  static inline bool cancel = false;
  static inline int attempts = 0;
  static BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
    wchar_t cls[32] = {};
    GetClassNameW(window, cls, 32);
    if (std::wstring(cls) == L"#32770" && IsWindowVisible(window)) {
      *reinterpret_cast<HWND*>(found) = window;
      return FALSE;
    }
    return TRUE;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog) {
      if (++attempts > 200) KillTimer(nullptr, timer);
      return;
    }
    KillTimer(nullptr, timer);
    if (cancel) {
      PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      return;
    }
    // The file name box: an edit (edt1) or the edit inside the combo box (cmb13).
    HWND edit = GetDlgItem(dialog, 0x480);
    if (!edit) {
      HWND combo = GetDlgItem(dialog, 0x47C);
      edit = combo ? FindWindowExW(combo, nullptr, L"Edit", nullptr) : nullptr;
      if (!edit) edit = combo;
    }
    SetWindowTextW(edit, name.c_str());
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
  }
  static void Arm(const std::wstring& fileName, bool cancelIt) {
    name = fileName;
    cancel = cancelIt;
    attempts = 0;
    SetTimer(nullptr, 0, 50, Tick);
  }
};

TEST_F(Services, TheSaveDialogReturnsTheChosenNameWithTheDefaultExtension) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring base = std::wstring(temp) + L"qm_snippet";

  TSaveDialog dialog(nullptr);
  dialog.DefaultExt = L"html";
  dialog.Filter = L"Html document (*.htm, *.html)|*.htm,*.html|Text document (*.txt) |*.txt";
  DialogDriver::Arm(base, false);
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.FileName, base + L".html");

  // A name with its own extension keeps it; cancelling leaves the name alone.
  DialogDriver::Arm(base + L".txt", false);
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.FileName, base + L".txt");
  DialogDriver::Arm(L"", true);
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.FileName, base + L".txt");
}

TEST(SaveDialogFilter, BecomesNulSeparatedPairs) {
  const std::wstring filter = TSaveDialog::PlatformFilter(L"Html|*.htm|Text |*.txt");
  EXPECT_EQ(filter, std::wstring(L"Html\0*.htm\0Text \0*.txt\0\0", 24));
}

class MemoLines : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    form.reset(NewForm());
    memo = new TMemo(form.get());
    memo->SetParent(form.get());
  }
  // The same operations, before and after the memo has a window, give the same text.
  void Exercise() {
    TStrings& lines = memo->Lines();
    EXPECT_EQ(lines.Count(), 0);
    lines.Add(u"<form>");
    lines.Add(u"</form>");
    EXPECT_EQ(memo->Text(), L"<form>\r\n</form>\r\n");
    EXPECT_EQ(lines.Count(), 2);
    lines.Insert(1, u"<input>");
    lines.Insert(0, u"");
    EXPECT_EQ(lines.Count(), 4);
    EXPECT_EQ(lines[0], u"");
    EXPECT_EQ(lines[2], u"<input>");
    lines.Put(2, u"<input type=\"hidden\">");
    lines.Delete(0);
    EXPECT_EQ(memo->Text(), L"<form>\r\n<input type=\"hidden\">\r\n</form>\r\n");
    EXPECT_THROW(lines.Get(3), EListError);
    EXPECT_THROW(lines.Delete(-1), EListError);
    EXPECT_THROW(lines.Insert(4, u"x"), EListError);

    // Text typed without a final line break: the next line starts a new one.
    memo->SetText(L"typed");
    lines.Add(u"next");
    EXPECT_EQ(memo->Text(), L"typed\r\nnext");
    EXPECT_EQ(lines.Count(), 2);
    lines.Clear();
    EXPECT_EQ(lines.Count(), 0);
    EXPECT_EQ(memo->Text(), L"");
  }
  std::unique_ptr<TForm> form;
  TMemo* memo = nullptr;
};

TEST_F(MemoLines, EditTheTextLineByLineWithoutAWindow) {
  Exercise();
  EXPECT_FALSE(memo->HandleAllocated());
}

TEST_F(MemoLines, EditTheControlsTextLineByLine) {
  memo->HandleNeeded();
  int changes = 0;
  memo->OnChange = {[&](TObject*) { ++changes; }};
  Exercise();
  EXPECT_GT(changes, 0);
  // The text outlives a new window (scroll bars are a creation style).
  memo->Lines().Add(u"kept");
  memo->SetScrollBars(ssBoth);
  EXPECT_TRUE(GetWindowLongW(memo->Handle(), GWL_STYLE) & WS_VSCROLL);
  EXPECT_EQ(memo->Text(), L"kept\r\n");
}

TEST_F(MemoLines, SelectAllAndCopyPutTheWholeTextOnTheClipboard) {
  form->Show();
  Pump();
  memo->Lines().Add(u"line one");
  memo->Lines().Add(u"line \u2022 two");
  memo->SelectAll();
  memo->CopyToClipboard();
  EXPECT_EQ(Clipboard().AsText(), L"line one\r\nline \u2022 two\r\n");
  EXPECT_EQ(memo->SelLength(), static_cast<int>(memo->Text().size()));
}

TEST_F(Services, TheWebBrowserNavigatesInPlace) {
  std::unique_ptr<TForm> form(NewForm(400, 300));
  auto* browser = new TWebBrowser(form.get());
  browser->SetParent(form.get());
  browser->SetAlign(alClient);
  form->Show();
  Pump();
  ASSERT_NE(browser->Browser(), nullptr);
  const std::wstring url = L"http://quillmar.example/?10362&soft";
  browser->Navigate(url);
  Pump();
  EXPECT_EQ(browser->LastNavigatedUrl(), url);
  EXPECT_EQ(browser->Width(), 400);
  EXPECT_EQ(browser->Height(), 300);
  // Navigating again (as each activation does) is accepted too.
  browser->Navigate(url);
  EXPECT_EQ(browser->LastNavigatedUrl(), url);
}

// Each measurement takes its own font, whatever the one before selected, gives what the screen
// would, and the shared context is all it holds: measuring again makes no GDI objects.
TEST_F(Services, TextIsMeasuredInEachCallsFontWithoutNewGdiObjects) {
  Handles::Font small(
      CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Sans Serif"));
  Handles::Font large(
      CreateFontW(-24, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Verdana"));
  const auto screenExtent = [](HFONT font, const std::wstring& text) {
    Handles::WindowDC screen(nullptr);
    Handles::SelectedObject selected(screen.Get(), font);
    SIZE size{};
    GetTextExtentPoint32W(screen.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size;
  };
  const std::wstring text = L"Single Item Purchase";
  MeasureText(small.Get(), text);
  const DWORD before = GdiObjects();
  for (int i = 0; i < 20; ++i) {
    HFONT font = i % 2 ? large.Get() : small.Get();
    const SIZE measured = MeasureText(font, text);
    const SIZE expected = screenExtent(font, text);
    EXPECT_EQ(measured.cx, expected.cx) << i;
    EXPECT_EQ(measured.cy, expected.cy) << i;
  }
  EXPECT_GT(MeasureText(large.Get(), text).cx, MeasureText(small.Get(), text).cx);
  EXPECT_EQ(MeasureText(small.Get(), L"").cx, 0);
  EXPECT_EQ(GdiObjects(), before);
}

TEST_F(Services, AlignmentFillsTopBottomLeftRightThenClient) {
  std::unique_ptr<TForm> form(NewForm(300, 200));
  auto add = [&](TAlign align, int size) {
    auto* panel = new TPanel(form.get());
    panel->SetParent(form.get());
    panel->SetBounds(0, 0, size, size);
    panel->SetAlign(align);
    return panel;
  };
  TPanel* client = add(alClient, 10);
  TPanel* left = add(alLeft, 30);
  TPanel* top = add(alTop, 40);
  TPanel* bottom = add(alBottom, 20);
  TPanel* right = add(alRight, 50);
  form->HandleNeeded();
  auto bounds = [](TControl* c) {
    return std::vector<int>{c->Left(), c->Top(), c->Width(), c->Height()};
  };
  EXPECT_EQ(bounds(top), (std::vector<int>{0, 0, 300, 40}));
  EXPECT_EQ(bounds(bottom), (std::vector<int>{0, 180, 300, 20}));
  EXPECT_EQ(bounds(left), (std::vector<int>{0, 40, 30, 140}));
  EXPECT_EQ(bounds(right), (std::vector<int>{250, 40, 50, 140}));
  EXPECT_EQ(bounds(client), (std::vector<int>{30, 40, 220, 140}));

  // Resizing the form keeps the arrangement; a right-anchored control keeps its margin.
  auto* anchored = new TButton(form.get());
  anchored->SetParent(client);
  anchored->SetBounds(100, 10, 100, 20);  // 20 from the client panel's right edge
  anchored->SetAnchors(TAnchors{akTop, akRight});
  form->SetClientSize(400, 250);
  EXPECT_EQ(bounds(client), (std::vector<int>{30, 40, 320, 190}));
  EXPECT_EQ(bounds(right), (std::vector<int>{350, 40, 50, 190}));
  EXPECT_EQ(anchored->Left(), 320 - 20 - 100);
}

TEST_F(Services, ADefinitionStoredAt120PixelsPerInchIsScaledToTheScreen) {
  RegisterFrameworkClasses();
  const int screen = Screen->PixelsPerInch();
  ASSERT_GT(screen, 0);
  const std::vector<std::uint8_t> binary = ObjectTextToBinary(
      "object Form1: TForm\r\n"
      "  Left = 188\r\n"
      "  Top = 116\r\n"
      "  Caption = 'Scaled'\r\n"
      "  ClientHeight = 488\r\n"
      "  ClientWidth = 698\r\n"
      "  Font.Charset = DEFAULT_CHARSET\r\n"
      "  Font.Color = clWindowText\r\n"
      "  Font.Height = -13\r\n"
      "  Font.Name = 'MS Sans Serif'\r\n"
      "  Font.Style = []\r\n"
      "  PixelsPerInch = 120\r\n"
      "  object Edit1: TEdit\r\n"
      "    Left = 104\r\n"
      "    Top = 32\r\n"
      "    Width = 121\r\n"
      "    Height = 26\r\n"
      "    ParentFont = False\r\n"
      "    Font.Charset = DEFAULT_CHARSET\r\n"
      "    Font.Color = clWindowText\r\n"
      "    Font.Height = -11\r\n"
      "    Font.Name = 'MS Sans Serif'\r\n"
      "    Font.Style = []\r\n"
      "    TabOrder = 0\r\n"
      "  end\r\n"
      "  object Label1: TLabel\r\n"
      "    Left = 16\r\n"
      "    Top = 248\r\n"
      "    Width = 68\r\n"
      "    Height = 32\r\n"
      "    AutoSize = False\r\n"
      "    Caption = 'Quillmar email'\r\n"
      "  end\r\n"
      "end\r\n");
  std::unique_ptr<TForm> form(new TForm(nullptr));
  TReadOnlyMemoryStream stream(binary.data(), binary.size());
  TReader reader(stream);
  reader.ReadRootComponent(form.get());

  auto* edit = ObjectAs<TEdit>(form->FindComponent("Edit1"));
  auto* label = ObjectAs<TLabel>(form->FindComponent("Label1"));
  ASSERT_NE(edit, nullptr);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(edit->Parent(), form.get());
  EXPECT_EQ(form->PixelsPerInch(), screen);
  EXPECT_EQ(form->Left(), 188);  // the window keeps its place
  EXPECT_EQ(form->ClientWidth(), MulDiv(698, screen, 120));
  EXPECT_EQ(form->ClientHeight(), MulDiv(488, screen, 120));
  EXPECT_EQ(edit->Left(), MulDiv(104, screen, 120));
  EXPECT_EQ(edit->Top(), MulDiv(32, screen, 120));
  EXPECT_EQ(edit->Width(), MulDiv(104 + 121, screen, 120) - MulDiv(104, screen, 120));
  EXPECT_EQ(edit->Font().Height(), MulDiv(-11, screen, 120));
  EXPECT_EQ(form->Font().Height(), MulDiv(-13, screen, 120));
  EXPECT_EQ(label->Top(), MulDiv(248, screen, 120));
  EXPECT_EQ(label->Caption(), L"Quillmar email");
  if (screen != 120) {
    EXPECT_NE(edit->Left(), 104);
  }
}

// An auto-sized label takes its parent's font: after scaling it must fit its caption in the
// scaled font, not be the old fit scaled again (which clips the text when the new font is
// relatively wider). Expected: the caption's extent (or ink) in the scaled font, measured apart.
TEST_F(Services, AnAutoSizedLabelFitsItsCaptionAfterScaling) {
  std::unique_ptr<TForm> form(NewForm(400, 300));
  auto* panel = new TPanel(form.get());
  panel->SetParent(form.get());
  panel->SetBounds(0, 0, 300, 200);
  panel->Font().SetName("Tahoma");
  panel->Font().SetHeight(-13);
  auto* label = new TLabel(form.get());
  label->SetParent(panel);
  label->SetLeft(16);
  label->SetCaption(L"Item Name Item Price Return Url");
  form->Show();
  Pump();
  panel->ScaleBy(96, 120);
  ASSERT_EQ(panel->Font().Height(), -10);
  ASSERT_TRUE(label->ParentFont());

  HFONT font = CreateFontW(-10, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                           0, L"Tahoma");
  HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, font);
  SIZE extent{};
  const std::wstring caption = L"Item Name Item Price Return Url";
  GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
  SelectObject(dc, old);
  DeleteDC(dc);
  // As wide as the text's advance, or as its ink where the font draws past it.
  const int lastInk = LastInkedColumn(font, caption, RECT{0, 0, extent.cx, extent.cy});
  DeleteObject(font);
  EXPECT_EQ(label->Width(), std::max<int>(extent.cx, lastInk + 1));
  EXPECT_EQ(label->Left(), 13);  // 16 * 0.8 = 12.8
}

// Each edge is scaled on its own and sizes follow from the edges, so controls that touched at
// 120 pixels per inch still touch: a is 11,16 122 x 27 there, b right under it, c beside it.
// At 96: right 133 * 0.8 = 106.4 -> 106, left 11 * 0.8 = 8.8 -> 9, so a is 97 wide where
// 122 * 0.8 = 97.6 would give 98; bottom 43 * 0.8 = 34.4 -> 34, top 12.8 -> 13: 21 high, not 22.
// At 144: right 159.6 -> 160, left 13.2 -> 13: 147, not 146.4 -> 146; 51.6 - 19.2: 33, not 32.
TEST_F(Services, ScalingFrom120PixelsPerInchKeepsNeighboursTouching) {
  struct Case {
    int pixelsPerInch;
    std::vector<int> a, b, c;
  };
  for (const Case& expected :
       {Case{96, {9, 13, 97, 21}, {9, 34, 97, 22}, {106, 13, 60, 21}},
        Case{144, {13, 19, 147, 33}, {13, 52, 147, 32}, {160, 19, 90, 33}}}) {
    std::unique_ptr<TForm> form(NewForm(400, 300));
    auto* panel = new TPanel(form.get());
    panel->SetParent(form.get());
    panel->SetBounds(0, 0, 300, 200);
    auto add = [&](int left, int top, int width, int height) -> TControl* {
      auto* edit = new TEdit(form.get());
      edit->SetParent(panel);
      edit->SetBounds(left, top, width, height);
      return edit;
    };
    TControl* a = add(11, 16, 122, 27);
    TControl* b = add(11, 43, 122, 27);
    TControl* c = add(133, 16, 75, 27);
    form->Show();
    Pump();
    panel->ScaleBy(expected.pixelsPerInch, 120);
    auto bounds = [](TControl* control) {
      return std::vector<int>{control->Left(), control->Top(), control->Width(), control->Height()};
    };
    EXPECT_EQ(bounds(a), expected.a) << expected.pixelsPerInch;
    EXPECT_EQ(bounds(b), expected.b) << expected.pixelsPerInch;
    EXPECT_EQ(bounds(c), expected.c) << expected.pixelsPerInch;
    EXPECT_EQ(a->Top() + a->Height(), b->Top());
    EXPECT_EQ(a->Left() + a->Width(), c->Left());
  }
}

// A definition lists a control before siblings that come earlier in the tab order (the
// first page's e-mail edit has TabOrder 7 but is read fifth): after loading, Tab must follow
// the written TabOrder, not the order of reading.
TEST_F(Services, ADefinitionsTabOrderHoldsWhateverOrderTheControlsAreReadIn) {
  RegisterFrameworkClasses();
  std::string text = "object Form1: TForm\r\n";
  for (const char* edit : {"Fourth 3", "Second 1", "Third 2", "First 0"}) {
    const std::string e = edit;
    text += "  object Edit" + e.substr(0, e.find(' ')) +
            ": TEdit\r\n    TabOrder = " + e.substr(e.find(' ') + 1) + "\r\n  end\r\n";
  }
  text += "end\r\n";
  const std::vector<std::uint8_t> binary = ObjectTextToBinary(text);
  std::unique_ptr<TForm> form(new TForm(nullptr));
  TReadOnlyMemoryStream stream(binary.data(), binary.size());
  TReader reader(stream);
  reader.ReadRootComponent(form.get());
  std::string order;
  for (TWinControl* control : form->TabList()) order += control->Name() + " ";
  EXPECT_EQ(order, "EditFirst EditSecond EditThird EditFourth ");
}

}  // namespace
