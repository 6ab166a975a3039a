// compconv: converts component streams between their text and binary forms.
#include <cstdio>
#include <string>
#include <vector>

#include "framework/core/UnicodeText.h"
#include "tools/convert/ComponentConverter.h"

namespace {

int Finish(const TConverterResult& result) {
  std::fwrite(result.Out.data(), 1, result.Out.size(), stdout);
  std::fwrite(result.Err.data(), 1, result.Err.size(), stderr);
  return std::fflush(stdout) == 0 ? result.ExitCode : 1;
}

}  // namespace

#ifdef _WIN32
// Wide arguments, so that file names outside the ANSI code page survive.
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    const std::wstring arg(argv[i]);
    args.push_back(UnicodeText::ToUtf8(std::u16string(arg.begin(), arg.end())));
  }
  return Finish(RunComponentConverter(args));
}
#else
int main(int argc, char** argv) {
  return Finish(RunComponentConverter({argv + 1, argv + argc}));
}
#endif
