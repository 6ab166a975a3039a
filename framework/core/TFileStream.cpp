#include "framework/core/TFileStream.h"

#include <sys/stat.h>
#include <cstring>

#include "framework/core/UnicodeText.h"

using namespace FrameworkMessages;

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
