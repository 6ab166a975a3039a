// snippet: prints a Quillmar payment-button snippet for scripts.
#include <cstdio>
#include <string>
#include <vector>

#include "framework/core/TAnsiCodePage.h"
#include "framework/core/UnicodeText.h"
#include "tools/snippet/SnippetPrinter.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

int Finish(const TSnippetPrinterResult& result) {
  std::fwrite(result.Out.data(), 1, result.Out.size(), stdout);
  std::fwrite(result.Err.data(), 1, result.Err.size(), stderr);
  return std::fflush(stdout) == 0 ? result.ExitCode : 1;
}

}  // namespace

#ifdef _WIN32
// Wide arguments, so that a typed value reaches the generator without a lossy trip through the
// ANSI code page; the lines are written in binary mode with the platform's CR LF.
int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) {
    std::wstring arg(argv[i]);
    args.emplace_back(arg.begin(), arg.end());
  }
  return Finish(RunSnippetPrinter(args, TAnsiCodePage::System(), "\r\n"));
}
#else
int main(int argc, char** argv) {
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) {
    auto arg = UnicodeText::FromUtf8(argv[i]);
    if (!arg) {
      std::fprintf(stderr, "snippet: argument %d is not valid UTF-8\n", i);
      return 2;
    }
    args.push_back(*arg);
  }
  return Finish(RunSnippetPrinter(args, TAnsiCodePage::System(), "\n"));
}
#endif
