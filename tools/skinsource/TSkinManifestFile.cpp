#include "tools/skinsource/TSkinManifestFile.h"

#include "tools/skinsource/ESkinSourceError.h"

namespace skinsource {

namespace {

constexpr const char* kHeaderKeys[5] = {"SkinName", "SkinVersion", "Author", "AuthorEMail",
                                        "AuthorURL"};

std::string Trim(const std::string& s) {
  const std::size_t b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return {};
  const std::size_t e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

bool Printable(unsigned char c) {
  return c >= 32 && c <= 126;
}

// Reads one quoted token ('..' and #n runs) starting at pos; pos ends after it.
std::string ReadQuoted(const std::string& s, std::size_t& pos) {
  std::string out;
  bool any = false;
  while (pos < s.size()) {
    if (s[pos] == '\'') {
      ++pos;
      for (;;) {
        if (pos >= s.size()) throw ESkinSourceError("unterminated string");
        if (s[pos] == '\'') {
          if (pos + 1 < s.size() && s[pos + 1] == '\'') {
            out += '\'';
            pos += 2;
            continue;
          }
          ++pos;
          break;
        }
        out += s[pos++];
      }
      any = true;
    } else if (s[pos] == '#') {
      ++pos;
      int code = 0;
      std::size_t digits = 0;
      while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9' && digits < 4) {
        code = code * 10 + (s[pos++] - '0');
        ++digits;
      }
      if (digits == 0 || code > 255) throw ESkinSourceError("bad character code after #");
      out += static_cast<char>(code);
      any = true;
    } else {
      break;
    }
  }
  if (!any) throw ESkinSourceError("string expected");
  return out;
}

}  // namespace

std::string TSkinManifestFile::Quote(const std::string& value, bool isKey) {
  bool plain = !value.empty() && value.front() != '\'' && value.front() != '#' &&
               value.front() != ' ' && value.front() != '\t' && value.back() != ' ' &&
               value.back() != '\t' && value != "[bitmaps]" && value != "[objects]";
  for (unsigned char c : value)
    if (!Printable(c) || (isKey && c == '=')) plain = false;
  if (plain) return value;
  // Always opens with a quote: a line that began with '#' would be a comment.
  std::string out = "'";
  bool open = true;
  for (unsigned char c : value) {
    if (Printable(c)) {
      if (!open) out += '\'';
      open = true;
      out += static_cast<char>(c);
      if (c == '\'') out += '\'';
    } else {
      if (open) out += '\'';
      open = false;
      out += '#' + std::to_string(c);
    }
  }
  if (open) out += '\'';
  return out;
}

std::string TSkinManifestFile::Unquote(const std::string& written) {
  if (written.empty() || (written.front() != '\'' && written.front() != '#')) return written;
  std::size_t pos = 0;
  std::string value = ReadQuoted(written, pos);
  if (pos != written.size()) throw ESkinSourceError("text after the closing quote");
  return value;
}

TSkinManifestFile TSkinManifestFile::Parse(const std::string& text, const std::string& sourceName) {
  TSkinManifestFile m;
  enum class Section { Header, Bitmaps, Objects } section = Section::Header;
  std::string* fields[5] = {&m.skinName, &m.skinVersion, &m.author, &m.authorEMail, &m.authorURL};
  bool seen[5] = {};
  std::size_t pos = 0;
  int number = 0;
  while (pos < text.size()) {
    ++number;
    std::size_t lf = text.find('\n', pos);
    if (lf == std::string::npos) lf = text.size();
    const std::string line = Trim(text.substr(pos, lf - pos));
    pos = lf + 1;
    const auto fail = [&](const std::string& what) {
      return ESkinSourceError(sourceName + ":" + std::to_string(number) + ": " + what);
    };
    if (line.empty() || line[0] == '#') continue;
    if (line == "[bitmaps]" || line == "[objects]") {
      const bool bitmaps = line == "[bitmaps]";
      if (section != (bitmaps ? Section::Header : Section::Bitmaps))
        throw fail(line + " out of place");
      section = bitmaps ? Section::Bitmaps : Section::Objects;
      continue;
    }
    try {
      if (section == Section::Objects) {
        const std::string file = Unquote(line);
        if (file.find_first_of("/\\:") != std::string::npos || file == "." || file == "..")
          throw fail("an object file must be a plain file name");
        m.objects.push_back(file);
        continue;
      }
      std::string key;
      std::size_t at = 0;
      if (line[0] == '\'') {
        key = ReadQuoted(line, at);
      } else {
        at = line.find('=');
        if (at == std::string::npos) throw fail("expected \"key = value\"");
        key = Trim(line.substr(0, at));
      }
      while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
      if (at >= line.size() || line[at] != '=') throw fail("expected \"key = value\"");
      const std::string value = Unquote(Trim(line.substr(at + 1)));
      if (key.empty() && line[0] != '\'') throw fail("empty key");
      if (section == Section::Bitmaps) {
        if (value.empty() || value.find_first_of("/\\:") != std::string::npos || value == "." ||
            value == "..")
          throw fail("a bitmap file must be a plain file name");
        m.bitmaps.emplace_back(key, value);
        continue;
      }
      bool known = false;
      for (int i = 0; i < 5; ++i) {
        if (key != kHeaderKeys[i]) continue;
        if (seen[i]) throw fail(key + " given twice");
        seen[i] = known = true;
        *fields[i] = value;
      }
      if (!known) throw fail("unknown key " + key);
    } catch (const ESkinSourceError& e) {
      const std::string prefix = sourceName + ":";
      if (e.Message().rfind(prefix, 0) == 0) throw;
      throw fail(e.Message());
    }
  }
  if (section != Section::Objects)
    throw ESkinSourceError(sourceName + ": needs a [bitmaps] and an [objects] section");
  return m;
}

std::string TSkinManifestFile::Format() const {
  std::string out =
      "# A skin's sources: header strings, bitmaps and top-level objects in stored order.\n";
  const std::string* fields[5] = {&skinName, &skinVersion, &author, &authorEMail, &authorURL};
  for (int i = 0; i < 5; ++i)
    out += std::string(kHeaderKeys[i]) + " = " + Quote(*fields[i], false) + "\n";
  out += "\n[bitmaps]\n";
  for (const auto& [name, file] : bitmaps)
    out += Quote(name, true) + " = " + Quote(file, false) + "\n";
  out += "\n[objects]\n";
  for (const std::string& file : objects) out += Quote(file, false) + "\n";
  return out;
}

}  // namespace skinsource
