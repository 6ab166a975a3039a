#include "tools/skinsource/TSkinFolder.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "framework/core/TextCase.h"
#include "skin/objects/SeColor.h"
#include "skin/objects/TSeBitmap.h"
#include "skin/objects/TSeSkinObject.h"
#include "skin/store/TSeSkinContent.h"
#include "skin/store/TSeSkinSource.h"
#include "tools/skinsource/ESkinSourceError.h"
#include "tools/skinsource/TSkinBitmapFile.h"
#include "tools/skinsource/TSkinManifestFile.h"
#include "tools/skinsource/TSkinObjectSource.h"
#include "tools/skinsource/TWholeFile.h"

namespace skinsource {

namespace {

namespace fs = std::filesystem;

std::string Join(const std::string& folder, const std::string& a, const std::string& b = {}) {
  fs::path p = fs::path(folder) / a;
  if (!b.empty()) p /= b;
  return p.string();
}

// A file name not yet taken in this folder, ignoring case (LISTVIEWHEADER.BMP occurs twice).
std::string Unique(const std::string& name, std::set<std::string>& taken) {
  const std::size_t dot = name.rfind('.');
  const std::string stem = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
  const std::string ext = stem.size() == name.size() ? std::string() : name.substr(dot);
  std::string candidate = name;
  for (int n = 2; !taken.insert(TextCase::LowerCase(candidate)).second; ++n)
    candidate = stem + "-" + std::to_string(n) + ext;
  return candidate;
}

}  // namespace

std::string TSkinFolder::SafeFileName(const std::string& name, const std::string& fallback) {
  std::string out;
  for (char c : name) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '.' || c == '-' || c == '_';
    out += plain ? c : '_';
  }
  // No hidden files, no "." or "..", no trailing dot (Windows drops it).
  while (!out.empty() && out.front() == '.') out.erase(out.begin());
  while (!out.empty() && out.back() == '.') out.pop_back();
  if (out.size() > 100) out.resize(100);
  if (out.empty()) return fallback;
  // Windows opens a device for these names, whatever the extension.
  const std::string stem = TextCase::LowerCase(out.substr(0, out.find('.')));
  static const char* const devices[] = {"con", "prn", "aux", "nul"};
  bool device = std::find(std::begin(devices), std::end(devices), stem) != std::end(devices);
  if (stem.size() == 4 && (stem.rfind("com", 0) == 0 || stem.rfind("lpt", 0) == 0) &&
      stem[3] >= '0' && stem[3] <= '9')
    device = true;
  return device ? "_" + out : out;
}

void TSkinFolder::Build(const std::string& folder, TSeSkinSource& source) {
  const std::string manifestPath = Join(folder, "manifest.txt");
  const TSkinManifestFile manifest =
      TSkinManifestFile::Parse(TWholeFile::ReadText(manifestPath), manifestPath);
  auto content = std::make_unique<TSeSkinContent>();
  content->SkinName = manifest.skinName;
  content->SkinVersion = manifest.skinVersion;
  content->Author = manifest.author;
  content->AuthorEMail = manifest.authorEMail;
  content->AuthorURL = manifest.authorURL;
  for (const auto& [name, file] : manifest.bitmaps) {
    const std::string path = Join(folder, "bitmaps", file);
    std::unique_ptr<TSeBitmap> bitmap;
    try {
      bitmap = TSkinBitmapFile::Decode(TWholeFile::Read(path));
    } catch (const ESkinSourceError& e) {
      const std::string message = e.Message();
      throw ESkinSourceError(message.find(path) == std::string::npos ? path + ": " + message
                                                                     : message);
    }
    bitmap->Name = name;
    if (!bitmap->IsEmpty()) {
      // A picture without alpha (24 bits, or a fourth byte that is 0 everywhere, as editors
      // save) is opaque; otherwise a hue shift, which leaves alpha-0 pixels alone, would not
      // touch it.
      const std::uint32_t* bits = bitmap->Bits();
      const std::size_t n = std::size_t(bitmap->Width()) * std::size_t(bitmap->Height());
      if (std::none_of(bits, bits + n, [](std::uint32_t p) { return (p >> 24) != 0; }))
        bitmap->SetAlpha(255);
      bitmap->ReplaceColor(clFuchsia);
      bitmap->UpdateDeviceCopy();
    }
    content->Bitmaps.Add(std::move(bitmap));
  }
  for (const std::string& file : manifest.objects) {
    const std::string path = Join(folder, "objects", file);
    content->Objects.push_back(TSkinObjectSource::Read(TWholeFile::ReadText(path), path));
  }
  for (const auto& object : content->Objects) {
    object->SetBitmaps(&content->Bitmaps);
    object->ResolveBitmaps();
  }
  source.ReplaceContent(std::move(content));
}

