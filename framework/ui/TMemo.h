#pragma once

// The platform's multi-line edit as a component. Lines is a string list bound to the control:
// reading and changing it reads and changes the control's text, line by line (logical lines,
// separated by CR LF; a final CR LF does not start another line).

#include <memory>

#include "framework/core/TStrings.h"
#include "framework/ui/TCustomEdit.h"
#include "framework/ui/TMemoStrings.h"

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
const TEnumInfo& ScrollStyleInfo();

class TMemo;

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
