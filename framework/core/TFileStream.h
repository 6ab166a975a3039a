#pragma once

#include <cstdio>
#include <string>

#include "framework/core/TStream.h"

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
