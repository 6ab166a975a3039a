#pragma once

#include <string>
#include <vector>

// compconv's command line: converts a component stream between its binary and text forms,
// file to file. The output file is written only when the whole input converted.
struct TConverterResult {
  int ExitCode = 0;
  std::string Out;
  std::string Err;
};

// Exit codes: 0 converted (or --help), 1 the input could not be read or converted or the
// output not written, 2 a usage error. Arguments and file names are UTF-8.
TConverterResult RunComponentConverter(const std::vector<std::string>& args);
