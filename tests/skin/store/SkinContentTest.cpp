#include <gtest/gtest.h>

#include <algorithm>

#include "SampleSkin.h"
#include "SkinStoreTestSupport.h"
#include "framework/core/ObjectText.h"
#include "framework/core/TReadOnlyMemoryStream.h"
#include "skin/objects/TSeButtonObject.h"
#include "skin/store/SkinFilterRegistry.h"
#include "skin/store/SkinStreamEnvelope.h"
#include "skin/store/TSeSkinFilter.h"

using namespace StoreTest;

namespace {

void Load(const std::string& extension, TSeSkinSource& source, const Bytes& bytes) {
  std::unique_ptr<TSeSkinFilter> filter = FindSkinFilterByExtension("." + extension)->Create();
  filter->SetSource(&source);
  TReadOnlyMemoryStream in(bytes.data(), bytes.size());
  filter->LoadFromStream(in);
}

Bytes Pixel(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a = 0) {
  return {b, g, r, a};
}

Bytes ShortString(const std::string& s) {
  Bytes out{static_cast<std::uint8_t>(s.size())};
  out.insert(out.end(), s.begin(), s.end());
  return out;
}

Bytes ChildRecordText(const std::string& cls, const std::string& text) {
  ContentBuilder b;
  b.Str(cls).Str(text);
  return b.Done();
}

}  // namespace

TEST(SkinContent, BitmapRecordsEmptyDuplicateAndNearMagenta) {
  Bytes pixels;
  for (const Bytes& p :
       {Pixel(250, 5, 250, 0x80), Pixel(249, 0, 255), Pixel(255, 6, 255), Pixel(1, 2, 3, 0xFF)})
    pixels.insert(pixels.end(), p.begin(), p.end());
  const Bytes content = ContentBuilder()
                            .Header()
                            .Int(4)
                            .Str("EMPTY.BMP")
                            .Int(0)
                            .Int(5)  // no pixel bytes follow
                            .Str("DUP.BMP")
                            .Int(2)
                            .Int(2)
                            .Raw(pixels)
                            .Str("WIDE.BMP")
                            .Int(3)
                            .Int(0)
                            .Str("DUP.BMP")
                            .Int(1)
                            .Int(1)
                            .Raw(Pixel(255, 0, 255))
                            .Int(0)
                            .Done();
  TSeSkinSource source(nullptr);
  Load("uskn", source, content);
  ASSERT_EQ(source.Bitmaps().Count(), 4);
  EXPECT_TRUE(source.Bitmaps().Bitmaps(0)->IsEmpty());
  EXPECT_TRUE(source.Bitmaps().Bitmaps(2)->IsEmpty());
  const TSeBitmap& dup = *source.Bitmaps().Bitmaps(1);
  EXPECT_EQ(dup.Name, "DUP.BMP");
  EXPECT_EQ(source.Bitmaps().Bitmaps(3)->Name, "DUP.BMP");
  // Less than 6 off on every channel becomes the key colour, alpha and all; 6 off does not.
  EXPECT_EQ(dup.Pixel(0, 0), 0x007F007Fu);
  EXPECT_EQ(dup.Pixel(1, 0), 0x00F900FFu);
  EXPECT_EQ(dup.Pixel(0, 1), 0x00FF06FFu);
  EXPECT_EQ(dup.Pixel(1, 1), 0xFF010203u);
  EXPECT_EQ(source.Bitmaps().Bitmaps(3)->Pixel(0, 0), 0x007F007Fu);
  EXPECT_TRUE(dup.HasDeviceCopy());
  EXPECT_EQ(source.SkinName(), "Name");
  EXPECT_EQ(source.AuthorURL(), "quillmar.example");
}

TEST(SkinContent, TextChildrenWithoutMarkerAndCharsetForcedToDefault) {
  TSeSkinObject leaf(nullptr);
  leaf.SetName("Caption");
  leaf.SetLeft(5);
  leaf.Font().SetCharset(kAnsiCharset);
  const std::string leafText = ObjectBinaryToText(TSeSkinContentWriter::BinaryForm(leaf));
  ASSERT_NE(leafText.find("ANSI_CHARSET"), std::string::npos);

  // Count word 1 without the marker: the child is a class name and a text form.
  Bytes blob = ContentBuilder().Int(1).Done();
  const Bytes child = ChildRecordText("TSeSkinObject", leafText);
  blob.insert(blob.end(), child.begin(), child.end());
  Bytes props = ShortString("Font.Charset");
  props.push_back(7);
  const Bytes ident = ShortString("ANSI_CHARSET");
  props.insert(props.end(), ident.begin(), ident.end());
  const Bytes objects = ObjectsProperty(blob);
  props.insert(props.end(), objects.begin(), objects.end());
  const std::string formText = ObjectBinaryToText(ObjectForm("TSeSkinObject", "Form", props));

  const Bytes content =
      ContentBuilder().Header().Int(0).Int(1).Str("TSeSkinObject").Str(formText).Done();
  TSeSkinSource source(nullptr);
  Load("uskn", source, content);
  ASSERT_EQ(source.Count(), 1);
  TSeSkinObject* form = source.Objects(0);
  EXPECT_EQ(form->Font().Charset(), kDefaultCharset);
  ASSERT_EQ(form->ObjectCount(), 1);
  EXPECT_EQ(form->Objects(0)->Name(), "Caption");
  EXPECT_EQ(form->Objects(0)->Left(), 5);
  EXPECT_EQ(form->Objects(0)->Font().Charset(), kDefaultCharset);
  EXPECT_EQ(form->Objects(0)->Bitmaps(), &source.Bitmaps());

  // Written back, the children carry the marker: one child is 01 00 0F 00.
  const Bytes saved = SampleSkin::Saved(source, "uskn");
  const std::string text(saved.begin(), saved.end());
  EXPECT_NE(text.find("Objects = {\r\n    01000F00"), std::string::npos);
  EXPECT_NE(text.find("object Form: TSeSkinObject\r\n"), std::string::npos);
}

