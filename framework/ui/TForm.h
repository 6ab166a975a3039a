#pragma once

#include "framework/ui/TCustomForm.h"

// The form class the designer derives from.
class TForm : public TCustomForm {
  QM_CLASS(TForm, TCustomForm)

 public:
  explicit TForm(TComponent* owner) : TCustomForm(owner) {}
  static void DeclareProperties(TPropertyBuilder<TForm>&) {}
};
