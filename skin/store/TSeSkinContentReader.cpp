#include "skin/store/TSeSkinContentReader.h"
#include "framework/core/TReadOnlyMemoryStream.h"

#include <algorithm>

#include "framework/core/ObjectText.h"
#include "framework/core/TReader.h"
#include "skin/objects/SeColor.h"
#include "skin/objects/SkinObjectRegistry.h"
#include "skin/objects/SkinString.h"
#include "skin/objects/TSeSkippedClassLog.h"
#include "skin/store/ESeSkinFormatError.h"
#include "skin/store/SePackedBitmap.h"

using namespace FrameworkMessages;
using namespace SkinStoreMessages;

namespace {

// A block whose length the stream gives: read as the bytes arrive, never sized up front.
std::string ReadBlock(TStream& stream) {
  const std::int32_t count = stream.ReadInt32();
  if (count < 0) throw EReadError(SInvalidImage);
  std::string bytes;
  ReadGrowing(stream, bytes, count);
  return bytes;
}

// Passes over a block whose length the stream gives. The bytes are read, not sought past, so
// a length that the stream does not hold fails as it would for any other block.
void SkipBlock(TStream& stream) {
  std::int64_t count = stream.ReadInt32();
  if (count < 0) throw EReadError(SInvalidImage);
  char piece[4096];
  while (count > 0) {
    const auto size = static_cast<std::size_t>(std::min<std::int64_t>(count, sizeof piece));
    stream.ReadBuffer(piece, size);
    count -= static_cast<std::int64_t>(size);
  }
}

}  // namespace

TSeSkinContentReader::TSeSkinContentReader(TStream& stream, bool streamSizeKnown)
    : stream_(stream, kMaxContentSize, streamSizeKnown) {
  RegisterSkinObjectClasses();
}

std::unique_ptr<TSeSkinContent> TSeSkinContentReader::ReadStandard() {
  return Read(false);
}
std::unique_ptr<TSeSkinContent> TSeSkinContentReader::ReadPacked() {
  return Read(true);
}

std::unique_ptr<TSeSkinContent> TSeSkinContentReader::Read(bool packed) {
  // On the heap: the objects keep the address of its bitmap list.
  auto content = std::make_unique<TSeSkinContent>();
  // Records of unknown classes, top-level or children at any depth, are noted here.
  TSeSkippedClassLog skipped(content->SkippedClasses);
  content->SkinName = ReadSkinString(stream_);
  content->SkinVersion = ReadSkinString(stream_);
  content->Author = ReadSkinString(stream_);
  content->AuthorEMail = ReadSkinString(stream_);
  content->AuthorURL = ReadSkinString(stream_);
  // The smallest records: a name and two sizes; a name and a length.
  const std::int32_t bitmaps = ReadCount(packed ? 8 : 12, "bitmaps");
  for (std::int32_t i = 0; i < bitmaps; ++i) ReadBitmap(*content, packed);
  const std::int32_t objects = ReadCount(8, "objects");
  for (std::int32_t i = 0; i < objects; ++i) ReadObject(*content, packed);
  return content;
}

std::int32_t TSeSkinContentReader::ReadCount(std::int64_t minRecordSize, const char* what) {
  const std::int32_t count = stream_.ReadInt32();
  if (count < 0) throw EReadError(SInvalidImage);
  if (count > kMaxCount || count * minRecordSize > stream_.Available()) {
    throw ESeSkinFormatError(FormatText(SCountTooLarge, what));
  }
  return count;
}

void TSeSkinContentReader::ReadBitmap(TSeSkinContent& content, bool packed) {
  auto bitmap = std::make_unique<TSeBitmap>();
  if (packed) {
    std::string name = ReadSkinString(stream_);
    const std::string file = ReadBlock(stream_);
    DecodePackedBitmap(reinterpret_cast<const std::uint8_t*>(file.data()), file.size(), *bitmap);
    bitmap->Name = std::move(name);
  } else {
    bitmap->LoadFromStream(stream_);
  }
  // Near-magenta is how skin authors paint transparency; drawing knows only the exact key.
  if (!bitmap->IsEmpty()) {
    bitmap->ReplaceColor(packed ? static_cast<TColor>(kSeKeyRGB) : clFuchsia);
    bitmap->UpdateDeviceCopy();
  }
  content.Bitmaps.Add(std::move(bitmap));
}

void TSeSkinContentReader::ReadObject(TSeSkinContent& content, bool packed) {
  const std::string className = ReadSkinString(stream_);
  const TClassInfo* cls = FindSkinObjectClass(className);
  if (cls == nullptr) {
    // A class of a later library: both layouts give the record's length (the text form's or
    // the binary form's), so the rest of the skin can still be read.
    SkipBlock(stream_);
    TSeSkippedClassLog::Note(className);
    return;
  }
  std::vector<std::uint8_t> form;
  if (packed) {
    const std::string bytes = ReadBlock(stream_);
    form.assign(bytes.begin(), bytes.end());
  } else {
    form = ObjectTextToBinary(ReadSkinString(stream_));
  }
  std::unique_ptr<TComponent> created(cls->Create(nullptr));
  std::unique_ptr<TSeSkinObject> object(ObjectAs<TSeSkinObject>(created.get()));
  if (object == nullptr) throw EClassNotFound(FormatText(SClassNotFound, className));
  created.release();
  TReadOnlyMemoryStream input(form.data(), form.size());
  TReader reader(input, SkinObjectClasses());
  reader.ReadRootComponent(object.get());
  object->SetCharset(1);
  TSeSkinObject* added = content.Objects.emplace_back(std::move(object)).get();
  added->SetBitmaps(&content.Bitmaps);
  added->ResolveBitmaps();
}
