#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/core/ObjectText.h"
#include "framework/core/TMemoryStream.h"
#include "framework/core/TReadOnlyMemoryStream.h"
#include "framework/core/TReader.h"
#include "framework/core/TWriter.h"
#include "skin/objects/SkinObjectRegistry.h"
#include "skin/objects/SkinString.h"
#include "skin/objects/TSeActiveBitmap.h"
#include "skin/objects/TSeButtonObject.h"
#include "skin/objects/TSeColorButtonObject.h"
#include "skin/objects/TSeRollPanelObject.h"
#include "skin/objects/TSeSkippedClassLog.h"
#include "skin/objects/TSeSysButtonSkinObject.h"
#include "skin/objects/TSeSystemButton.h"
#include "skin/objects/TSeTextObject.h"
#include "tests/skin/objects/SkinObjectTestSupport.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes WriteBinary(TSeSkinObject& object) {
  TMemoryStream stream;
  {
    TWriter writer(stream);
    writer.WriteRootComponent(object);
  }
  return stream.Bytes();
}

Bytes BlobOf(const TSeSkinObject& object) {
  TMemoryStream stream;
  object.WriteObjects(stream);
  return stream.Bytes();
}

// A frame caption with objects of several classes and non-default properties.
std::unique_ptr<TSeSkinObject> SampleTree() {
  auto form = std::make_unique<TSeSkinObject>(nullptr);
  form->SetName("Form");
  form->SetBounds({0, 0, 375, 247});
  form->SetColor(clBtnFace);
  auto* caption = new TSeActiveBitmap(form.get());
  caption->SetName("Caption");
  caption->SetAlign(TSeAlign::saMostTop);
  caption->SetBounds({0, 0, 375, 29});
  caption->Bitmap().SetName("FRAMECAPTION.BMP");
  caption->Bitmap().SetRect({0, 0, 47, 29});
  caption->SetTileStyle(TscTileStyle::tsStretch);
  caption->SetMargins(5, 0, 5, 0);
  TFont title;
  title.SetColor(clWhite);
  title.SetStyle(TFontStyles{TFontStyle::fsBold});
  caption->SetActiveFont(title);
  auto* close = new TSeSystemButton(caption);
  close->SetName("Close");
  close->SetAction(TSeAction::sbaClose);
  close->SetBounds({350, 5, 371, 26});
  close->BitmapHot().SetName("CLOSEBUTTON.bmp");
  close->BitmapHot().SetRect({0, 21, 21, 42});
  auto* glyph = new TSeButtonObject(close);
  glyph->SetName("Glyph");
  glyph->SetKind(TSeKind::skTranparent);
  glyph->SetAlign(TSeAlign::saCenter);
  auto* text = new TSeTextObject(form.get());
  text->SetName("Text");
  text->SetTextAlign(TSeTextAlign::taCenter);
  TFont grey;
  grey.SetColor(clGray);
  text->SetFontDisabled(grey);
  auto* cell = new TSeColorButtonObject(form.get());
  cell->SetName("Cell");
  cell->Hot().FillColor = 0xD7E9EA;
  cell->Pressed().FillColor = clBlack;
  auto* panel = new TSeRollPanelObject(form.get());
  panel->SetName("Side");
  panel->SetRollKind(TSeRollKind::rkBottom);
  panel->SetRollValue(-20);
  auto* roll = new TSeSysButtonSkinObject(panel);
  roll->SetName("Roll");
  roll->SetRollPanel("Side");
  roll->SetAction(TSeAction::sbaRollPanel);
  return form;
}

TEST(SkinObjectStream, ChildrenBlobCarriesTheCountWithTheBinaryMarker) {
  TSeSkinObject leaf(nullptr);
  EXPECT_EQ(BlobOf(leaf), (Bytes{0x00, 0x00, 0x0F, 0x00}));

  TSeSkinObject parent(nullptr);
  for (int i = 0; i < 6; ++i) new TSeSkinObject(&parent);
  const Bytes blob = BlobOf(parent);
  ASSERT_GE(blob.size(), 4u);
  EXPECT_EQ(Bytes(blob.begin(), blob.begin() + 4), (Bytes{0x06, 0x00, 0x0F, 0x00}));
  // Each record: class name as a skin string, then the length of the child's binary form.
  TReadOnlyMemoryStream in(blob.data(), blob.size());
  in.ReadInt32();
  EXPECT_EQ(ReadSkinString(in), "TSeSkinObject");
  const std::int32_t size = in.ReadInt32();
  Bytes form(static_cast<std::size_t>(size));
  in.ReadBuffer(form.data(), form.size());
  EXPECT_EQ(std::string(form.begin(), form.begin() + 4), "TPF0");
  // The component's own child list stays empty: the form ends with two zero bytes.
  EXPECT_EQ(form[form.size() - 1], 0);
  EXPECT_EQ(form[form.size() - 2], 0);
}

