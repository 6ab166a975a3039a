#include "tools/skinart/SkinManifest.h"

#include <fstream>
#include <iterator>

#include "tools/skinart/SkinText.h"

namespace skinart {

namespace {
std::string Trim(const std::string& s) {
  const std::size_t b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return {};
  const std::size_t e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}
}  // namespace

SkinManifest SkinManifest::Parse(const std::string& text, const std::string& sourceName) {
  SkinManifest m;
  enum class Section { Header, Bitmaps, Objects } section = Section::Header;
  bool seen[5] = {};
  std::size_t pos = 0;
  int number = 0;
  while (pos < text.size()) {
    ++number;
    std::size_t lf = text.find('\n', pos);
    if (lf == std::string::npos) lf = text.size();
    const std::string line = Trim(text.substr(pos, lf - pos));
    pos = lf + 1;
    auto fail = [&](const std::string& what) {
      return ESkinSourceError(sourceName + ":" + std::to_string(number) + ": " + what);
    };
    if (line.empty() || line[0] == '#') continue;
    if (line == "[bitmaps]") {
      if (section != Section::Header) throw fail("[bitmaps] out of place");
      section = Section::Bitmaps;
      continue;
    }
    if (line == "[objects]") {
      if (section != Section::Bitmaps) throw fail("[objects] must follow [bitmaps]");
      section = Section::Objects;
      continue;
    }
    if (section == Section::Objects) {
      if (line.find('=') != std::string::npos || line.find('/') != std::string::npos ||
          line.find('\\') != std::string::npos)
        throw fail("expected an object file name");
      m.objects.push_back(line);
      continue;
    }
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos) throw fail("expected \"key = value\"");
    const std::string key = Trim(line.substr(0, eq));
    const std::string value = Trim(line.substr(eq + 1));
    if (key.empty() || value.empty()) throw fail("empty key or value");
    if (section == Section::Bitmaps) {
      if (value.find('/') != std::string::npos || value.find('\\') != std::string::npos ||
          value.find("..") != std::string::npos)
        throw fail("bitmap file must be a plain file name");
      m.bitmaps.emplace_back(key, value);
      continue;
    }
    static const char* const keys[5] = {"SkinName", "SkinVersion", "Author", "AuthorEMail",
                                        "AuthorURL"};
    std::string* fields[5] = {&m.skinName, &m.skinVersion, &m.author, &m.authorEMail, &m.authorURL};
    bool known = false;
    for (int i = 0; i < 5; ++i)
      if (key == keys[i]) {
        if (seen[i]) throw fail(key + " given twice");
        seen[i] = true;
        *fields[i] = value;
        known = true;
      }
    if (!known) throw fail("unknown key " + key);
  }
  if (section != Section::Objects)
    throw ESkinSourceError(sourceName + ": needs a [bitmaps] and an [objects] section");
  return m;
}

SkinManifest SkinManifest::Load(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ESkinSourceError("cannot open " + path);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return Parse(text, path);
}

}  // namespace skinart
