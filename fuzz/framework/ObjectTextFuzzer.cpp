// Fuzzes the text form parser; whatever it accepts must convert back and forth stably.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/Exception.h"
#include "framework/core/ObjectText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> binary;
  try {
    binary = ObjectTextToBinary(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const Exception&) {
    return 0;
  }
  const std::string text = ObjectBinaryToText(binary);
  if (ObjectTextToBinary(text) != binary) std::abort();
  return 0;
}
