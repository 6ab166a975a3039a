#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/core/TPersistent.h"

// A list of wide strings, abstract over its storage (a plain list, a memo's lines). Streamed as
// the defined property "Strings": a list of strings, written when the list is not empty
// ("Lines.Strings = ( ... )"). Indices outside the list raise EListError
// ("List index out of bounds (%d)").
class TStrings : public TPersistent {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  virtual std::int32_t Count() const = 0;
  virtual std::u16string Get(std::int32_t index) const = 0;
  virtual void Put(std::int32_t index, const std::u16string& value);
  virtual void Insert(std::int32_t index, const std::u16string& value) = 0;
  virtual void Delete(std::int32_t index) = 0;
  virtual void Clear() = 0;

  std::u16string operator[](std::int32_t index) const { return Get(index); }
  // Appends and returns the new index.
  virtual std::int32_t Add(const std::u16string& value);
  void AddStrings(const TStrings& strings);
  // The first index whose string equals value, or -1.
  virtual std::int32_t IndexOf(const std::u16string& value) const;
  // The strings, each followed by CR LF.
  std::u16string Text() const;
  // Replaces the strings by the lines of text (ended by CR LF, LF or CR).
  void SetText(std::u16string_view text);

  // Changes between BeginUpdate and the matching EndUpdate are announced once.
  void BeginUpdate();
  void EndUpdate();
  std::int32_t UpdateCount() const { return updateCount_; }

  void Assign(const TPersistent* source) override;
  void DefineProperties(TFiler& filer) override;

 protected:
  // Told when the first BeginUpdate starts (true) and the last EndUpdate ends (false).
  virtual void SetUpdateState(bool updating) { (void)updating; }

 private:
  std::int32_t updateCount_ = 0;
};
