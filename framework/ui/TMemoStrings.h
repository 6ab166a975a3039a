#pragma once

#include <memory>
#include "framework/core/TStrings.h"
#include "framework/ui/TCustomEdit.h"

class TMemo;

class TMemoStrings : public TStrings {
 public:
  explicit TMemoStrings(TMemo& memo) : memo_(memo) {}
  std::int32_t Count() const override;
  std::u16string Get(std::int32_t index) const override;
  void Put(std::int32_t index, const std::u16string& value) override;
  void Insert(std::int32_t index, const std::u16string& value) override;
  void Delete(std::int32_t index) override;
  void Clear() override;

 private:
  // Start of each line in the text, plus the end of the last one.
  struct Layout {
    std::wstring text;
    std::vector<std::size_t> starts;  // offset of each line
    std::vector<std::size_t> ends;    // offset just past each line's characters
  };
  Layout Scan() const;
  void Replace(std::size_t start, std::size_t end, const std::wstring& with);
  void CheckIndex(std::int32_t index, std::int32_t limit) const;

  TMemo& memo_;
};
