#pragma once

#include <memory>
#include <string>
#include <vector>

class TSeSkinFilter;

// A filter class: what creates it, and what it tells before one exists.
struct TSeSkinFilterClass {
  std::string ClassName;
  std::string Extension;
  std::string Description;
  std::unique_ptr<TSeSkinFilter> (*Create)();
};

// The registered filters in order: uncompressed, compressed, ultra compressed, maximum.
const std::vector<TSeSkinFilterClass>& SkinFilters();
// TSeSkinFilterCompressed.
const TSeSkinFilterClass& DefaultSkinFilter();
// The first filter whose extension, with a leading dot, equals the given one (compared in lower
// case); none when none does.
const TSeSkinFilterClass* FindSkinFilterByExtension(const std::string& dottedExtension);
