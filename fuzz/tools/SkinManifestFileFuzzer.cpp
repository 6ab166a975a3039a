// Reads the input as a skin's manifest; whatever it accepts must write and read back to the
// same strings, bitmaps and objects, and write the same text again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tools/skinsource/ESkinSourceError.h"
#include "tools/skinsource/TSkinManifestFile.h"

using skinsource::ESkinSourceError;
using skinsource::TSkinManifestFile;

namespace {

bool Same(const TSkinManifestFile& a, const TSkinManifestFile& b) {
  return a.skinName == b.skinName && a.skinVersion == b.skinVersion && a.author == b.author &&
         a.authorEMail == b.authorEMail && a.authorURL == b.authorURL && a.bitmaps == b.bitmaps &&
         a.objects == b.objects;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TSkinManifestFile manifest;
  try {
    manifest = TSkinManifestFile::Parse(std::string(reinterpret_cast<const char*>(data), size),
                                        "manifest.txt");
  } catch (const ESkinSourceError&) {
    return 0;
  }
  const std::string text = manifest.Format();
  TSkinManifestFile back;
  try {
    back = TSkinManifestFile::Parse(text, "written");
  } catch (const ESkinSourceError&) {
    std::abort();
  }
  if (!Same(manifest, back) || back.Format() != text) std::abort();
  return 0;
}
