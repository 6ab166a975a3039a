#include "skin/controls/win/TSeSkinPageControl.h"

TSeSkinPageControl::TSeSkinPageControl(TComponent* owner) : TSeSkinTabControl(owner) {
  SetUsePages(true);
}

void TSeSkinPageControl::DeclareProperties(TPropertyBuilder<TSeSkinPageControl>&) {}
