#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Builds expected stream bytes by hand, piece by piece as the format lays them out.
class TBytes {
 public:
  TBytes& Raw(std::string_view s) {
    bytes_.append(s);
    return *this;
  }
  TBytes& Byte(std::initializer_list<int> values) {
    for (int v : values) bytes_.push_back(static_cast<char>(v));
    return *this;
  }
  // A short string: length byte, characters.
  TBytes& Short(std::string_view s) {
    bytes_.push_back(static_cast<char>(s.size()));
    return Raw(s);
  }
  // A property name and an identifier value (tag 7).
  TBytes& Ident(std::string_view name, std::string_view ident) {
    Short(name).Byte({7});
    return Short(ident);
  }
  TBytes& Int32(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    return Byte({static_cast<int>(u & 0xFF), static_cast<int>((u >> 8) & 0xFF),
                 static_cast<int>((u >> 16) & 0xFF), static_cast<int>(u >> 24)});
  }
  std::vector<std::uint8_t> Get() const {
    std::vector<std::uint8_t> out(bytes_.size());
    for (std::size_t i = 0; i < bytes_.size(); ++i) out[i] = static_cast<std::uint8_t>(bytes_[i]);
    return out;
  }

 private:
  // A string, not a vector: GCC 12 warns falsely about inserting into a growing byte vector.
  std::string bytes_;
};

// Text with LF line ends written as the stream's CR LF.
inline std::string Crlf(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}
