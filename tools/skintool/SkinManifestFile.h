#pragma once

#include <string>
#include <utility>
#include <vector>

namespace skintool {

// The manifest of a skin's source folder: the five header strings, the bitmaps in stored order
// as (skin name, file name) pairs (a skin name may occur twice, so each names its own file)
// and the top-level object files in stored order.
//
// One "key = value" a line, '#' starts a comment line, sections "[bitmaps]" and "[objects]".
// A value or bitmap name that plain text cannot carry (empty, blanks at either end, a leading
// quote, an '=' in a name, control characters) is written quoted: 'it''s', with #n for a byte
// outside the printable range, as 'a'#9'b'.
struct SkinManifestFile {
  std::string skinName;
  std::string skinVersion;
  std::string author;
  std::string authorEMail;
  std::string authorURL;
  std::vector<std::pair<std::string, std::string>> bitmaps;
  std::vector<std::string> objects;

  // Throws ESkinToolError naming the source and line of anything it does not understand.
  static SkinManifestFile Parse(const std::string& text, const std::string& sourceName);
  std::string Format() const;
};

// A value as the manifest writes it: bare when that reads back the same, quoted otherwise.
std::string QuoteManifestValue(const std::string& value, bool isKey);
// Reads a value written by QuoteManifestValue; throws ESkinToolError(what) on a bad quote.
std::string UnquoteManifestValue(const std::string& written);

}  // namespace skintool
