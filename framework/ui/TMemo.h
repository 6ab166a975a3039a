#pragma once

// The platform's multi-line edit as a component. Lines is a string list bound to the control:
// reading and changing it reads and changes the control's text, line by line (logical lines,
// separated by CR LF; a final CR LF does not start another line).

#include <memory>

#include "framework/core/Strings.h"
#include "framework/ui/TCustomEdit.h"

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
const TEnumInfo& ScrollStyleInfo();

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

class TMemo : public TCustomEdit {
  QM_CLASS(TMemo, TCustomEdit)

 public:
  explicit TMemo(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TMemo>& p);

  TStrings& Lines() { return *lines_; }
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool value) { wantReturns_ = value; }
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool value) { wantTabs_ = value; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void DefaultHandler(TMessage& message) override;

 private:
  friend class TMemoStrings;
  std::unique_ptr<TMemoStrings> lines_;
  TScrollStyle scrollBars_ = ssNone;
  bool wordWrap_ = true;
  bool wantReturns_ = true;
  bool wantTabs_ = false;
};