TEST(SkinContent, ObjectLinksResolveAgainstTheSkinsBitmaps) {
  TSeSkinSource original(nullptr);
  SampleSkin::Fill(original, 3, 4);
  static_cast<TSeButtonObject*>(original.GetObjectByName("Button"))->Bitmap().SetName("pic1.bmp");
  TSeSkinSource loaded(nullptr);
  Load("cskn", loaded, SampleSkin::Saved(original, "cskn"));
  // "Button" names "pic1.bmp" in lower case; the link finds PIC1.BMP of this skin.
  auto* button = loaded.GetObjectByName("Button");
  ASSERT_NE(button, nullptr);
  const TSeBitmapLink& link = static_cast<TSeButtonObject*>(button)->Bitmap();
  EXPECT_EQ(link.GetImage(), loaded.Bitmaps().Bitmaps(1));
  EXPECT_EQ(link.GetName(), "PIC1.BMP");
}

TEST(SkinContent, RecordsOfUnknownClassesArePassedOverByTheirLength) {
  // Known objects around records of classes this library lacks (a later library's, and one
  // named in the wrong case), in the standard and the packed layout; the first object has a
  // child of a later class too.
  TSeSkinObject first(nullptr);
  first.SetName("First");
  first.SetLeft(7);
  new TSeSkinObject(&first);
  Bytes firstForm = TSeSkinContentWriter::BinaryForm(first);
  const std::string childClass = std::string("\x0D\0\0\0", 4) + "TSeSkinObject";
  const auto child =
      std::search(firstForm.begin(), firstForm.end(), childClass.begin(), childClass.end());
  ASSERT_NE(child, firstForm.end());
  const std::string halo = "TSeHaloObject";
  std::copy(halo.begin(), halo.end(), child + 4);
  TSeButtonObject last(nullptr);
  last.SetName("Last");
  last.SetColor(0x00123456);
  last.Bitmap().SetName("PIC.BMP");
  Bytes radius = ShortString("Radius");
  radius.insert(radius.end(), {2, 5});
  const Bytes glow = ObjectForm("TSeGlowObject", "Glow", radius);
  for (bool packed : {false, true}) {
    SCOPED_TRACE(packed ? "packed" : "standard");
    ContentBuilder b;
    b.Header().Int(0).Int(5);
    const auto record = [&](const std::string& cls, const Bytes& form) {
      b.Str(cls);
      if (packed)
        b.Int(static_cast<std::int32_t>(form.size())).Raw(form);
      else
        b.Str(ObjectBinaryToText(form));
    };
    record("TSeSkinObject", firstForm);
    record("TSeGlowObject", glow);
    record("tseskinobject", TSeSkinContentWriter::BinaryForm(first));
    record("TSeGlowObject", glow);
    record("TSeButtonObject", TSeSkinContentWriter::BinaryForm(last));
    TSeSkinSource source(nullptr);
    Load(packed ? "mskn" : "uskn", source, packed ? Compressed(b.Done()) : b.Done());
    ASSERT_EQ(source.Count(), 2);
    EXPECT_EQ(source.Objects(0)->Name(), "First");
    EXPECT_EQ(source.Objects(0)->Left(), 7);
    EXPECT_EQ(source.Objects(0)->ObjectCount(), 0);
    auto* button = ObjectAs<TSeButtonObject>(source.Objects(1));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Name(), "Last");
    EXPECT_EQ(button->Color(), 0x00123456);
    EXPECT_EQ(button->Bitmap().GetName(), "PIC.BMP");
    EXPECT_EQ(source.SkippedClasses(),
              (std::vector<std::string>{"TSeHaloObject", "TSeGlowObject", "tseskinobject"}));
    source.ClearSkin();
    EXPECT_TRUE(source.SkippedClasses().empty());
  }
}

TEST(SkinContent, AFailedLoadKeepsTheSkinThatWasThere) {
  TSeSkinSource other(nullptr);
  SampleSkin::Fill(other, 2, 9);
  other.SetSkinName("Other");
  const Bytes good = SampleSkin::Saved(other, "cskn");

  TSeSkinSource source(nullptr), reference(nullptr);
  SampleSkin::Fill(source);
  SampleSkin::Fill(reference);
  TSeBitmap* firstBitmap = source.Bitmaps().Bitmaps(0);
  TSeSkinObject* firstObject = source.Objects(0);
  // Cut inside the objects, after the header and bitmaps have been read.
  const Bytes cut(good.begin(), good.end() - 20);
  EXPECT_THROW(Load("cskn", source, cut), Exception);
  ExpectSameSkin(reference, source);
  EXPECT_EQ(source.Bitmaps().Bitmaps(0), firstBitmap);
  EXPECT_EQ(source.Objects(0), firstObject);

  Bytes envelope{2};
  envelope.insert(envelope.end(), cut.begin(), cut.end());
  TReadOnlyMemoryStream in(envelope.data(), envelope.size());
  EXPECT_THROW(ReadSkinStream(source, in), Exception);
  ExpectSameSkin(reference, source);

  // The whole stream replaces everything.
  Load("cskn", source, good);
  EXPECT_EQ(source.SkinName(), "Other");
  ExpectSameSkin(other, source);
}
