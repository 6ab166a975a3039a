#include "framework/core/TStrings.h"

#include "framework/core/TClassInfo.h"
#include "framework/core/TFiler.h"
#include "framework/core/TReader.h"
#include "framework/core/TWriter.h"

const TClassInfo& TStrings::StaticClassInfo() {
  static const TClassInfo info("TStrings", &TPersistent::StaticClassInfo(), nullptr, nullptr);
  return info;
}

void TStrings::Put(std::int32_t index, const std::u16string& value) {
  BeginUpdate();
  Delete(index);
  Insert(index, value);
  EndUpdate();
}

std::int32_t TStrings::Add(const std::u16string& value) {
  const std::int32_t index = Count();
  Insert(index, value);
  return index;
}

void TStrings::AddStrings(const TStrings& strings) {
  BeginUpdate();
  for (std::int32_t i = 0; i < strings.Count(); ++i) Add(strings.Get(i));
  EndUpdate();
}

std::int32_t TStrings::IndexOf(const std::u16string& value) const {
  for (std::int32_t i = 0; i < Count(); ++i)
    if (Get(i) == value) return i;
  return -1;
}

std::u16string TStrings::Text() const {
  std::u16string out;
  for (std::int32_t i = 0; i < Count(); ++i) {
    out += Get(i);
    out += u"\r\n";
  }
  return out;
}

void TStrings::SetText(std::u16string_view text) {
  BeginUpdate();
  Clear();
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = pos;
    while (end < text.size() && text[end] != u'\r' && text[end] != u'\n') ++end;
    Add(std::u16string(text.substr(pos, end - pos)));
    pos = end;
    if (pos < text.size() && text[pos] == u'\r') ++pos;
    if (pos < text.size() && text[pos] == u'\n') ++pos;
  }
  EndUpdate();
}

void TStrings::BeginUpdate() {
  if (updateCount_++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0) SetUpdateState(false);
}

void TStrings::Assign(const TPersistent* source) {
  if (const TStrings* strings = ObjectAs<TStrings>(source)) {
    if (strings == this) return;
    BeginUpdate();
    Clear();
    AddStrings(*strings);
    EndUpdate();
    return;
  }
  TPersistent::Assign(source);
}

void TStrings::DefineProperties(TFiler& filer) {
  filer.DefineProperty(
      "Strings",
      [this](TReader& reader) {
        BeginUpdate();
        Clear();
        reader.ReadListBegin();
        while (!reader.EndOfList()) Add(reader.ReadWideString());
        reader.ReadListEnd();
        EndUpdate();
      },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        for (std::int32_t i = 0; i < Count(); ++i) writer.WriteWideString(Get(i));
        writer.WriteListEnd();
      },
      Count() > 0);
}
