#pragma once

#include <windows.h>
#include <functional>
#include <string>
#include "framework/core/Color.h"
#include "framework/core/Cursor.h"
#include "framework/core/TComponent.h"
#include "framework/core/TEnumInfo.h"
#include "framework/core/TEvent.h"
#include "framework/core/TFont.h"
#include "framework/core/TPropertyBuilder.h"
#include "framework/core/TSet.h"
#include "framework/core/TShiftState.h"
#include "framework/core/win/Handles.h"
#include "framework/ui/Messages.h"

class TWinControl;
class TPopupMenu;
class TCustomForm;

class TSizeConstraints : public TPersistent {
  QM_CLASS(TSizeConstraints, TPersistent)
 public:
  std::int32_t MinWidth = 0;
  std::int32_t MinHeight = 0;
  std::int32_t MaxWidth = 0;  // 0: no limit
  std::int32_t MaxHeight = 0;
  static void DeclareProperties(TPropertyBuilder<TSizeConstraints>& p) {
    p.Integer("MaxHeight", &TSizeConstraints::MaxHeight).Default(0);
    p.Integer("MaxWidth", &TSizeConstraints::MaxWidth).Default(0);
    p.Integer("MinHeight", &TSizeConstraints::MinHeight).Default(0);
    p.Integer("MinWidth", &TSizeConstraints::MinWidth).Default(0);
  }
};
