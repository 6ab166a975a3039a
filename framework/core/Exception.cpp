#include "framework/core/Exception.h"

std::string FormatMessage(const std::string& pattern, const std::string& argument) {
  std::string out = pattern;
  if (const auto at = out.find("%s"); at != std::string::npos) out.replace(at, 2, argument);
  return out;
}
