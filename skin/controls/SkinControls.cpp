#include "skin/controls/SkinControls.h"

#include "framework/core/TClassRegistry.h"
#include "framework/ui/FrameworkClasses.h"
#include "skin/controls/TSeSkinEdit.h"
#include "skin/controls/TSeSkinMemo.h"
#include "skin/controls/TSeSkinScrollBar.h"
#include "skin/controls/win/TSeCustomTabSheet.h"
#include "skin/controls/win/TSeSkinPageControl.h"
#include "skin/controls/win/TSeSkinTabControl.h"
#include "skin/controls/TSeCustomCheckBox.h"
#include "skin/controls/TSeCustomGroupBox.h"
#include "skin/controls/TSeCustomLabel.h"
#include "skin/controls/TSeCustomPanel.h"
#include "skin/controls/TSeSkinButton.h"
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
  registry.Register<TSeSkinMemo>();
}
