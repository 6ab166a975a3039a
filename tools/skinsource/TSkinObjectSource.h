#pragma once

#include <memory>
#include <string>

class TSeSkinObject;

namespace skinsource {

// A skin object tree as its source file holds it: the object's text form with every child
// written as a nested "object ... end" block (two blanks deeper) in place of the binary
// "Objects" property. Reading gives the same tree as the stored skin's records; writing is
// canonical, so an object written, read and written again gives the same text.
class TSkinObjectSource {
 public:
  static std::string Write(TSeSkinObject& object);
  // Throws ESkinSourceError naming sourceName: a malformed text, a class that is no skin object
  // class, an unknown property or a bad value.
  static std::unique_ptr<TSeSkinObject> Read(const std::string& text,
                                             const std::string& sourceName);
};

}  // namespace skinsource
