#include "skin/controls/SkinControls.h"

#include "framework/core/TClassRegistry.h"
#include "framework/ui/FrameworkClasses.h"
#include "skin/controls/win/TSeCustomTabSheet.h"
#include "skin/controls/win/TSeSkinPageControl.h"
#include "skin/controls/win/TSeSkinTabControl.h"
#include "skin/engine/TSeSkinEngine.h"

void RegisterSkinControls() {
  RegisterFrameworkClasses();
  RegisterSkinEngineClass();
  TClassRegistry& registry = TClassRegistry::Global();
  registry.Register<TSeSkinTabControl>();
  registry.Register<TSeSkinPageControl>();
  registry.Register<TSeCustomTabSheet>();
}
