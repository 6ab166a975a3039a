#include "framework/core/TMemoryStream.h"
#include "tools/skintool/TSkinFiles.h"

#include <filesystem>

#include "framework/core/TStream.h"
#include "skin/store/SkinFilterRegistry.h"
#include "skin/store/SkinStreamEnvelope.h"
#include "skin/store/TSeSkinSource.h"
#include "tools/skintool/ESkinToolError.h"

namespace skintool {

std::string TSkinFiles::Extension(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  for (char& c : ext)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return ext;
}

bool TSkinFiles::IsSkinFile(const std::string& path) {
  return FindSkinFilterByExtension(Extension(path)) != nullptr;
}

namespace {
std::string KnownExtensions() {
  std::string list;
  for (const TSeSkinFilterClass& cls : SkinFilters())
    list += (list.empty() ? "." : ", .") + cls.Extension;
  return list;
}
}  // namespace

void TSkinFiles::LoadSkin(TSeSkinSource& source, const std::string& path) {
  if (!IsSkinFile(path))
    throw ESkinToolError(path + ": not a skin file (expected " + KnownExtensions() + ")");
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error))
    throw ESkinToolError("cannot open " + path + ": no such file");
  try {
    source.LoadFromFile(path);
  } catch (const Exception& e) {
    throw ESkinToolError(path + ": " + e.Message());
  }
}

void TSkinFiles::SaveSkin(TSeSkinSource& source, const std::string& path) {
  if (!IsSkinFile(path))
    throw ESkinToolError(path + ": not a skin file name (expected " + KnownExtensions() + ")");
  try {
    source.SaveToFile(path);
  } catch (const Exception& e) {
    throw ESkinToolError(path + ": " + e.Message());
  }
}

std::vector<std::uint8_t> TSkinFiles::SkinStreamBytes(TSeSkinSource& source) {
  TMemoryStream stream;
  WriteSkinStream(source, stream);
  return stream.Bytes();
}

}  // namespace skintool
