#include "skin/controls/win/SkinControls.h"

#include "framework/core/TClassRegistry.h"
#include "framework/ui/FrameworkClasses.h"
#include "skin/controls/win/TSeCustomCheckBox.h"
#include "skin/controls/win/TSeCustomGroupBox.h"
#include "skin/controls/win/TSeCustomLabel.h"
#include "skin/controls/win/TSeCustomPanel.h"
#include "skin/controls/win/TSeSkinButton.h"
#include "skin/controls/win/TSeSkinEdit.h"
#include "skin/controls/win/TSeSkinMemo.h"
#include "skin/controls/win/TSeSkinScrollBar.h"
#include "skin/controls/win/TSeCustomTabSheet.h"
#include "skin/controls/win/TSeSkinPageControl.h"
#include "skin/controls/win/TSeSkinTabControl.h"
#include "skin/engine/TSeSkinEngine.h"

void RegisterSkinControls() {
  RegisterFrameworkClasses();
  RegisterSkinEngineClass();
  TClassRegistry& registry = TClassRegistry::Global();
  registry.Register<TSeSkinEdit>();
  registry.Register<TSeSkinScrollBar>();
  registry.Register<TSeSkinTabControl>();
  registry.Register<TSeSkinPageControl>();
  registry.Register<TSeCustomTabSheet>();
  registry.Register<TSeSkinMemo>();
  registry.Register<TSeCustomButton>();
  registry.Register<TSeSkinButton>();
  registry.Register<TSeCustomLabel>();
  registry.Register<TSeSkinLabel>();
  registry.Register<TSeCustomPanel>();
  registry.Register<TSeSkinPanel>();
  registry.Register<TSeCustomCheckBox>();
  registry.Register<TSeSkinCheckBox>();
  registry.Register<TSeCustomGroupBox>();
  registry.Register<TSeSkinGroupBox>();
}
