#include "framework/ui/FrameworkClasses.h"

#include "framework/core/TClassRegistry.h"
#include "framework/ui/TButton.h"
#include "framework/ui/TCustomEdit.h"
#include "framework/ui/TCustomForm.h"
#include "framework/ui/TEdit.h"
#include "framework/ui/TForm.h"
#include "framework/ui/TImageList.h"
#include "framework/ui/TLabel.h"
#include "framework/ui/TMemo.h"
#include "framework/ui/TPageControl.h"
#include "framework/ui/TPanel.h"
#include "framework/ui/TPopupMenu.h"
#include "framework/ui/TSaveDialog.h"
#include "framework/ui/TTimer.h"
#include "framework/ui/TWebBrowser.h"

void RegisterFrameworkClasses() {
  TClassRegistry& registry = TClassRegistry::Global();
  registry.Register<TForm>();
  registry.Register<TButton>();
  registry.Register<TEdit>();
  registry.Register<TMemo>();
  registry.Register<TLabel>();
  registry.Register<TPanel>();
  registry.Register<TPageControl>();
  registry.Register<TTabSheet>();
  registry.Register<TTimer>();
  registry.Register<TSaveDialog>();
  registry.Register<TPopupMenu>();
  registry.Register<TMenuItem>();
  registry.Register<TImageList>();
  registry.Register<TWebBrowser>();
}
