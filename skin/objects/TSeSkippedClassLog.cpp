#include "skin/objects/TSeSkippedClassLog.h"

#include <algorithm>

namespace {
thread_local TSeSkippedClassLog* innermost = nullptr;
}  // namespace

TSeSkippedClassLog::TSeSkippedClassLog(std::vector<std::string>& names)
    : names_(names), outer_(innermost) {
  innermost = this;
}

TSeSkippedClassLog::~TSeSkippedClassLog() {
  innermost = outer_;
}

void TSeSkippedClassLog::Note(const std::string& className) {
  if (innermost == nullptr) return;
  std::vector<std::string>& names = innermost->names_;
  if (std::find(names.begin(), names.end(), className) == names.end()) names.push_back(className);
}
