#include "framework/core/TStringList.h"

#include "framework/core/Exception.h"
#include "framework/core/TClassInfo.h"

namespace {

[[noreturn]] void IndexError(std::int32_t index) {
  throw EListError(FormatText(FrameworkMessages::SListIndexError, std::to_string(index)));
}

}  // namespace

const TClassInfo& TStringList::StaticClassInfo() {
  static const TClassInfo info("TStringList", &TStrings::StaticClassInfo(), nullptr, nullptr);
  return info;
}

std::u16string TStringList::Get(std::int32_t index) const {
  if (index < 0 || index >= Count()) IndexError(index);
  return items_[static_cast<std::size_t>(index)];
}

void TStringList::Put(std::int32_t index, const std::u16string& value) {
  if (index < 0 || index >= Count()) IndexError(index);
  Changing();
  items_[static_cast<std::size_t>(index)] = value;
  Changed();
}

void TStringList::Insert(std::int32_t index, const std::u16string& value) {
  if (index < 0 || index > Count()) IndexError(index);
  Changing();
  items_.insert(items_.begin() + index, value);
  Changed();
}

void TStringList::Delete(std::int32_t index) {
  if (index < 0 || index >= Count()) IndexError(index);
  Changing();
  items_.erase(items_.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (items_.empty()) return;
  Changing();
  items_.clear();
  Changed();
}

void TStringList::SetUpdateState(bool updating) {
  if (updating) {
    OnChanging(this);
  } else {
    OnChange(this);
  }
}

void TStringList::Changing() {
  if (UpdateCount() == 0) OnChanging(this);
}

void TStringList::Changed() {
  if (UpdateCount() == 0) OnChange(this);
}