TEST(SkinObjectStream, PropertiesAreStoredInClassOrderWithoutDefaults) {
  TSeSystemButton button(nullptr);
  button.SetName("Close");
  button.SetBounds({1, 2, 22, 23});
  button.Bitmap().SetName("B");
  button.SetTileStyle(TscTileStyle::tsStretch);
  button.ActiveBitmap().SetName("A");
  button.SetAction(TSeAction::sbaClose);
  button.BitmapPressed().SetName("P");
  const std::string text = ObjectBinaryToText(WriteBinary(button));
  const char* order[] = {"object Close: TSeSystemButton",
                         "Font.Charset",
                         "Kind = skSysButton",
                         "Left = 1",
                         "Top = 2",
                         "Height = 21",
                         "Width = 21",
                         "Bitmap.Name = 'B'",
                         "TileStyle = tsStretch",
                         "ActiveBitmap.Name = 'A'",
                         "Action = sbaClose",
                         "BitmapPressed.Name = 'P'",
                         "Objects = {00000F00}"};
  std::size_t at = 0;
  for (const char* line : order) {
    const std::size_t found = text.find(line, at);
    ASSERT_NE(found, std::string::npos) << line << " after position " << at << " in\n" << text;
    at = found;
  }
  // Defaults stay out: a masked, left-aligned object writes neither.
  EXPECT_EQ(text.find("Masked"), std::string::npos);
  EXPECT_EQ(text.find("TextAlign"), std::string::npos);
  EXPECT_EQ(text.find("BorderTileStyle"), std::string::npos);
}

TEST(SkinObjectStream, WholeTreeRoundTripsThroughBinaryAndTextByteForByte) {
  auto tree = SampleTree();
  const Bytes first = WriteBinary(*tree);
  auto read = ReadSkinObject(first);
  ASSERT_TRUE(read);
  EXPECT_EQ(WriteBinary(*read), first);

  auto* caption = ObjectAs<TSeActiveBitmap>(read->FindByName("Caption"));
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->BoundsRect(), (TRect{0, 0, 375, 29}));
  EXPECT_EQ(caption->Bitmap().GetRect(), (TRect{0, 0, 47, 29}));
  EXPECT_EQ(caption->ActiveFont().Color(), clWhite);
  auto* close = ObjectAs<TSeSystemButton>(read->FindByName("Close"));
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->ParentObject(), caption);
  EXPECT_EQ(close->Action(), TSeAction::sbaClose);
  EXPECT_EQ(close->BitmapHot().GetName(), "CLOSEBUTTON.bmp");
  ASSERT_EQ(close->ObjectCount(), 1);
  EXPECT_EQ(close->Objects(0)->Kind(), TSeKind::skTranparent);
  auto* cell = ObjectAs<TSeColorButtonObject>(read->FindByName("Cell"));
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->Hot().FillColor, 0xD7E9EA);
  auto* panel = ObjectAs<TSeRollPanelObject>(read->FindByName("Side"));
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->RollValue(), -20);
  EXPECT_EQ(panel->RollKind(), TSeRollKind::rkBottom);

  const std::string text = ObjectBinaryToText(first);
  EXPECT_EQ(ObjectTextToBinary(text), first);
  EXPECT_EQ(ObjectBinaryToText(ObjectTextToBinary(text)), text);
  // Blobs of 32 bytes or more break onto their own lines.
  EXPECT_NE(text.find("Objects = {\r\n"), std::string::npos);
}

TEST(SkinObjectStream, TextFormChildrenWithoutTheMarkerAreReadAndGetTheDefaultCharset) {
  const std::string childText =
      "object Face: TSeBitmapObject\r\n"
      "  Font.Charset = ANSI_CHARSET\r\n"
      "  Width = 12\r\n"
      "end\r\n";
  TMemoryStream blob;
  blob.WriteInt32(2);  // no marker: text records follow
  for (int i = 0; i < 2; ++i) {
    WriteSkinString(blob, "TSeBitmapObject");
    std::string text = childText;
    if (i == 1) text.replace(text.find("Face"), 4, "Face2");
    WriteSkinString(blob, text);
  }
  blob.SetPosition(0);
  TSeSkinObject parent(nullptr);
  parent.ReadObjects(blob);
  ASSERT_EQ(parent.ObjectCount(), 2);
  auto* face = ObjectAs<TSeBitmapObject>(parent.Objects(0));
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(face->Name(), "Face");
  EXPECT_EQ(face->Width(), 12);
  EXPECT_EQ(face->Font().Charset(), 1);
  EXPECT_EQ(parent.Objects(1)->Name(), "Face2");
}

