#include "skin/store/TSeSkinContentWriter.h"

#include "framework/core/ObjectText.h"
#include "framework/core/TMemoryStream.h"
#include "framework/core/TWriter.h"
#include "skin/objects/SkinString.h"
#include "skin/store/SePackedBitmap.h"
#include "skin/store/TSeSkinSource.h"

void TSeSkinContentWriter::WriteStandard(const TSeSkinSource& source) {
  Write(source, false);
}
void TSeSkinContentWriter::WritePacked(const TSeSkinSource& source) {
  Write(source, true);
}

std::vector<std::uint8_t> TSeSkinContentWriter::BinaryForm(TSeSkinObject& object) {
  TMemoryStream form;
  TWriter(form).WriteRootComponent(object);
  return std::move(form.Bytes());
}

void TSeSkinContentWriter::Write(const TSeSkinSource& source, bool packed) {
  WriteSkinString(stream_, source.SkinName());
  WriteSkinString(stream_, source.SkinVersion());
  WriteSkinString(stream_, source.Author());
  WriteSkinString(stream_, source.AuthorEMail());
  WriteSkinString(stream_, source.AuthorURL());

  const TSeBitmapList& bitmaps = source.Bitmaps();
  stream_.WriteInt32(bitmaps.Count());
  for (int i = 0; i < bitmaps.Count(); ++i) {
    const TSeBitmap& bitmap = *bitmaps.Bitmaps(i);
    if (packed) {
      WriteSkinString(stream_, bitmap.Name);
      const std::vector<std::uint8_t> file = EncodePackedBitmap(bitmap);
      stream_.WriteInt32(static_cast<std::int32_t>(file.size()));
      stream_.WriteBuffer(file.data(), file.size());
    } else {
      bitmap.SaveToStream(stream_);
    }
  }

  stream_.WriteInt32(source.Count());
  for (int i = 0; i < source.Count(); ++i) {
    // Busy only hides objects from lookups; a save writes them all.
    TSeSkinObject& object = *source.AllObjects()[static_cast<std::size_t>(i)];
    WriteSkinString(stream_, object.ClassName());
    const std::vector<std::uint8_t> form = BinaryForm(object);
    if (packed) {
      stream_.WriteInt32(static_cast<std::int32_t>(form.size()));
      stream_.WriteBuffer(form.data(), form.size());
    } else {
      const std::string text = ObjectBinaryToText(form);
      WriteSkinString(stream_, text);
    }
  }
}
