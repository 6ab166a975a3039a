#include "tools/convert/ComponentConverter.h"

#include <exception>
#include <string>

#include "framework/core/Exception.h"
#include "framework/core/ObjectText.h"
#include "framework/core/TMemoryStream.h"

namespace {

const char* const kUsage =
    "Usage: compconv to-binary IN.txt OUT.bin\n"
    "       compconv to-text IN.bin OUT.txt\n"
    "\n"
    "Converts a component stream (a window definition, a skin object) between its text form\n"
    "and its binary form. The output is written only when the whole input converted.\n"
    "Exit status: 0 done, 1 bad input or a file that cannot be read or written, 2 bad usage.\n";

TConverterResult UsageError(const std::string& message) {
  return {2, "", "compconv: " + message + "\n" + kUsage};
}

}  // namespace

TConverterResult RunComponentConverter(const std::vector<std::string>& args) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) return {0, kUsage, ""};
  if (args.empty()) return UsageError("missing command");
  const std::string& command = args[0];
  if (command != "to-binary" && command != "to-text")
    return UsageError("unknown command '" + command + "'");
  if (args.size() != 3) return UsageError("'" + command + "' takes an input and an output file");
  const std::string& input = args[1];
  const std::string& output = args[2];

  TMemoryStream converted;
  try {
    TMemoryStream source;
    source.LoadFromFile(input);
    source.SetPosition(0);
    if (command == "to-binary") {
      ObjectTextToBinary(source, converted);
    } else {
      ObjectBinaryToText(source, converted);
    }
  } catch (const Exception& e) {
    return {1, "", "compconv: " + input + ": " + e.Message() + "\n"};
  } catch (const std::exception& e) {
    return {1, "", "compconv: " + input + ": " + e.what() + "\n"};
  }
  try {
    converted.SaveToFile(output);
  } catch (const Exception& e) {
    return {1, "", "compconv: " + e.Message() + "\n"};
  }
  return {0, "", ""};
}