TEST(SkinObjectStream, HostileChildrenBlobsFailWithClearErrors) {
  auto readBlob = [](const Bytes& bytes) {
    TReadOnlyMemoryStream in(bytes.data(), bytes.size());
    TSeSkinObject parent(nullptr);
    parent.ReadObjects(in);
    return parent.ObjectCount();
  };
  TSeSkinObject one(nullptr);
  new TSeSkinObject(&one);
  Bytes blob = BlobOf(one);

  // A count that the block cannot hold.
  Bytes lying = blob;
  lying[0] = 0xFF;
  lying[1] = 0xFF;
  EXPECT_THROW(readBlob(lying), EReadError);
  // Two children announced, one present.
  Bytes shortBlob = blob;
  shortBlob[0] = 2;
  shortBlob.resize(shortBlob.size() + 8, 0);
  EXPECT_THROW(readBlob(shortBlob), EStreamError);
  // A form length beyond the block.
  Bytes longForm = blob;
  const std::size_t sizeAt = 4 + 4 + std::string("TSeSkinObject").size();
  longForm[sizeAt + 2] = 0x7F;
  EXPECT_THROW(readBlob(longForm), EReadError);
  Bytes negative = blob;
  negative[sizeAt + 3] = 0x80;
  EXPECT_THROW(readBlob(negative), EReadError);
  // A text word whose count is negative as a signed number.
  EXPECT_THROW(readBlob(Bytes{0xFF, 0xFF, 0xFF, 0xFF}), EReadError);
  EXPECT_EQ(readBlob(blob), 1);
  // Only all four marker bits say binary; three of them make a text count of 0x70001.
  Bytes partialMarker = blob;
  partialMarker[2] = 0x07;
  EXPECT_THROW(readBlob(partialMarker), EReadError);

  // A record of an unknown class whose length the block does not hold.
  TMemoryStream unknown;
  unknown.WriteUInt32(0x000F0001);
  WriteSkinString(unknown, "TSeBogusObject");
  unknown.WriteInt32(9);
  unknown.WriteInt32(0);
  unknown.SetPosition(0);
  TSeSkinObject parent(nullptr);
  EXPECT_THROW(parent.ReadObjects(unknown), EReadError);
  EXPECT_EQ(parent.ObjectCount(), 0);
}

TEST(SkinObjectStream, ChildOfAnUnknownClassIsPassedOverAndNoted) {
  TSeSkinObject source(nullptr);
  auto* first = new TSeTextObject(&source);
  first->SetName("First");
  auto* glow = new TSeSkinObject(&source);
  glow->SetName("Glow");
  new TSeSkinObject(glow);  // its own children go with it
  auto* last = new TSeButtonObject(&source);
  last->SetName("Last");
  last->SetWidth(12);
  // The middle record's class becomes one of a later library (a name of the same length).
  Bytes binary = BlobOf(source);
  const std::string known = std::string("\x0D\0\0\0", 4) + "TSeSkinObject";
  const auto at = std::search(binary.begin(), binary.end(), known.begin(), known.end());
  ASSERT_NE(at, binary.end());
  const std::string later = "TSeGlowObject";
  std::copy(later.begin(), later.end(), at + 4);

  // The same children as text records.
  TMemoryStream text;
  text.WriteInt32(3);
  const std::pair<const char*, const char*> records[] = {
      {"TSeTextObject", "object First: TSeTextObject\r\nend\r\n"},
      {"TSeGlowObject", "object Glow: TSeGlowObject\r\n  Radius = 4\r\nend\r\n"},
      {"TSeButtonObject", "object Last: TSeButtonObject\r\n  Width = 12\r\nend\r\n"}};
  for (auto [cls, form] : records) {
    WriteSkinString(text, cls);
    WriteSkinString(text, form);
  }

  for (const Bytes& blob : {binary, text.Bytes()}) {
    std::vector<std::string> skipped = {"TSeEarlier"};
    TSeSkinObject parent(nullptr);
    {
      TSeSkippedClassLog log(skipped);
      TReadOnlyMemoryStream in(blob.data(), blob.size());
      parent.ReadObjects(in);
      EXPECT_EQ(in.Position(), in.Size());
    }
    ASSERT_EQ(parent.ObjectCount(), 2);
    EXPECT_EQ(parent.Objects(0)->Name(), "First");
    EXPECT_EQ(parent.Objects(1)->Name(), "Last");
    EXPECT_EQ(parent.Objects(1)->Width(), 12);
    EXPECT_EQ(skipped, (std::vector<std::string>{"TSeEarlier", "TSeGlowObject"}));
  }

  // Without a log the child is passed over all the same.
  TReadOnlyMemoryStream in(binary.data(), binary.size());
  TSeSkinObject parent(nullptr);
  parent.ReadObjects(in);
  EXPECT_EQ(parent.ObjectCount(), 2);
  // A text record of an unknown class whose length the block does not hold.
  TMemoryStream shortText;
  shortText.WriteInt32(1);
  WriteSkinString(shortText, "TSeGlowObject");
  shortText.WriteInt32(100);
  shortText.WriteBuffer("object", 6);
  shortText.SetPosition(0);
  TSeSkinObject other(nullptr);
  EXPECT_THROW(other.ReadObjects(shortText), EReadError);
}

