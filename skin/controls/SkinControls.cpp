#include "skin/controls/SkinControls.h"

#include "framework/core/TClassRegistry.h"
#include "framework/ui/FrameworkClasses.h"
#include "skin/controls/TSeSkinEdit.h"
#include "skin/controls/TSeSkinMemo.h"
#include "skin/controls/TSeSkinScrollBar.h"
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
}
