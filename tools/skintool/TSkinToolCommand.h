#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class TSeSkinSource;

namespace skintool {

// The skin tool's command line: one subcommand and its arguments. Errors are reported on err
// as "skintool: message" with status 1; nothing a user passes ends in a crash.
class TSkinToolCommand {
 public:
  static int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
  static std::string Usage();
  // A skin file by its extension, or a source folder (one holding manifest.txt).
  static void LoadInput(TSeSkinSource& source, const std::string& path);
};

}  // namespace skintool
