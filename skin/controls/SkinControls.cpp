#include "skin/controls/SkinControls.h"

#include "framework/core/TClassRegistry.h"
#include "framework/ui/FrameworkClasses.h"
#include "skin/engine/TSeSkinEngine.h"

void RegisterSkinControls() {
  RegisterFrameworkClasses();
  RegisterSkinEngineClass();
  TClassRegistry& registry = TClassRegistry::Global();
  (void)registry;
}
