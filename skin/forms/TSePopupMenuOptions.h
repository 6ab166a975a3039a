#pragma once

#include "skin/forms/TSeFormOptions.h"

// The options applied to the system and tray menus before they pop up; the same values as a
// window's, under the name the menus stream them by.
class TSePopupMenuOptions : public TSeFormOptions {
  QM_CLASS(TSePopupMenuOptions, TSeFormOptions)

 public:
  static void DeclareProperties(TPropertyBuilder<TSePopupMenuOptions>&) {}
};
