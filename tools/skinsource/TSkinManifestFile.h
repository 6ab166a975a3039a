#pragma once

#include <string>
#include <utility>
#include <vector>

namespace skinsource {

// The manifest of a skin's source folder: the five header strings, the bitmaps in stored order
// as (skin name, file name) pairs (a skin name may occur twice, so each names its own file)
// and the top-level object files in stored order.
//
// One "key = value" a line, '#' starts a comment line, sections "[bitmaps]" and "[objects]".
// A value or bitmap name that plain text cannot carry (empty, blanks at either end, a leading
// quote, an '=' in a name, control characters) is written quoted: 'it''s', with #n for a byte
// outside the printable range, as 'a'#9'b'.
struct TSkinManifestFile {
  std::string skinName;
  std::string skinVersion;
  std::string author;
  std::string authorEMail;
  std::string authorURL;
  std::vector<std::pair<std::string, std::string>> bitmaps;
  std::vector<std::string> objects;

  // Throws ESkinSourceError naming the source and line of anything it does not understand.
  static TSkinManifestFile Parse(const std::string& text, const std::string& sourceName);
  std::string Format() const;

  // A value as the manifest writes it: bare when that reads back the same, quoted otherwise.
  static std::string Quote(const std::string& value, bool isKey);
  // Reads a value written by Quote; throws ESkinSourceError(what) on a bad quote.
  static std::string Unquote(const std::string& written);
};

}  // namespace skinsource
