// Converts the input from an object's text form to its binary form, reads that into a skin
// object and writes it back, as the standard skin layout does with each object record.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/core/ObjectText.h"
#include "framework/core/TReadOnlyMemoryStream.h"
#include "framework/core/TReader.h"
#include "skin/objects/SkinObjectRegistry.h"
#include "skin/objects/TSeSkinObject.h"
#include "skin/store/TSeSkinContentWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  RegisterSkinObjectClasses();
  try {
    const std::vector<std::uint8_t> binary =
        ObjectTextToBinary(std::string_view(reinterpret_cast<const char*>(data), size));
    TSeSkinObject object(nullptr);
    TReadOnlyMemoryStream in(binary.data(), binary.size());
    TReader(in, SkinObjectClasses()).ReadRootComponent(&object);
    ObjectBinaryToText(TSeSkinContentWriter::BinaryForm(object));
  } catch (const Exception&) {
  }
  return 0;
}
