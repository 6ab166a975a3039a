#include "framework/core/ReplaceFile.h"

#include <atomic>
#include <cstdio>
#include <string>

#include "framework/core/Exception.h"
#include "framework/core/TFileStream.h"
#include "framework/core/UnicodeText.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

using namespace FrameworkMessages;

namespace {

#ifdef _WIN32
std::wstring Wide(const std::string& utf8) {
  const auto wide = UnicodeText::FromUtf8(utf8);
  if (!wide) return {};
  return std::wstring(wide->begin(), wide->end());
}
#endif

unsigned long ProcessId() {
#ifdef _WIN32
  return GetCurrentProcessId();
#else
  return static_cast<unsigned long>(getpid());
#endif
}

// Same folder as the target, so the final step is a rename within one volume.
std::string TemporaryName(const std::string& fileName) {
  static std::atomic<unsigned> counter{0};
  return fileName + ".~" + std::to_string(ProcessId()) + "-" + std::to_string(++counter) + ".tmp";
}

bool ReplaceWith(const std::string& temporary, const std::string& fileName) {
#ifdef _WIN32
  return MoveFileExW(Wide(temporary).c_str(), Wide(fileName).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
  return std::rename(temporary.c_str(), fileName.c_str()) == 0;
#endif
}

void Remove(const std::string& fileName) {
#ifdef _WIN32
  DeleteFileW(Wide(fileName).c_str());
#else
  std::remove(fileName.c_str());
#endif
}

}  // namespace

void WriteFileReplacing(const std::string& fileName, const std::vector<std::uint8_t>& bytes) {
  const std::string temporary = TemporaryName(fileName);
  bool written = false;
  try {
    TFileStream stream(temporary, TFileMode::fmCreate);
    written = stream.Write(bytes.data(), bytes.size()) == bytes.size();
  } catch (const EFCreateError&) {
    // The folder cannot take a new file: report the name the user chose, not ours.
    throw EFCreateError(FormatText(SFCreateError, fileName));
  }
  if (!written || !ReplaceWith(temporary, fileName)) {
    Remove(temporary);
    throw EFCreateError(FormatText(SFCreateError, fileName));
  }
}
