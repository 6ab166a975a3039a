#include "tools/skinart/SkinText.h"

#include <cctype>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>

namespace skinart {

namespace {
bool EqualNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

bool IsIdentifier(const std::string& s) {
  if (s.empty() || !(std::isalpha(static_cast<unsigned char>(s[0])) || s[0] == '_')) return false;
  for (char c : s)
    if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.')) return false;
  return true;
}

// Deeper trees than any skin needs are refused rather than recursed into.
constexpr int kMaxDepth = 32;

struct Line {
  int number;
  int indent;
  std::string text;
};
}  // namespace

const std::string* SkinTextObject::Find(const std::string& property) const {
  for (const auto& [key, value] : properties)
    if (key == property) return &value;
  return nullptr;
}

long long SkinTextObject::Int(const std::string& property, long long fallback) const {
  const std::string* v = Find(property);
  if (!v) return fallback;
  const auto n = SkinTextParser::ToInt(*v);
  if (!n) throw ESkinSourceError(name + "." + property + " is not an integer: " + *v);
  return *n;
}

std::string SkinTextObject::Ident(const std::string& property, const std::string& fallback) const {
  const std::string* v = Find(property);
  return v ? *v : fallback;
}

std::string SkinTextObject::Str(const std::string& property, const std::string& fallback) const {
  const std::string* v = Find(property);
  if (!v) return fallback;
  const auto s = SkinTextParser::Unquote(*v);
  if (!s) throw ESkinSourceError(name + "." + property + " is not a string: " + *v);
  return *s;
}

const SkinTextObject* SkinTextObject::Child(const std::string& childName) const {
  for (const auto& c : children)
    if (EqualNoCase(c->name, childName)) return c.get();
  return nullptr;
}

const SkinTextObject* SkinTextObject::FindByName(const std::string& objectName) const {
  if (EqualNoCase(name, objectName)) return this;
  for (const auto& c : children)
    if (const SkinTextObject* found = c->FindByName(objectName)) return found;
  return nullptr;
}

std::optional<std::string> SkinTextParser::Unquote(const std::string& value) {
  if (value.size() < 2 || value.front() != '\'' || value.back() != '\'') return std::nullopt;
  std::string out;
  for (std::size_t i = 1; i + 1 < value.size(); ++i) {
    if (value[i] == '\'') {
      if (i + 2 >= value.size() || value[i + 1] != '\'') return std::nullopt;
      ++i;
    }
    out += value[i];
  }
  return out;
}

std::optional<long long> SkinTextParser::ToInt(const std::string& value) {
  if (value.empty() || value.size() > 12) return std::nullopt;
  std::size_t i = value[0] == '-' ? 1 : 0;
  if (i == value.size()) return std::nullopt;
  long long n = 0;
  for (; i < value.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(value[i]))) return std::nullopt;
    n = n * 10 + (value[i] - '0');
  }
  return value[0] == '-' ? -n : n;
}

std::unique_ptr<SkinTextObject> SkinTextParser::Parse(const std::string& text,
                                                      const std::string& sourceName) {
  auto fail = [&](int line, const std::string& what) -> ESkinSourceError {
    return ESkinSourceError(sourceName + ":" + std::to_string(line) + ": " + what);
  };
  // Split into lines; every line must end with CR LF, as the text form requires.
  std::vector<Line> lines;
  std::size_t pos = 0;
  int number = 0;
  while (pos < text.size()) {
    ++number;
    const std::size_t lf = text.find('\n', pos);
    if (lf == std::string::npos) throw fail(number, "last line has no line end");
    if (lf == pos || text[lf - 1] != '\r') throw fail(number, "line does not end with CR LF");
    std::string raw = text.substr(pos, lf - 1 - pos);
    pos = lf + 1;
    std::size_t indent = 0;
    while (indent < raw.size() && raw[indent] == ' ') ++indent;
    if (indent == raw.size()) throw fail(number, "blank line");
    if (raw.find('\t') != std::string::npos) throw fail(number, "tab character");
    if (raw.back() == ' ') throw fail(number, "trailing blank");
    lines.push_back({number, static_cast<int>(indent), raw.substr(indent)});
  }
  if (lines.empty()) throw fail(1, "empty file");

  std::size_t at = 0;
  // Recursive descent over the object blocks.
  std::function<std::unique_ptr<SkinTextObject>(int)> parseObject =
      [&](int indent) -> std::unique_ptr<SkinTextObject> {
    const Line& head = lines[at];
    if (indent > 2 * kMaxDepth) throw fail(head.number, "objects nested too deeply");
    if (head.indent != indent) throw fail(head.number, "wrong indentation");
    if (head.text.rfind("object ", 0) != 0) throw fail(head.number, "expected \"object\"");
    const std::string rest = head.text.substr(7);
    const std::size_t colon = rest.find(": ");
    if (colon == std::string::npos) throw fail(head.number, "expected \"object Name: TClass\"");
    auto object = std::make_unique<SkinTextObject>();
    object->name = rest.substr(0, colon);
    object->className = rest.substr(colon + 2);
    object->line = head.number;
    if (!IsIdentifier(object->name) || !IsIdentifier(object->className))
      throw fail(head.number, "bad object or class name");
    ++at;
    bool sawChild = false;
    while (true) {
      if (at >= lines.size()) throw fail(head.number, "object has no \"end\"");
      const Line& line = lines[at];
      if (line.indent == indent && line.text == "end") {
        ++at;
        return object;
      }
      if (line.indent != indent + 2) throw fail(line.number, "wrong indentation");
      if (line.text.rfind("object ", 0) == 0) {
        sawChild = true;
        object->children.push_back(parseObject(indent + 2));
        continue;
      }
      if (sawChild) throw fail(line.number, "property after a child object");
      const std::size_t eq = line.text.find(" = ");
      if (eq == std::string::npos) throw fail(line.number, "expected \"Name = value\"");
      const std::string key = line.text.substr(0, eq);
      const std::string value = line.text.substr(eq + 3);
      if (!IsIdentifier(key) || value.empty()) throw fail(line.number, "bad property line");
      if (object->Find(key)) throw fail(line.number, "property " + key + " given twice");
      object->properties.emplace_back(key, value);
      ++at;
    }
  };
  auto root = parseObject(0);
  if (at != lines.size()) throw fail(lines[at].number, "text after the last \"end\"");
  return root;
}

std::unique_ptr<SkinTextObject> SkinTextParser::ParseFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ESkinSourceError("cannot open " + path);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return Parse(text, path);
}

}  // namespace skinart
