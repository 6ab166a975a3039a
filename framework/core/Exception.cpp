#include "framework/core/Exception.h"

std::string FormatText(const std::string& pattern, const std::string& argument) {
  std::string out = pattern;
  if (const auto at = out.find("%s"); at != std::string::npos) out.replace(at, 2, argument);
  return out;
}

std::string FormatText(const std::string& pattern, const std::string& first,
                          const std::string& second) {
  std::string out = pattern;
  const auto at = out.find("%s");
  if (at == std::string::npos) return out;
  out.replace(at, 2, first);
  if (const auto next = out.find("%s", at + first.size()); next != std::string::npos)
    out.replace(next, 2, second);
  return out;
}
