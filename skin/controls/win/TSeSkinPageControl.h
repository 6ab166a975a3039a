#pragma once

// The skinned tab control in page mode: each tab shows a TSeCustomTabSheet.

#include "skin/controls/win/TSeSkinTabControl.h"

class TSeSkinPageControl : public TSeSkinTabControl {
  QM_CLASS(TSeSkinPageControl, TSeSkinTabControl)

 public:
  explicit TSeSkinPageControl(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeSkinPageControl>& p);
};
