#pragma once

#include <cstdint>

#include "skin/store/TSeLimitedReadStream.h"
#include "skin/store/TSeSkinContent.h"

class TStream;

// Reads a skin's content stream: five header strings, the bitmaps, the top-level objects.
// The standard layout holds bitmaps as raw 32-bit pixels and objects in text form; the packed
// one holds bitmaps as 16-bit BMP files and objects in binary form. After each bitmap the
// near-magenta pixels become the key colour and the device copy is made; after each object
// the charset is forced to the default one, the object gets the content's bitmap list and
// resolves its links.
//
// Nothing trusts the stream: strings and blocks grow only as bytes really arrive (a stream
// behind a decompressor does not know its size), the content may not exceed kMaxContentSize
// (a small compressed file cannot expand into gigabytes of skin), and counts above kMaxCount
// are refused. A record of an unregistered class (a skin made for a later library), top-level
// or a child at any depth, is passed over by its length, which must be there like any other,
// and its class name is kept in the content's SkippedClasses.
class TSeSkinContentReader {
 public:
  // Skins are well under a megabyte: the bound leaves them ample room and caps what a stream
  // that inflates well can make the reader take in and hold.
  static constexpr std::int64_t kMaxContentSize = std::int64_t{16} << 20;
  static constexpr std::int32_t kMaxCount = 1 << 16;

  // streamSizeKnown: the stream can tell its size (a file or memory; not a decompressor).
  TSeSkinContentReader(TStream& stream, bool streamSizeKnown);

  std::unique_ptr<TSeSkinContent> ReadStandard();
  std::unique_ptr<TSeSkinContent> ReadPacked();

 private:
  std::unique_ptr<TSeSkinContent> Read(bool packed);
  void ReadBitmap(TSeSkinContent& content, bool packed);
  void ReadObject(TSeSkinContent& content, bool packed);
  std::int32_t ReadCount(std::int64_t minRecordSize, const char* what);

  TSeLimitedReadStream stream_;
};
