#include "tools/skintool/SkinFiles.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/core/TMemoryStream.h"
#include "skin/store/SkinFilterRegistry.h"
#include "skin/store/SkinStreamEnvelope.h"
#include "skin/store/TSeSkinSource.h"
#include "tools/skintool/SkinToolError.h"

namespace skintool {

std::vector<std::uint8_t> SkinFiles::ReadBytes(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error))
    throw ESkinToolError("cannot open " + path + ": no such file");
  const auto size = std::filesystem::file_size(path, error);
  if (error || size > static_cast<std::uintmax_t>(kMaxFileSize))
    throw ESkinToolError("cannot read " + path + ": too large");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ESkinToolError("cannot open " + path);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (static_cast<std::uintmax_t>(in.gcount()) != size) throw ESkinToolError("cannot read " + path);
  return bytes;
}

std::string SkinFiles::ReadText(const std::string& path) {
  const std::vector<std::uint8_t> bytes = ReadBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

void SkinFiles::WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw ESkinToolError("cannot create " + path);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw ESkinToolError("cannot write " + path);
}

void SkinFiles::WriteText(const std::string& path, const std::string& text) {
  WriteBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::string SkinFiles::Extension(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  for (char& c : ext)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return ext;
}

bool SkinFiles::IsSkinFile(const std::string& path) {
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

void SkinFiles::LoadSkin(TSeSkinSource& source, const std::string& path) {
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

void SkinFiles::SaveSkin(TSeSkinSource& source, const std::string& path) {
  if (!IsSkinFile(path))
    throw ESkinToolError(path + ": not a skin file name (expected " + KnownExtensions() + ")");
  try {
    source.SaveToFile(path);
  } catch (const Exception& e) {
    throw ESkinToolError(path + ": " + e.Message());
  }
}

std::vector<std::uint8_t> SkinFiles::SkinStreamBytes(TSeSkinSource& source) {
  TMemoryStream stream;
  WriteSkinStream(source, stream);
  return stream.Bytes();
}

}  // namespace skintool
