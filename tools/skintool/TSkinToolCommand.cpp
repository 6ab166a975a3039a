#include "tools/skintool/TSkinToolCommand.h"

#include <charconv>
#include <filesystem>
#include <ostream>

#include "skin/store/TSeSkinSource.h"
#include "tools/skinsource/TSkinFolder.h"
#include "tools/skinsource/TWholeFile.h"
#include "tools/skintool/ESkinToolError.h"
#include "tools/skintool/SkinHue.h"
#include "tools/skintool/TSkinFiles.h"
#include "tools/skintool/TSkinLinter.h"
#include "tools/skintool/TSkinReport.h"
#ifdef QM_SKINTOOL_RENDER
#include "tools/skintool/TSkinRenderer.h"
#endif

namespace skintool {

namespace {

using Args = std::vector<std::string>;

void Expect(const Args& args, std::size_t least, std::size_t most) {
  const std::size_t given = args.size() - 1;
  if (given < least || given > most)
    throw ESkinToolError(args[0] + ": wrong number of arguments (see skintool --help)");
}

int ParseInt(const std::string& text, const std::string& what) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end)
    throw ESkinToolError(what + " must be a whole number, not \"" + text + "\"");
  return value;
}

int Info(const Args& args, std::ostream& out) {
  Expect(args, 1, 1);
  TSeSkinSource source(nullptr);
  TSkinToolCommand::LoadInput(source, args[1]);
  out << TSkinReport::Info(source);
  return 0;
}

int Tree(const Args& args, std::ostream& out) {
  Expect(args, 1, 2);
  TSeSkinSource source(nullptr);
  TSkinToolCommand::LoadInput(source, args[1]);
  out << TSkinReport::Tree(source, args.size() > 2 ? args[2] : std::string());
  return 0;
}

int Check(const Args& args, std::ostream& out) {
  Expect(args, 1, 1);
  TSeSkinSource source(nullptr);
  TSkinToolCommand::LoadInput(source, args[1]);
  // Objects of classes this library lacks (a skin for a later one) were passed over: the rest
  // works here, so they warn; a part that the controls need and lose that way is a problem.
  const std::vector<std::string>& skipped = source.SkippedClasses();
  for (const std::string& cls : skipped)
    out << cls << ": warning: class unknown to this library; its objects were skipped\n";
  const std::string warnings =
      skipped.empty() ? ""
                      : ", " + std::to_string(skipped.size()) +
                            (skipped.size() == 1 ? " skipped class" : " skipped classes");
  const std::vector<std::string> problems = TSkinLinter::Check(source);
  for (const std::string& problem : problems) out << problem << "\n";
  if (problems.empty()) {
    out << args[1] << ": no problems" << warnings << "\n";
    return 0;
  }
  out << args[1] << ": " << problems.size() << (problems.size() == 1 ? " problem" : " problems")
      << warnings << "\n";
  return 1;
}

int Convert(const Args& args, std::ostream& out) {
  Expect(args, 2, 2);
  if (!TSkinFiles::IsSkinFile(args[2]))
    throw ESkinToolError(args[2] + ": not a skin file name (.uskn, .cskn, .xskn or .mskn)");
  TSeSkinSource source(nullptr);
  TSkinToolCommand::LoadInput(source, args[1]);
  TSkinFiles::SaveSkin(source, args[2]);
  out << "wrote " << args[2] << "\n";
  return 0;
}

int Extract(const Args& args, std::ostream& out) {
  Expect(args, 2, 2);
  TSeSkinSource source(nullptr);
  TSkinToolCommand::LoadInput(source, args[1]);
  skinsource::TSkinFolder::Extract(source, args[2]);
  out << "extracted " << source.Bitmaps().Count() << " bitmaps and " << source.Count()
      << " objects into " << args[2] << "\n";
  return 0;
}

// build FOLDER OUTPUT [--stream FILE]
int Build(const Args& args, std::ostream& out) {
  Expect(args, 2, 4);
  std::string streamFile;
  if (args.size() == 5) {
    if (args[3] != "--stream") throw ESkinToolError("build: unknown option " + args[3]);
    streamFile = args[4];
  } else if (args.size() != 3) {
    throw ESkinToolError("build: wrong number of arguments (see skintool --help)");
  }
  if (!TSkinFiles::IsSkinFile(args[2]))
    throw ESkinToolError(args[2] + ": not a skin file name (.uskn, .cskn, .xskn or .mskn)");
  TSeSkinSource source(nullptr);
  skinsource::TSkinFolder::Build(args[1], source);
  TSkinFiles::SaveSkin(source, args[2]);
  if (!streamFile.empty())
    skinsource::TWholeFile::Write(streamFile, TSkinFiles::SkinStreamBytes(source));
  out << "built " << args[2] << "\n";
  return 0;
}

