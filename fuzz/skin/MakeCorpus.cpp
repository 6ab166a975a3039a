// Writes the fuzzers' seed inputs into <dir>/<target>/: small stored skins of every filter,
// raw packed content, object text forms and BMP files, all made by the store's own writers.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "SampleSkin.h"
#include "framework/core/ObjectText.h"
#include "framework/core/TMemoryStream.h"
#include "skin/objects/TSeBitmap.h"
#include "skin/store/SePackedBitmap.h"
#include "skin/store/TSeSkinContentWriter.h"
#include "skin/store/TSeSkinSource.h"

namespace {

namespace fs = std::filesystem;

void Put(const fs::path& dir, const std::string& name, const std::vector<std::uint8_t>& bytes) {
  fs::create_directories(dir);
  std::ofstream(dir / name, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <corpus dir>\n", argv[0]);
    return 2;
  }
  const fs::path root = argv[1];
  const int shapes[][2] = {{0, 0}, {1, 1}, {2, 4}};
  int n = 0;
  for (const auto& shape : shapes) {
    TSeSkinSource source(nullptr);
    SampleSkin::Fill(source, shape[0], shape[1]);
    const std::string id = "seed" + std::to_string(n++);
    for (const char* ext : {"uskn", "cskn", "xskn", "mskn"})
      Put(root / (std::string("load_") + ext), id, SampleSkin::Saved(source, ext));
    TMemoryStream packed;
    TSeSkinContentWriter(packed).WritePacked(source);
    Put(root / "packed_content", id, packed.Bytes());
    for (int i = 0; i < source.Count(); ++i) {
      const std::string text =
          ObjectBinaryToText(TSeSkinContentWriter::BinaryForm(*source.Objects(i)));
      Put(root / "object_text", id + "_" + std::to_string(i),
          std::vector<std::uint8_t>(text.begin(), text.end()));
    }
    for (int i = 0; i < source.Bitmaps().Count(); ++i)
      Put(root / "packed_bitmap", id + "_" + std::to_string(i),
          EncodePackedBitmap(*source.Bitmaps().Bitmaps(i)));
  }
  return 0;
}
