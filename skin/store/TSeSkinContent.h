#pragma once

#include <memory>
#include <string>
#include <vector>

#include "skin/objects/TSeBitmapList.h"
#include "skin/objects/TSeSkinObject.h"

// Everything one skin holds. A read fills a fresh one and the source takes it over only when
// the whole read succeeded, so a failed load leaves the source as it was.
struct TSeSkinContent {
  std::string SkinName;
  std::string SkinVersion;
  std::string Author;
  std::string AuthorEMail;
  std::string AuthorURL;
  // Declared before the objects so that the objects, which refer to the bitmaps, go first.
  TSeBitmapList Bitmaps;
  std::vector<std::unique_ptr<TSeSkinObject>> Objects;
  // Classes of object records, top-level or children, that were passed over because no class
  // of that name is registered, each once, in stream order.
  std::vector<std::string> SkippedClasses;
};
