// skinart: draws the pictures of the program's skin and checks the skin's sources.
//
//   skinart OUTDIR            write every bitmap of the skin into OUTDIR
//   skinart --compare DIR     verify that the .bmp files in DIR are exactly what it draws
//   skinart --check SKINDIR   lint manifest, bitmaps and object files of a skin folder
//   skinart --icon FILE       write the program's icon (.ico) to FILE
//
// The check reads the folder as the build does, into the skin library's own objects, and
// lays them out with the library's own layout.

#include <filesystem>
#include <iostream>
#include <string>

#include "skin/objects/TSeBitmap.h"
#include "skin/store/TSeSkinSource.h"
#include "tools/skinart/TIconFile.h"
#include "tools/skinart/TIconPainter.h"
#include "tools/skinart/TSkinPainter.h"
#include "tools/skinsource/ESkinSourceError.h"
#include "tools/skinsource/TSkinBitmapFile.h"
#include "tools/skinsource/TSkinFolder.h"
#include "tools/skinsource/TWholeFile.h"
#include "tools/skintool/TProgramSkinChecker.h"
#include "tools/skintool/TSkinLinter.h"

namespace {

using skinsource::ESkinSourceError;
using skinsource::TSkinBitmapFile;
using skinsource::TSkinFolder;
using skinsource::TWholeFile;

void Usage(std::ostream& out) {
  out << "usage: skinart OUTDIR            draw the skin's bitmaps into OUTDIR\n"
         "       skinart --compare DIR     check that DIR holds exactly these bitmaps\n"
         "       skinart --check SKINDIR   check a skin's manifest, bitmaps and objects\n"
         "       skinart --icon FILE       write the program's icon to FILE\n";
}

int Write(const std::string& folder) {
  std::filesystem::create_directories(folder);
  const auto bitmaps = skinart::TSkinPainter::PaintAll();
  for (const auto& b : bitmaps)
    TWholeFile::Write(folder + "/" + b.fileName, TSkinBitmapFile::Encode(*b.picture.ToBitmap()));
  std::cout << "wrote " << bitmaps.size() << " bitmaps to " << folder << "\n";
  return 0;
}

int Compare(const std::string& folder) {
  int differing = 0;
  for (const auto& b : skinart::TSkinPainter::PaintAll()) {
    const std::string path = folder + "/" + b.fileName;
    std::vector<std::uint8_t> onDisk;
    try {
      onDisk = TWholeFile::Read(path);
    } catch (const ESkinSourceError&) {
      // A missing or unreadable file simply differs from the picture.
    }
    if (onDisk != TSkinBitmapFile::Encode(*b.picture.ToBitmap())) {
      std::cerr << path << " differs from what skinart draws\n";
      ++differing;
    }
  }
  if (differing == 0) std::cout << "all bitmaps are as drawn\n";
  return differing == 0 ? 0 : 1;
}

int Check(const std::string& folder) {
  TSeSkinSource skin(nullptr);
  TSkinFolder::Build(folder, skin);
  std::vector<std::string> problems = TSkinFolder::CheckSources(folder);
  for (std::string& p : skintool::TSkinLinter::Check(skin)) problems.push_back(std::move(p));
  for (std::string& p : skintool::TProgramSkinChecker::Check(skin))
    problems.push_back(std::move(p));
  for (const auto& p : problems) std::cerr << p << "\n";
  if (!problems.empty()) {
    std::cerr << problems.size() << " problem(s) in " << folder << "\n";
    return 1;
  }
  std::cout << folder << ": " << skin.Bitmaps().Count() << " bitmaps, " << skin.Count()
            << " top-level objects, no problems\n";
  return 0;
}

int WriteIcon(const std::string& path) {
  TWholeFile::Write(path, skinart::TIconFile::Encode(skinart::TIconPainter::Images()));
  std::cout << "wrote the program's icon to " << path << "\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
      Usage(std::cout);
      return 0;
    }
    if (argc == 3 && std::string(argv[1]) == "--check") return Check(argv[2]);
    if (argc == 3 && std::string(argv[1]) == "--compare") return Compare(argv[2]);
    if (argc == 3 && std::string(argv[1]) == "--icon") return WriteIcon(argv[2]);
    if (argc == 2 && argv[1][0] != '-') return Write(argv[1]);
    Usage(std::cerr);
    return 1;
  } catch (const std::exception& e) {
    std::cerr << "skinart: " << e.what() << "\n";
    return 1;
  }
}
