#pragma once

#include "framework/ui/TCustomEdit.h"

class TEdit : public TCustomEdit {
  QM_CLASS(TEdit, TCustomEdit)

 public:
  explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
  static void DeclareProperties(TPropertyBuilder<TEdit>&) {}
};
