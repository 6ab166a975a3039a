#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/core/Exception.h"

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

// A sequence of bytes with a position. Read and Write move as many bytes as they can and say
// how many; ReadBuffer and WriteBuffer move all or raise the framework's stream errors. The
// integer helpers read and write explicit little-endian widths, whatever the host's order.
class TStream {
 public:
  TStream() = default;
  TStream(const TStream&) = delete;
  TStream& operator=(const TStream&) = delete;
  virtual ~TStream() = default;

  virtual std::size_t Read(void* buffer, std::size_t count) = 0;
  virtual std::size_t Write(const void* buffer, std::size_t count) = 0;
  virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;
  // Streams that cannot be resized raise EStreamError.
  virtual void SetSize(std::int64_t size);

  std::int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(std::int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
  // The whole length; restores the position. Streams that do not know it raise EStreamError.
  virtual std::int64_t Size();
  // Bytes between the position and the end.
  std::int64_t Remaining() { return Size() - Position(); }

  void ReadBuffer(void* buffer, std::size_t count);
  void WriteBuffer(const void* buffer, std::size_t count);
  // Copies count bytes from source's position; count 0 copies the whole source from its start.
  std::int64_t CopyFrom(TStream& source, std::int64_t count);

  std::uint8_t ReadUInt8();
  std::int8_t ReadInt8() { return static_cast<std::int8_t>(ReadUInt8()); }
  std::int16_t ReadInt16();
  std::int32_t ReadInt32();
  std::uint32_t ReadUInt32() { return static_cast<std::uint32_t>(ReadInt32()); }
  std::int64_t ReadInt64();
  void WriteUInt8(std::uint8_t value) { WriteBuffer(&value, 1); }
  void WriteInt8(std::int8_t value) { WriteUInt8(static_cast<std::uint8_t>(value)); }
  void WriteInt16(std::int16_t value);
  void WriteInt32(std::int32_t value);
  void WriteUInt32(std::uint32_t value) { WriteInt32(static_cast<std::int32_t>(value)); }
  void WriteInt64(std::int64_t value);
};

// A growable buffer in memory.
class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<std::uint8_t> bytes) : data_(std::move(bytes)) {}

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  void SetSize(std::int64_t size) override;
  std::int64_t Size() override { return static_cast<std::int64_t>(data_.size()); }

  void Clear();
  const std::vector<std::uint8_t>& Bytes() const { return data_; }
  std::vector<std::uint8_t>& Bytes() { return data_; }
  void LoadFromStream(TStream& source);
  void SaveToStream(TStream& target);
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName);

 private:
  std::vector<std::uint8_t> data_;
  std::size_t position_ = 0;
};

// A read-only view over bytes that someone else keeps alive (a linked resource, a fuzzer's
// input). Writing raises EWriteError.
class TReadOnlyMemoryStream : public TStream {
 public:
  TReadOnlyMemoryStream(const void* data, std::size_t size)
      : data_(static_cast<const std::uint8_t*>(data)), size_(size) {}

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  std::int64_t Size() override { return static_cast<std::int64_t>(size_); }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t position_ = 0;
};

// A read-only window of another stream: `size` bytes from `start`. Nested blocks (a binary
// property, a child object's form) are read through one of these instead of a copy, so that
// reading a deeply nested record costs no more memory than the record itself.
class TStreamView : public TStream {
 public:
  TStreamView(TStream& base, std::int64_t start, std::int64_t size)
      : base_(base), start_(start), size_(size) {}

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  std::int64_t Size() override { return size_; }

 private:
  TStream& base_;
  std::int64_t start_;
  std::int64_t size_;
  std::int64_t position_ = 0;
};

enum class TFileMode { fmOpenRead, fmCreate, fmOpenReadWrite };

// A file on disk. Names are UTF-8 (wide on Windows inside). Opening fails with EFOpenError
// ("Cannot open file %s"), creating with EFCreateError ("Cannot create file %s").
class TFileStream : public TStream {
 public:
  TFileStream(const std::string& fileName, TFileMode mode);
  ~TFileStream() override;

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  const std::string& FileName() const { return fileName_; }

 private:
  std::string fileName_;
  std::FILE* file_ = nullptr;
};

// Whether a file of that name exists (UTF-8 name).
bool FileExists(const std::string& fileName);