TEST(SkinObjectStream, DamagedBlobsEitherReadOrFailWithTheSystemsErrors) {
  auto tree = SampleTree();
  const Bytes good = BlobOf(*tree);
  int failures = 0;
  // Every byte set to a few telling values: counts, lengths and tags all get hit.
  for (std::size_t i = 0; i < good.size(); ++i) {
    for (std::uint8_t value : {std::uint8_t{0x00}, std::uint8_t{0x7F}, std::uint8_t{0xFF}}) {
      Bytes damaged = good;
      damaged[i] = value;
      TReadOnlyMemoryStream in(damaged.data(), damaged.size());
      TSeSkinObject parent(nullptr);
      try {
        parent.ReadObjects(in);
      } catch (const Exception&) {
        ++failures;
      }
    }
  }
  EXPECT_GT(failures, 0);
}

TEST(SkinObjectStream, NestingDeeperThanTheLimitIsRefused) {
  auto build = [](int depth) {
    auto root = std::make_unique<TSeSkinObject>(nullptr);
    TSeSkinObject* at = root.get();
    for (int i = 0; i < depth; ++i) at = new TSeSkinObject(at);
    return root;
  };
  auto shallow = build(40);
  EXPECT_TRUE(ReadSkinObject(WriteBinary(*shallow)));

  auto deep = build(100);
  const Bytes bytes = WriteBinary(*deep);
  try {
    ReadSkinObject(bytes);
    FAIL() << "a 100-level tree was read";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), "Invalid stream format");
  }
}

TEST(SkinObjectStream, TheProgramsFrameTreeReadsLaysOutAndRoundTrips) {
  // The source nests its children as object records; they become the objects' children.
  auto form = ReadProgramSkinObject("Form");
  ASSERT_TRUE(form) << "the skin's Form source is missing";
  auto* close = ObjectAs<TSeSystemButton>(form->FindByName("CloseButton"));
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->BoundsRect(), (TRect{350, 5, 371, 26}));
  EXPECT_EQ(close->Action(), TSeAction::sbaClose);
  EXPECT_EQ(close->ParentObject()->Name(), "ButtonContainer");
  EXPECT_EQ(close->Objects(0)->Kind(), TSeKind::skTranparent);
  EXPECT_EQ(form->FindByKind(TSeKind::skTitle)->Name(), "Title");

  // Stored as the skin stores it, every subtree in binary children blobs, then back.
  const Bytes stored = WriteBinary(*form);
  auto again = ReadSkinObject(stored);
  ASSERT_TRUE(again);
  EXPECT_EQ(WriteBinary(*again), stored);
  EXPECT_EQ(ObjectTextToBinary(ObjectBinaryToText(stored)), stored);

  // A wider window keeps the close button 4 pixels from the right edge.
  again->SetBounds({0, 0, 475, 247});
  auto* movedClose = again->FindByName("CloseButton");
  EXPECT_EQ(movedClose->BoundsRect(), (TRect{450, 5, 471, 26}));
  EXPECT_EQ(again->ObjectAtPoint({460, 10}), movedClose);
  again->SetBounds({0, 0, 475, 247});
  EXPECT_EQ(movedClose->Left(), 450);
}

}  // namespace
