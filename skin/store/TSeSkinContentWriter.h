#pragma once

#include <memory>
#include <string>
#include <vector>

class TStream;
class TSeSkinSource;
class TSeSkinObject;

// Writes a skin source's content stream in the standard layout (raw 32-bit pixels, objects as
// their text form) or the packed one (16-bit BMP files, objects in binary form).
class TSeSkinContentWriter {
 public:
  explicit TSeSkinContentWriter(TStream& stream) : stream_(stream) {}

  void WriteStandard(const TSeSkinSource& source);
  void WritePacked(const TSeSkinSource& source);

  // An object's binary form, as the component stream writes it.
  static std::vector<std::uint8_t> BinaryForm(TSeSkinObject& object);

 private:
  void Write(const TSeSkinSource& source, bool packed);

  TStream& stream_;
};
