#include "skin/objects/TSeBitmapList.h"

namespace {

std::string AsciiLower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

}  // namespace

TSeBitmap* TSeBitmapList::Add(std::unique_ptr<TSeBitmap> bitmap) {
  items_.push_back(std::move(bitmap));
  return items_.back().get();
}

TSeBitmap* TSeBitmapList::Bitmaps(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return items_[static_cast<std::size_t>(index)].get();
}

std::unique_ptr<TSeBitmapLink> TSeBitmapList::GetLink(const std::string& name,
                                                      const TRect& rect) const {
  const std::string wanted = AsciiLower(name);
  TSeBitmap* found = nullptr;
  for (const auto& bitmap : items_)
    if (AsciiLower(bitmap->Name) == wanted) found = bitmap.get();
  return found ? found->CreateLink(rect) : nullptr;
}
