#pragma once

#include <string>
#include <vector>

// Collects the class names of object records that were passed over because no class of that
// name is registered (a skin made for a later library), each name once, in stream order. Child
// records are read deep inside the component reader, out of reach of the skin's reader, so a
// log is found through the thread while it lives; logs nest, the innermost one collects.
class TSeSkippedClassLog {
 public:
  explicit TSeSkippedClassLog(std::vector<std::string>& names);
  ~TSeSkippedClassLog();
  TSeSkippedClassLog(const TSeSkippedClassLog&) = delete;
  TSeSkippedClassLog& operator=(const TSeSkippedClassLog&) = delete;

  // Adds the name to the innermost log of this thread; nothing without one.
  static void Note(const std::string& className);

 private:
  std::vector<std::string>& names_;
  TSeSkippedClassLog* outer_;
};