void TSkinFolder::Extract(TSeSkinSource& source, const std::string& folder) {
  std::error_code error;
  fs::create_directories(Join(folder, "bitmaps"), error);
  if (error) throw ESkinSourceError("cannot create " + Join(folder, "bitmaps"));
  fs::create_directories(Join(folder, "objects"), error);
  if (error) throw ESkinSourceError("cannot create " + Join(folder, "objects"));

  TSkinManifestFile manifest;
  manifest.skinName = source.SkinName();
  manifest.skinVersion = source.SkinVersion();
  manifest.author = source.Author();
  manifest.authorEMail = source.AuthorEMail();
  manifest.authorURL = source.AuthorURL();
  std::set<std::string> bitmapFiles;
  for (int i = 0; i < source.Bitmaps().Count(); ++i) {
    const TSeBitmap& bitmap = *source.Bitmaps().Bitmaps(i);
    const std::string file = Unique(SafeFileName(bitmap.Name, "bitmap.bmp"), bitmapFiles);
    TWholeFile::Write(Join(folder, "bitmaps", file), TSkinBitmapFile::Encode(bitmap));
    manifest.bitmaps.emplace_back(bitmap.Name, file);
  }
  std::set<std::string> objectFiles;
  for (const auto& object : source.AllObjects()) {
    const std::string file = Unique(SafeFileName(object->Name(), "object") + ".txt", objectFiles);
    TWholeFile::WriteText(Join(folder, "objects", file), TSkinObjectSource::Write(*object));
    manifest.objects.push_back(file);
  }
  TWholeFile::WriteText(Join(folder, "manifest.txt"), manifest.Format());
}

std::vector<std::string> TSkinFolder::CheckSources(const std::string& folder) {
  const std::string manifestPath = Join(folder, "manifest.txt");
  const TSkinManifestFile manifest =
      TSkinManifestFile::Parse(TWholeFile::ReadText(manifestPath), manifestPath);
  std::vector<std::string> problems;
  std::set<std::string> pictures;
  for (const auto& [name, file] : manifest.bitmaps)
    if (!pictures.insert(TextCase::LowerCase(file)).second)
      problems.push_back("bitmaps/" + file + ": named twice in the manifest");
  for (const std::string& file : manifest.objects) {
    const std::string path = Join(folder, "objects", file);
    const std::string text = TWholeFile::ReadText(path);
    const std::unique_ptr<TSeSkinObject> object = TSkinObjectSource::Read(text, path);
    const std::string where = "objects/" + file + ": ";
    if (file != SafeFileName(object->Name(), "object") + ".txt")
      problems.push_back(where + "holds object " + object->Name());
    const std::string canonical = TSkinObjectSource::Write(*object);
    if (canonical == text) continue;
    // The first line that differs, counted as the text form counts them (CR LF).
    std::size_t at = 0;
    while (at < text.size() && at < canonical.size() && text[at] == canonical[at]) ++at;
    const std::size_t lineStart = canonical.rfind('\n', at == 0 ? 0 : at - 1);
    const std::size_t from = lineStart == std::string::npos || at == 0 ? 0 : lineStart + 1;
    const int line = 1 + static_cast<int>(std::count(text.begin(), text.begin() + at, '\n'));
    const std::size_t to = canonical.find("\r\n", from);
    const std::string expected =
        from < canonical.size()
            ? "\"" + canonical.substr(from, to == std::string::npos ? to : to - from) + "\""
            : "the end of the text";
    problems.push_back(where + "line " + std::to_string(line) +
                       " is not as the skin tool writes it, which has " + expected);
  }
  return problems;
}

}  // namespace skinsource
