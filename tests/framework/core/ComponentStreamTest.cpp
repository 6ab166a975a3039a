#include "framework/core/TMemoryStream.h"
#include "framework/core/TReadOnlyMemoryStream.h"
#include "framework/core/TReader.h"
#include "framework/core/TWriter.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/core/Exception.h"
#include "framework/core/ObjectText.h"
#include "tests/framework/core/StreamTestSupport.h"
#include "tests/framework/core/TestClasses.h"

namespace {

using namespace TestClasses;

std::vector<std::uint8_t> SmallObjectBytes() {
  TBytes b;
  b.Raw("TPF0").Short("TTestObject").Short("Face");
  b.Ident("Align", "saClient").Ident("Color", "clNone");
  b.Ident("Font.Charset", "DEFAULT_CHARSET").Ident("Font.Color", "clWindowText");
  b.Short("Font.Height").Byte({2, 0xF5});
  b.Short("Font.Name").Byte({6}).Short("MS Sans Serif");
  b.Short("Font.Style").Byte({11, 0});
  b.Short("Masked").Byte({8});
  b.Short("Left").Byte({3, 0x2C, 0x01});
  b.Short("Top").Byte({2, 0xFB});
  b.Short("Width").Byte({4, 0x70, 0x11, 0x01, 0x00});
  b.Short("Objects").Byte({10}).Int32(4).Byte({0, 0, 0x0F, 0});
  b.Byte({0, 0});
  return b.Get();
}

TEST(ComponentStream, WritesASmallObjectByteForByte) {
  TTestObject object(nullptr);
  object.SetName("Face");
  object.Align = TTestAlign::saClient;
  object.Color = clNone;
  object.Masked = false;
  object.Left = 300;
  object.Top = -5;
  object.Width = 70000;
  EXPECT_EQ(WriteToBytes(object), SmallObjectBytes());
}

TEST(ComponentStream, ReadsASmallObjectIntoANewInstanceByClassName) {
  std::unique_ptr<TComponent> read = ReadFromBytes(SmallObjectBytes());
  auto* object = ObjectAs<TTestObject>(read.get());
  ASSERT_NE(object, nullptr);
  EXPECT_EQ(object->Name(), "Face");
  EXPECT_EQ(object->Align, TTestAlign::saClient);
  EXPECT_EQ(object->Color, clNone);
  EXPECT_FALSE(object->Masked);
  EXPECT_EQ(object->Left, 300);
  EXPECT_EQ(object->Top, -5);
  EXPECT_EQ(object->Width, 70000);
  EXPECT_EQ(object->Font.Name(), "MS Sans Serif");
  EXPECT_EQ(object->ObjectCount(), 0);
  EXPECT_TRUE(object->ComponentState().Empty());
}

// The value of property X as the text form's converter writes it: after "TPF0" and the short
// strings "T", "A" and "X", before the two closing zeros.
std::vector<std::uint8_t> TextValue(const std::string& value) {
  const std::vector<std::uint8_t> form =
      ObjectTextToBinary("object A: T\n  X = " + value + "\nend");
  return {form.begin() + 10, form.end() - 2};
}

TEST(ComponentStream, IntegersTakeTheSmallestTag) {
  // Both sides of every width's limits, from the writer and from the text form.
  const std::vector<std::pair<std::int32_t, std::vector<std::uint8_t>>> cases = {
      {0, {2, 0x00}},
      {127, {2, 0x7F}},
      {-128, {2, 0x80}},
      {128, {3, 0x80, 0x00}},
      {-129, {3, 0x7F, 0xFF}},
      {32767, {3, 0xFF, 0x7F}},
      {-32768, {3, 0x00, 0x80}},
      {32768, {4, 0x00, 0x80, 0x00, 0x00}},
      {-32769, {4, 0xFF, 0x7F, 0xFF, 0xFF}},
      {2147483647, {4, 0xFF, 0xFF, 0xFF, 0x7F}},
      {-2147483647 - 1, {4, 0x00, 0x00, 0x00, 0x80}},
  };
  for (const auto& [value, expected] : cases) {
    TMemoryStream s;
    TWriter(s).WriteInteger(value);
    EXPECT_EQ(s.Bytes(), expected) << value;
    EXPECT_EQ(TextValue(std::to_string(value)), expected) << value;
    s.SetPosition(0);
    EXPECT_EQ(TReader(s).ReadInteger(), value);
  }
  // Beyond 32 bits only text has integers: tag 19, eight bytes.
  EXPECT_EQ(TextValue("2147483648"), (std::vector<std::uint8_t>{19, 0, 0, 0, 0x80, 0, 0, 0, 0}));
  EXPECT_EQ(TextValue("-2147483649"),
            (std::vector<std::uint8_t>{19, 0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(ComponentStream, StringsAndBlocksAtTheirLengthBoundaries) {
  // Up to 255 bytes a string is tag 6 and a length byte, from 256 on tag 12 and four length
  // bytes; a block is tag 10 and four length bytes at any size.
  using Bytes = std::vector<std::uint8_t>;
  const auto joined = [](Bytes head, std::size_t n, std::uint8_t fill) {
    head.insert(head.end(), n, fill);
    return head;
  };
  const std::vector<std::pair<std::size_t, Bytes>> strings = {
      {0, {6, 0}}, {255, {6, 0xFF}}, {256, {12, 0x00, 0x01, 0, 0}}, {257, {12, 0x01, 0x01, 0, 0}}};
  for (const auto& [n, head] : strings) {
    const std::string text(n, 'q');
    const Bytes expected = joined(head, n, 'q');
    TMemoryStream s, wide;
    TWriter(s).WriteString(text);
    TWriter(wide).WriteWideString(std::u16string(n, u'q'));
    EXPECT_EQ(s.Bytes(), expected) << n;
    EXPECT_EQ(wide.Bytes(), expected) << n;
    EXPECT_EQ(TextValue("'" + text + "'"), expected) << n;
    s.SetPosition(0);
    EXPECT_EQ(TReader(s).ReadString(), text);
  }
  const std::vector<std::pair<std::size_t, Bytes>> blocks = {
      {0, {10, 0, 0, 0, 0}}, {255, {10, 0xFF, 0, 0, 0}}, {256, {10, 0x00, 0x01, 0, 0}}};
  for (const auto& [n, head] : blocks) {
    const Bytes data(n, 0xA5), expected = joined(head, n, 0xA5);
    TMemoryStream s;
    TWriter(s).WriteBinary(data.data(), data.size());
    EXPECT_EQ(s.Bytes(), expected) << n;
    std::string hex;
    for (std::size_t i = 0; i < n; ++i) hex += "A5";
    EXPECT_EQ(TextValue("{" + hex + "}"), expected) << n;
    s.SetPosition(0);
    EXPECT_EQ(TReader(s).ReadBinary(), data);
  }
}

TEST(ComponentStream, WideStringsUseEightBitsWhenEveryCharacterFits) {
  const auto write = [](std::u16string_view text) {
    TMemoryStream s;
    TWriter(s).WriteWideString(text);
    return s.Bytes();
  };
  EXPECT_EQ(write(u"caf\u00E9"), (std::vector<std::uint8_t>{6, 4, 'c', 'a', 'f', 0xE9}));
  EXPECT_EQ(write(u"a\u2022"), (std::vector<std::uint8_t>{18, 2, 0, 0, 0, 'a', 0, 0x22, 0x20}));
  const std::vector<std::uint8_t> long8 = write(std::u16string(300, u'x'));
  EXPECT_EQ(std::vector<std::uint8_t>(long8.begin(), long8.begin() + 5),
            (std::vector<std::uint8_t>{12, 0x2C, 0x01, 0, 0}));
  EXPECT_EQ(long8.size(), 305u);

  for (const std::u16string text : {u"caf\u00E9", u"a\u2022", u"", u"\u00A0\u2019"}) {
    TMemoryStream s;
    TWriter(s).WriteWideString(text);
    s.SetPosition(0);
    EXPECT_EQ(TReader(s).ReadWideString(), text);
  }
}

TEST(ComponentStream, ChildrenInsideABlockAreReadBackWithTheirOwnReaders) {
  TTestObject root(nullptr);
  root.SetName("Form");
  auto* caption = new TTestBitmapObject(&root);
  caption->SetName("Caption");
  caption->Bitmap.Name = "FRAMECAPTION.BMP";
  auto* button = new TTestObject(caption);
  button->SetName("Close");
  button->Left = 350;
  new TTestObject(&root);

  const std::vector<std::uint8_t> bytes = WriteToBytes(root);
  // The root's block: two children, the marker bits set.
  const std::string text = ObjectBinaryToText(bytes);
  EXPECT_NE(text.find("Objects = {\r\n    02000F0011000000"), std::string::npos) << text;

  std::unique_ptr<TComponent> read = ReadFromBytes(bytes);
  auto* copy = ObjectAs<TTestObject>(read.get());
  ASSERT_NE(copy, nullptr);
  ASSERT_EQ(copy->ObjectCount(), 2);
  auto* copyCaption = ObjectAs<TTestBitmapObject>(copy->Objects(0));
  ASSERT_NE(copyCaption, nullptr);
  EXPECT_EQ(copyCaption->Name(), "Caption");
  EXPECT_EQ(copyCaption->Bitmap.Name, "FRAMECAPTION.BMP");
  ASSERT_EQ(copyCaption->ObjectCount(), 1);
  EXPECT_EQ(copyCaption->Objects(0)->Left, 350);
  EXPECT_EQ(copy->Objects(1)->Name(), "");
  EXPECT_EQ(WriteToBytes(*copy), bytes);
}

// A window with every kind of value: nested controls, a non-visual component with a block,
// references in both directions of the stored order, events, a list of wide strings.
struct TSampleForm {
  TTestForm form{nullptr};
  TTestEngine* engine;
  TTestMenu* menu;
  TTestControl* panel;
  TTestControl* button;
  TTestControl* memo;
  TTestControl* label;

  TSampleForm() {
    form.SetName("Form1");
    form.Caption = u"Quillmar \u2022 Cart";
    form.ClientWidth = 698;
    form.Font.SetHeight(-13);
    form.OnActivate = TNotifyEvent([](TObject*) {}, "FormActivate");
    engine = new TTestEngine(&form);
    engine->SetName("SeSkinEngine1");
    for (int i = 0; i < 40; ++i) engine->SkinStream.push_back(static_cast<std::uint8_t>(i * 7));
    menu = new TTestMenu(&form);
    menu->SetName("PopupMenu1");
    menu->AutoPopup = false;
    panel = new TTestControl(&form);
    panel->SetName("Panel1");
    panel->SetParent(&form);
    panel->Anchors = {TTestAnchor::akLeft, TTestAnchor::akTop, TTestAnchor::akRight};
    panel->Cursor = crHandPoint;
    button = new TTestControl(&form);
    button->SetName("Button1");
    button->SetParent(panel);
    button->Caption = u"Generate Code";
    button->Enabled = false;
    button->Color = clRed;
    button->SetSkinEngine(engine);
    button->PopupMenu = menu;
    button->OnClick = TNotifyEvent([](TObject*) {}, "ButtonClick");
    memo = new TTestControl(&form);
    memo->SetName("Memo1");
    memo->SetParent(panel);
    memo->Color = 0x00123456;
    memo->Lines.Add(u"QuillMar allows you to send or receive funds to/from anyone with ");
    memo->Lines.Add(u"");
    memo->Lines.Add(u"\u2022 It\u2019s free");
    memo->Lines.Add(u"\u00A0no-break");
    label = new TTestControl(&form);
    label->SetName("Label1");
    label->SetParent(&form);
    label->Cursor = -100;
    label->OnResize = TEvent<TObject*, std::int32_t>(nullptr, "FormResize");
  }
};

TEST(ComponentStream, AWindowReadsBackWithParentsReferencesEventsAndLists) {
  TSampleForm sample;
  const std::vector<std::uint8_t> bytes = WriteToBytes(sample.form);

  Log().clear();
  TTestForm form(nullptr);
  ReadFromBytes(bytes, &form);

  EXPECT_EQ(form.Name(), "Form1");
  EXPECT_EQ(form.Caption, u"Quillmar \u2022 Cart");
  EXPECT_EQ(form.ClientWidth, 698);
  EXPECT_EQ(form.Font.Height(), -13);
  ASSERT_EQ(form.ComponentCount(), 6);
  // Written as the form lists them: its controls, their controls, then the non-visual ones.
  std::vector<std::string> order;
  for (std::int32_t i = 0; i < form.ComponentCount(); ++i)
    order.push_back(form.Components(i)->Name());
  EXPECT_EQ(order, (std::vector<std::string>{"Panel1", "Button1", "Memo1", "Label1",
                                             "SeSkinEngine1", "PopupMenu1"}));

  auto* panel = ObjectAs<TTestControl>(form.FindComponent("Panel1"));
  auto* button = form.Button1;
  auto* memo = ObjectAs<TTestControl>(form.FindComponent("Memo1"));
  auto* label = ObjectAs<TTestControl>(form.FindComponent("Label1"));
  auto* menu = ObjectAs<TTestMenu>(form.FindComponent("PopupMenu1"));
  ASSERT_TRUE(panel && button && memo && label && menu && form.SeSkinEngine1);
  EXPECT_EQ(panel->Parent(), &form);
  EXPECT_EQ(button->Parent(), panel);
  EXPECT_EQ(memo->Parent(), panel);
  EXPECT_EQ(label->Parent(), &form);
  EXPECT_EQ(panel->Anchors,
            (TTestAnchors{TTestAnchor::akLeft, TTestAnchor::akTop, TTestAnchor::akRight}));
  EXPECT_EQ(panel->Cursor, crHandPoint);
  EXPECT_EQ(label->Cursor, -100);
  EXPECT_EQ(button->Caption, u"Generate Code");
  EXPECT_FALSE(button->Enabled);
  EXPECT_EQ(button->Color, clRed);
  EXPECT_EQ(memo->Color, 0x00123456);
  EXPECT_EQ(memo->Lines.Text(), sample.memo->Lines.Text());
  EXPECT_FALSE(menu->AutoPopup);
  EXPECT_EQ(form.SeSkinEngine1->SkinStream, sample.engine->SkinStream);

  // References resolve among the new form's components, even to ones read later.
  EXPECT_EQ(button->SkinEngine(), form.SeSkinEngine1);
  EXPECT_EQ(button->PopupMenu, menu);
  EXPECT_TRUE(button->EngineSetAtLoaded);

  // Events are bound to the new form's methods.
  button->OnClick(button);
  form.OnActivate(&form);
  label->OnResize(label, 640);
  EXPECT_EQ(form.Calls,
            (std::vector<std::string>{"ButtonClick Button1", "FormActivate", "FormResize 640"}));
  EXPECT_TRUE(sample.form.Calls.empty());
  EXPECT_EQ(button->OnClick.MethodName(), "ButtonClick");

  // Loaded once each, root first, after everything was read; nothing is left loading.
  EXPECT_EQ(Log(),
            (std::vector<std::string>{"Loaded Form1", "Loaded Panel1", "Loaded Button1",
                                      "Loaded Memo1", "Loaded Label1", "Loaded SeSkinEngine1"}));
  for (std::int32_t i = 0; i < form.ComponentCount(); ++i)
    EXPECT_TRUE(form.Components(i)->ComponentState().Empty()) << i;

  EXPECT_EQ(WriteToBytes(form), bytes);

  // The engine goes first: the button that refers to it is told.
  delete form.SeSkinEngine1;
  EXPECT_EQ(button->SkinEngine(), nullptr);
  EXPECT_EQ(form.SeSkinEngine1, nullptr);
}

TEST(ComponentStream, TheWindowsTextFormRoundTripsBothWays) {
  TSampleForm sample;
  const std::vector<std::uint8_t> bytes = WriteToBytes(sample.form);
  const std::string text = ObjectBinaryToText(bytes);
  EXPECT_EQ(ObjectTextToBinary(text), bytes);
  EXPECT_EQ(ObjectBinaryToText(ObjectTextToBinary(text)), text);
  EXPECT_NE(text.find("  Caption = 'Quillmar '#8226' Cart'\r\n"), std::string::npos) << text;
  EXPECT_NE(
      text.find("      Lines.Strings = (\r\n"
                "        'QuillMar allows you to send or receive funds to/from anyone with '\r\n"
                "        ''\r\n"
                "        #8226' It'#8217's free'\r\n"
                "        #160'no-break')\r\n"),
      std::string::npos)
      << text;
  EXPECT_NE(text.find("    object Button1: TTestControl\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("      OnClick = ButtonClick\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("      SkinEngine = SeSkinEngine1\r\n"), std::string::npos) << text;
}

TEST(ComponentStream, ReadingIntoAnExistingRootKeepsItAndRenamesItFromTheStream) {
  TTestObject root(nullptr);
  root.SetName("Old");
  const std::vector<std::uint8_t> bytes = SmallObjectBytes();
  TReadOnlyMemoryStream input(bytes.data(), bytes.size());
  EXPECT_EQ(TReader(input, Registry()).ReadRootComponent(&root), &root);
  EXPECT_EQ(root.Name(), "Face");
  EXPECT_EQ(root.Width, 70000);
}

std::unique_ptr<TComponent> ReadText(const std::string& text, TComponent* root = nullptr) {
  return ReadFromBytes(ObjectTextToBinary(text), root);
}

template <class E>
std::string ReadError(const std::string& text, TComponent* root = nullptr) {
  try {
    ReadText(text, root);
  } catch (const E& e) {
    return e.Message();
  }
  return "no error";
}

TEST(ComponentStream, UnknownPropertiesAndValuesOfTheWrongKindAreTheFrameworksErrors) {
  const auto form = [](const std::string& body) {
    return "object Form1: TTestForm\n" + body + "\nend";
  };
  EXPECT_EQ(ReadError<EReadError>(form("Bogus = 1")), "Property Bogus does not exist");
  EXPECT_EQ(ReadError<EReadError>(form("Font.Bogus = 1")), "Property Font.Bogus does not exist");
  EXPECT_EQ(ReadError<EReadError>(form("Caption.Length = 1")),
            "Property Caption.Length does not exist");
  EXPECT_EQ(ReadError<EReadError>(form("Lines.Strings = ()")),
            "Property Lines.Strings does not exist");
  for (const char* body : {"Caption = 5", "ClientWidth = 'x'", "ClientWidth = True", "Font = 1",
                           "Font.Style = [fsBold, fsShiny]", "Font.Charset = NO_CHARSET",
                           "Font.Pitch = fpWide", "Font.Height = {00}", "OnActivate = Missing",
                           "OnActivate = FormResize", "OnActivate = 'FormActivate'"})
    EXPECT_EQ(ReadError<EReadError>(form(body)), "Invalid property value") << body;

  EXPECT_EQ(ReadError<EReadError>("object A: TTestControl\n Enabled = 1\nend"),
            "Invalid property value");
  EXPECT_EQ(ReadError<EReadError>("object A: TTestControl\n Cursor = crBogus\nend"),
            "Invalid property value");
  EXPECT_EQ(ReadError<EReadError>("object A: TTestObject\n Align = saNowhere\nend"),
            "Invalid property value");
  EXPECT_EQ(ReadError<EReadError>("object A: TTestObject\n Objects = 5\nend"),
            "Invalid property value");
}

TEST(ComponentStream, ReferencesMustNameAComponentOfTheRightClassInTheRoot) {
  const std::string head =
      "object Form1: TTestForm\n"
      "  object Button1: TTestControl\n";
  const std::string tail =
      "  end\n"
      "  object PopupMenu1: TTestMenu\n"
      "  end\n"
      "end";
  EXPECT_EQ(ReadError<EReadError>(head + "SkinEngine = Nobody\n" + tail), "Invalid property value");
  EXPECT_EQ(ReadError<EReadError>(head + "SkinEngine = PopupMenu1\n" + tail),
            "Invalid property value");
  std::unique_ptr<TComponent> ok = ReadText(head + "PopupMenu = popupmenu1\n" + tail);
  auto* form = ObjectAs<TTestForm>(ok.get());
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->Button1->PopupMenu, form->FindComponent("PopupMenu1"));
  std::unique_ptr<TComponent> nil = ReadText(head + "PopupMenu = nil\n" + tail);
  EXPECT_EQ(ObjectAs<TTestForm>(nil.get())->Button1->PopupMenu, nullptr);
}

TEST(ComponentStream, ClassesAndNamesAreChecked) {
  EXPECT_EQ(ReadError<EClassNotFound>("object A: TNope\nend"), "Class TNope not found");
  EXPECT_EQ(ReadError<EClassNotFound>("object A: TTestForm\n object B: ttestcontrol\n end\nend"),
            "Class ttestcontrol not found");
  EXPECT_EQ(ReadError<EComponentError>("object A: TTestForm\n"
                                       " object B: TTestMenu\n end\n"
                                       " object b: TTestMenu\n end\n"
                                       "end"),
            "A component named b already exists");
}

TEST(ComponentStream, ComponentsAreLoadingAndReadingWhileTheirPropertiesAreSet) {
  std::unique_ptr<TComponent> read = ReadText(
      "object Form1: TTestForm\n"
      "  object PopupMenu1: TTestMenu\n"
      "    AutoPopup = False\n"
      "  end\n"
      "end");
  auto* menu = ObjectAs<TTestMenu>(read->FindComponent("PopupMenu1"));
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(menu->StatesSeen.size(), 1u);
  EXPECT_TRUE(menu->StatesSeen[0].Contains(TComponentStateFlag::csLoading));
  EXPECT_TRUE(menu->StatesSeen[0].Contains(TComponentStateFlag::csReading));
  EXPECT_TRUE(menu->ComponentState().Empty());
}

TEST(ComponentStream, AComponentMayOwnTheChildrenReadInsideItAndReferToTheRoot) {
  const std::string text =
      "object Form1: TTestForm\n"
      "  object Frame1: TTestFrame\n"
      "    Width = 100\n"
      "    Height = 30\n"
      "    object Inner: TTestControl\n"
      "      Width = 100\n"
      "      Height = 30\n"
      "      OnClick = ButtonClick\n"
      "    end\n"
      "  end\n"
      "  object Button1: TTestControl\n"
      "    Width = 100\n"
      "    Height = 30\n"
      "    PopupMenu = Form1\n"
      "  end\n"
      "end\n";
  EXPECT_EQ(ReadError<EReadError>(text), "Invalid property value");  // the form is no menu

  const std::string good = text.substr(0, text.find("    PopupMenu")) + "  end\nend\n";
  std::unique_ptr<TComponent> read = ReadText(good);
  auto* form = ObjectAs<TTestForm>(read.get());
  auto* frame = ObjectAs<TTestFrame>(form->FindComponent("Frame1"));
  ASSERT_NE(frame, nullptr);
  auto* inner = ObjectAs<TTestControl>(frame->FindComponent("Inner"));
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(form->FindComponent("Inner"), nullptr);
  EXPECT_EQ(inner->Parent(), frame);
  inner->OnClick(inner);
  EXPECT_EQ(form->Calls, (std::vector<std::string>{"ButtonClick Inner"}));
  // Written back inside the frame that owns it.
  const std::string written = ObjectBinaryToText(WriteToBytes(*form));
  EXPECT_NE(written.find(Crlf(good.substr(good.find("  object Frame1")))), std::string::npos)
      << written;
}

TEST(ComponentStream, AFailedReadLeavesAnExistingRootOutOfTheLoadingState) {
  TTestForm form(nullptr);
  EXPECT_THROW(ReadText("object Form1: TTestForm\n"
                        "  object Button1: TTestControl\n"
                        "    Bogus = 1\n"
                        "  end\n"
                        "end",
                        &form),
               EReadError);
  EXPECT_TRUE(form.ComponentState().Empty());
  ASSERT_NE(form.Button1, nullptr);
  EXPECT_TRUE(form.Button1->ComponentState().Empty());
}

}  // namespace
