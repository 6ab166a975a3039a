// skintool: inspects, checks, converts, extracts, builds and hue-shifts skins.
#include <iostream>
#include <string>
#include <vector>

#include "tools/skintool/TSkinToolCommand.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
  // The object texts carry their own CR LF.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  const std::vector<std::string> args(argv + 1, argv + argc);
  const int status = skintool::TSkinToolCommand::Run(args, std::cout, std::cerr);
  std::cout.flush();
  return std::cout.fail() ? 1 : status;
}
