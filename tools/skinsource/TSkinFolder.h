#pragma once

#include <string>
#include <vector>

class TSeSkinSource;

namespace skinsource {

// A skin's source folder: manifest.txt, bitmaps/*.bmp and objects/*.txt (the layout of the
// program's skin under resources/skin). Build reads one into a skin source; Extract writes a
// skin source out as one. Extracting a skin and building the folder gives the same skin
// file byte for byte.
class TSkinFolder {
 public:
  // Pictures are taken as the engine holds them after a read: near-magenta pixels become the
  // key colour, so a built skin read and written again keeps its bytes. A picture whose fourth
  // bytes are all 0 (as editors save one without alpha) is opaque, alpha 255. Throws
  // ESkinSourceError naming the file at fault; the source changes only when everything was read.
  static void Build(const std::string& folder, TSeSkinSource& source);
  // Creates the folder when needed and overwrites the files it writes. File names come from
  // the skin's names, reduced to plain characters and made unique, so no name in a skin can
  // reach outside the folder.
  static void Extract(TSeSkinSource& source, const std::string& folder);
  // What a folder that builds holds that the tool would not write so: object files not in the
  // canonical text form (properties out of stored order, at their default, a named colour in
  // decimal, a font not in full; the first differing line is named), object files not named
  // after their object, and a picture file named twice. One line per problem, "file: what".
  // Throws ESkinSourceError as Build does for sources that do not read.
  static std::vector<std::string> CheckSources(const std::string& folder);
  // A name reduced to a safe file name (letters, digits, '.', '-', '_').
  static std::string SafeFileName(const std::string& name, const std::string& fallback);
};

}  // namespace skinsource
