#include "framework/core/Stream.h"

#include <sys/stat.h>
#include <algorithm>
#include <cstring>

#include "framework/core/UnicodeText.h"

using namespace FrameworkMessages;

void TStream::SetSize(std::int64_t) {
  throw EStreamError("Stream cannot be resized");
}

std::int64_t TStream::Size() {
  const std::int64_t position = Position();
  const std::int64_t size = Seek(0, TSeekOrigin::soEnd);
  Seek(position, TSeekOrigin::soBeginning);
  return size;
}

void TStream::ReadBuffer(void* buffer, std::size_t count) {
  if (count != 0 && Read(buffer, count) != count) throw EReadError(SReadError);
}

void TStream::WriteBuffer(const void* buffer, std::size_t count) {
  if (count != 0 && Write(buffer, count) != count) throw EWriteError(SWriteError);
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  std::vector<std::uint8_t> buffer(static_cast<std::size_t>(std::min<std::int64_t>(count, 65536)));
  std::int64_t left = count;
  while (left > 0) {
    const auto n = static_cast<std::size_t>(std::min<std::int64_t>(left, buffer.size()));
    source.ReadBuffer(buffer.data(), n);
    WriteBuffer(buffer.data(), n);
    left -= static_cast<std::int64_t>(n);
  }
  return count;
}

std::uint8_t TStream::ReadUInt8() {
  std::uint8_t b;
  ReadBuffer(&b, 1);
  return b;
}

std::int16_t TStream::ReadInt16() {
  std::uint8_t b[2];
  ReadBuffer(b, 2);
  return static_cast<std::int16_t>(b[0] | (b[1] << 8));
}

std::int32_t TStream::ReadInt32() {
  std::uint8_t b[4];
  ReadBuffer(b, 4);
  return static_cast<std::int32_t>(std::uint32_t{b[0]} | (std::uint32_t{b[1]} << 8) |
                                   (std::uint32_t{b[2]} << 16) | (std::uint32_t{b[3]} << 24));
}

std::int64_t TStream::ReadInt64() {
  const auto low = static_cast<std::uint32_t>(ReadInt32());
  const auto high = static_cast<std::uint32_t>(ReadInt32());
  return static_cast<std::int64_t>((std::uint64_t{high} << 32) | low);
}

void TStream::WriteInt16(std::int16_t value) {
  const auto v = static_cast<std::uint16_t>(value);
  const std::uint8_t b[2] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)};
  WriteBuffer(b, 2);
}

void TStream::WriteInt32(std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  const std::uint8_t b[4] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                             static_cast<std::uint8_t>(v >> 16),
                             static_cast<std::uint8_t>(v >> 24)};
  WriteBuffer(b, 4);
}

void TStream::WriteInt64(std::int64_t value) {
  const auto v = static_cast<std::uint64_t>(value);
  WriteInt32(static_cast<std::int32_t>(static_cast<std::uint32_t>(v)));
  WriteInt32(static_cast<std::int32_t>(static_cast<std::uint32_t>(v >> 32)));
}

namespace {

// The position a seek asks for, or -1 when it lies before the start.
std::int64_t SeekTarget(std::int64_t offset, TSeekOrigin origin, std::size_t position,
                        std::size_t size) {
  std::int64_t base = 0;
  if (origin == TSeekOrigin::soCurrent) base = static_cast<std::int64_t>(position);
  if (origin == TSeekOrigin::soEnd) base = static_cast<std::int64_t>(size);
  const std::int64_t target = base + offset;
  return target < 0 ? -1 : target;
}

}  // namespace

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
  if (position_ >= data_.size()) return 0;
  const std::size_t n = std::min(count, data_.size() - position_);
  std::memcpy(buffer, data_.data() + position_, n);
  position_ += n;
  return n;
}

std::size_t TMemoryStream::Write(const void* buffer, std::size_t count) {
  if (count == 0) return 0;
  if (position_ + count > data_.size()) data_.resize(position_ + count);
  std::memcpy(data_.data() + position_, buffer, count);
  position_ += count;
  return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  const std::int64_t target = SeekTarget(offset, origin, position_, data_.size());
  if (target < 0) throw EStreamError("Invalid stream position");
  position_ = static_cast<std::size_t>(target);
  return target;
}

void TMemoryStream::SetSize(std::int64_t size) {
  if (size < 0) throw EStreamError("Invalid stream size");
  data_.resize(static_cast<std::size_t>(size));
  position_ = std::min(position_, data_.size());
}

void TMemoryStream::Clear() {
  data_.clear();
  position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& source) {
  source.SetPosition(0);
  const std::int64_t size = source.Size();
  Clear();
  data_.resize(static_cast<std::size_t>(size));
  source.ReadBuffer(data_.data(), data_.size());
}