int Hue(const Args& args, std::ostream& out) {
  Expect(args, 3, 3);
  // One turn of the colour circle is 255 steps; the engine wraps a hue only once each way.
  const int delta = ParseInt(args[2], "the hue shift");
  if (delta < -255 || delta > 255) throw ESkinToolError("the hue shift must be -255 to 255");
  if (!TSkinFiles::IsSkinFile(args[3]))
    throw ESkinToolError(args[3] + ": not a skin file name (.uskn, .cskn, .xskn or .mskn)");
  TSeSkinSource source(nullptr);
  TSkinToolCommand::LoadInput(source, args[1]);
  ApplyHue(source, delta);
  TSkinFiles::SaveSkin(source, args[3]);
  out << "wrote " << args[3] << "\n";
  return 0;
}

#ifdef QM_SKINTOOL_RENDER
// render SKIN OBJECT WIDTH HEIGHT STATE [--inactive] OUTPUT.bmp
int Render(const Args& args, std::ostream& out) {
  Expect(args, 6, 7);
  const bool inactive = args.size() == 8;
  if (inactive && args[6] != "--inactive")
    throw ESkinToolError("render: unknown option " + args[6]);
  TSeSkinSource source(nullptr);
  TSkinToolCommand::LoadInput(source, args[1]);
  const int width = ParseInt(args[3], "the width");
  const int height = ParseInt(args[4], "the height");
  TSkinRenderer::RenderToFile(source, args[2], width, height, TSkinRenderer::ParseState(args[5]),
                              !inactive, args.back());
  out << "wrote " << args.back() << "\n";
  return 0;
}

int Sheet(const Args& args, std::ostream& out) {
  Expect(args, 2, 2);
  TSeSkinSource source(nullptr);
  TSkinToolCommand::LoadInput(source, args[1]);
  TSkinRenderer::SheetToFile(source, args[2]);
  out << "wrote " << args[2] << "\n";
  return 0;
}
#endif

}  // namespace

std::string TSkinToolCommand::Usage() {
  std::string usage =
      "usage: skintool <command> <arguments>\n"
      "\n"
      "A SKIN is a skin file (.uskn uncompressed, .cskn compressed, .xskn ultra compressed,\n"
      ".mskn packed with 16-bit colour) or a source folder holding manifest.txt, bitmaps/\n"
      "and objects/.\n"
      "\n"
      "  info SKIN                  header strings, counts of bitmaps, objects and classes\n"
      "  tree SKIN [OBJECT]         the objects as text, children nested\n"
      "  check SKIN                 report broken links, rectangles, margins, stored layouts,\n"
      "                             names and missing parts; status 1 when there are problems\n"
      "  convert SKIN OUTPUT        write the skin through the filter OUTPUT's extension names\n"
      "  extract SKIN FOLDER        write the skin as sources: manifest, .bmp and .txt files\n"
      "  build FOLDER OUTPUT [--stream FILE]\n"
      "                             compile sources into a skin file; --stream also writes the\n"
      "                             bytes a window definition stores as \"SkinStream\"\n"
      "  hue SKIN DELTA OUTPUT      shift the hue as the engine does (DELTA -255 to 255) and "
      "save\n";
#ifdef QM_SKINTOOL_RENDER
  usage +=
      "  render SKIN OBJECT WIDTH HEIGHT STATE [--inactive] OUTPUT.bmp\n"
      "                             draw one top-level object; STATE is normal, hot, pressed,\n"
      "                             focused, disabled, maximized, minimized or rolledup\n"
      "  sheet SKIN OUTPUT.bmp      every top-level object in every state on one picture\n";
#endif
  usage += "  --help                     this text\n";
  return usage;
}

void TSkinToolCommand::LoadInput(TSeSkinSource& source, const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) {
    skinsource::TSkinFolder::Build(path, source);
    return;
  }
  TSkinFiles::LoadSkin(source, path);
}

int TSkinToolCommand::Run(const std::vector<std::string>& args, std::ostream& out,
                          std::ostream& err) {
  if (args.empty()) {
    err << Usage();
    return 1;
  }
  const std::string& command = args[0];
  if (command == "--help" || command == "-h" || command == "help") {
    out << Usage();
    return 0;
  }
  try {
    if (command == "info") return Info(args, out);
    if (command == "tree") return Tree(args, out);
    if (command == "check") return Check(args, out);
    if (command == "convert") return Convert(args, out);
    if (command == "extract") return Extract(args, out);
    if (command == "build") return Build(args, out);
    if (command == "hue") return Hue(args, out);
#ifdef QM_SKINTOOL_RENDER
    if (command == "render") return Render(args, out);
    if (command == "sheet") return Sheet(args, out);
#endif
    err << "skintool: unknown command \"" << command << "\" (see skintool --help)\n";
    return 1;
  } catch (const Exception& e) {
    err << "skintool: " << e.Message() << "\n";
  } catch (const std::bad_alloc&) {
    err << "skintool: out of memory\n";
  } catch (const std::exception& e) {
    err << "skintool: " << e.what() << "\n";
  }
  return 1;
}

}  // namespace skintool
