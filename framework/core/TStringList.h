#pragma once

#include <string>
#include <vector>

#include "framework/core/TEvent.h"
#include "framework/core/TStrings.h"

// TStrings kept in memory. OnChanging fires before and OnChange after every change (once for
// a whole BeginUpdate/EndUpdate run).
class TStringList : public TStrings {
 public:
  TStringList() = default;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  std::int32_t Count() const override { return static_cast<std::int32_t>(items_.size()); }
  std::u16string Get(std::int32_t index) const override;
  void Put(std::int32_t index, const std::u16string& value) override;
  void Insert(std::int32_t index, const std::u16string& value) override;
  void Delete(std::int32_t index) override;
  void Clear() override;

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  void SetUpdateState(bool updating) override;

 private:
  void Changing();
  void Changed();

  std::vector<std::u16string> items_;
};
