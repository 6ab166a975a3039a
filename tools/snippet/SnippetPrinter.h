#pragma once

#include <string>
#include <vector>

class TAnsiCodePage;

// The command-line snippet printer: parses the options, generates the snippet and renders it
// as the bytes to print. Kept apart from main() so that it runs the same in tests.
struct TSnippetPrinterResult {
  int ExitCode = 0;
  std::string Out;  // bytes for standard output
  std::string Err;  // bytes for standard error (UTF-8)
};

// args excludes the program name; lineEnd is what ends each printed line.
TSnippetPrinterResult RunSnippetPrinter(const std::vector<std::u16string>& args,
                                        const TAnsiCodePage& codePage,
                                        const std::string& lineEnd);
