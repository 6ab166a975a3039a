// Loads the input as a stored skin through one filter (chosen at build time by its extension),
// or as raw packed content. Any named error is fine; a crash, a leak, undefined behaviour, a
// hang or a huge allocation is a finding.
#include <cstddef>
#include <cstdint>

#include "framework/core/TMemoryStream.h"
#include "framework/core/TReadOnlyMemoryStream.h"
#include "skin/store/SkinFilterRegistry.h"
#include "skin/store/TSeSkinContentReader.h"
#include "skin/store/TSeSkinFilter.h"
#include "skin/store/TSeSkinSource.h"

#ifndef QM_FUZZ_EXTENSION
#error QM_FUZZ_EXTENSION names the filter
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TReadOnlyMemoryStream in(data, size);
  try {
    if (std::string(QM_FUZZ_EXTENSION) == "packed-content") {
      TSeSkinContentReader(in, true).ReadPacked();
    } else {
      TSeSkinSource source(nullptr);
      std::unique_ptr<TSeSkinFilter> filter =
          FindSkinFilterByExtension("." QM_FUZZ_EXTENSION)->Create();
      filter->SetSource(&source);
      filter->LoadFromStream(in);
      // What was read must also write.
      TMemoryStream out;
      filter->SaveToStream(out);
    }
  } catch (const Exception&) {
  }
  return 0;
}
