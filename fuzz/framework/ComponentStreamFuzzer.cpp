// Fuzzes the binary component stream: the reader (creating components of a small class set,
// children in blocks included) and the conversion to text, whose output must read back.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/core/Exception.h"
#include "framework/core/ObjectText.h"
#include "tests/framework/core/TestClasses.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  try {
    TestClasses::ReadFromBytes(bytes);
  } catch (const Exception&) {
  }
  std::string text;
  try {
    text = ObjectBinaryToText(bytes);
  } catch (const Exception&) {
    return 0;
  }
  // Text the converter made is canonical: it must read and come back the same.
  if (ObjectBinaryToText(ObjectTextToBinary(text)) != text) std::abort();
  return 0;
}