void TMemoryStream::SaveToStream(TStream& target) {
  target.WriteBuffer(data_.data(), data_.size());
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, TFileMode::fmOpenRead);
  LoadFromStream(file);
}

void TMemoryStream::SaveToFile(const std::string& fileName) {
  TFileStream file(fileName, TFileMode::fmCreate);
  SaveToStream(file);
}

std::size_t TReadOnlyMemoryStream::Read(void* buffer, std::size_t count) {
  if (position_ >= size_) return 0;
  const std::size_t n = std::min(count, size_ - position_);
  std::memcpy(buffer, data_ + position_, n);
  position_ += n;
  return n;
}

std::size_t TReadOnlyMemoryStream::Write(const void*, std::size_t) {
  throw EWriteError(SWriteError);
}

std::int64_t TReadOnlyMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  const std::int64_t target = SeekTarget(offset, origin, position_, size_);
  if (target < 0) throw EStreamError("Invalid stream position");
  position_ = static_cast<std::size_t>(target);
  return target;
}

std::size_t TStreamView::Read(void* buffer, std::size_t count) {
  if (position_ >= size_) return 0;
  const auto n = static_cast<std::size_t>(
      std::min<std::int64_t>(static_cast<std::int64_t>(count), size_ - position_));
  base_.SetPosition(start_ + position_);
  const std::size_t got = base_.Read(buffer, n);
  position_ += static_cast<std::int64_t>(got);
  return got;
}

std::size_t TStreamView::Write(const void*, std::size_t) {
  throw EWriteError(SWriteError);
}

std::int64_t TStreamView::Seek(std::int64_t offset, TSeekOrigin origin) {
  std::int64_t base = 0;
  if (origin == TSeekOrigin::soCurrent) base = position_;
  if (origin == TSeekOrigin::soEnd) base = size_;
  if (base + offset < 0) throw EStreamError("Invalid stream position");
  position_ = base + offset;
  return position_;
}

namespace {

std::FILE* OpenFile(const std::string& fileName, const char* mode) {
#ifdef _WIN32
  const auto wide = UnicodeText::FromUtf8(fileName);
  if (!wide) return nullptr;
  std::wstring name(wide->begin(), wide->end());
  std::wstring wideMode(mode, mode + std::strlen(mode));
  return _wfopen(name.c_str(), wideMode.c_str());
#else
  return std::fopen(fileName.c_str(), mode);
#endif
}

}  // namespace

TFileStream::TFileStream(const std::string& fileName, TFileMode mode) : fileName_(fileName) {
  switch (mode) {
    case TFileMode::fmOpenRead:
      file_ = OpenFile(fileName, "rb");
      if (!file_) throw EFOpenError(FormatText(SFOpenError, fileName));
      break;
    case TFileMode::fmOpenReadWrite:
      file_ = OpenFile(fileName, "r+b");
      if (!file_) throw EFOpenError(FormatText(SFOpenError, fileName));
      break;
    case TFileMode::fmCreate:
      file_ = OpenFile(fileName, "w+b");
      if (!file_) throw EFCreateError(FormatText(SFCreateError, fileName));
      break;
  }
  // Unbuffered: a file that cannot take the bytes says so at the write that failed, not at a
  // close whose error nobody could report.
  std::setvbuf(file_, nullptr, _IONBF, 0);
}

TFileStream::~TFileStream() {
  if (file_) std::fclose(file_);
}

std::size_t TFileStream::Read(void* buffer, std::size_t count) {
  return std::fread(buffer, 1, count, file_);
}

std::size_t TFileStream::Write(const void* buffer, std::size_t count) {
  return std::fwrite(buffer, 1, count, file_);
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  const int whence = origin == TSeekOrigin::soBeginning ? SEEK_SET
                     : origin == TSeekOrigin::soCurrent ? SEEK_CUR
                                                        : SEEK_END;
#ifdef _WIN32
  if (_fseeki64(file_, offset, whence) != 0) throw EStreamError("Invalid stream position");
  return _ftelli64(file_);
#else
  if (fseeko(file_, offset, whence) != 0) throw EStreamError("Invalid stream position");
  return ftello(file_);
#endif
}

bool FileExists(const std::string& fileName) {
#ifdef _WIN32
  const auto wide = UnicodeText::FromUtf8(fileName);
  if (!wide) return false;
  std::wstring name(wide->begin(), wide->end());
  struct _stat64 info;
  return _wstat64(name.c_str(), &info) == 0 && (info.st_mode & _S_IFREG);
#else
  struct stat info;
  return stat(fileName.c_str(), &info) == 0 && S_ISREG(info.st_mode);
#endif
}
