#include "skin/objects/SkinObjectRegistry.h"

#include <vector>

#include "skin/objects/TSeActiveBitmap.h"
#include "skin/objects/TSeActiveBitmapBoxObject.h"
#include "skin/objects/TSeActiveObject.h"
#include "skin/objects/TSeActiveSkinObject.h"
#include "skin/objects/TSeBitmapBoxObject.h"
#include "skin/objects/TSeBitmapObject.h"
#include "skin/objects/TSeBitmapSkinObject.h"
#include "skin/objects/TSeButtonBitmapBoxObject.h"
#include "skin/objects/TSeButtonObject.h"
#include "skin/objects/TSeColorButtonObject.h"
#include "skin/objects/TSeFormBitmapSkinObject.h"
#include "skin/objects/TSeLinkSkinObject.h"
#include "skin/objects/TSeRollPanelObject.h"
#include "skin/objects/TSeSkinObject.h"
#include "skin/objects/TSeSysButtonSkinObject.h"
#include "skin/objects/TSeSystemButton.h"
#include "skin/objects/TSeTextObject.h"

namespace {

// The library's own classes come first, whoever asks for the list first.
TClassRegistry MakeSkinObjectClasses() {
  TClassRegistry classes;
  classes.Register<TSeSkinObject>();
  classes.Register<TSeActiveObject>();
  classes.Register<TSeBitmapObject>();
  classes.Register<TSeActiveBitmap>();
  classes.Register<TSeSystemButton>();
  classes.Register<TSeButtonObject>();
  classes.Register<TSeTextObject>();
  classes.Register<TSeLinkSkinObject>();
  classes.Register<TSeBitmapSkinObject>();
  classes.Register<TSeFormBitmapSkinObject>();
  classes.Register<TSeSysButtonSkinObject>();
  classes.Register<TSeActiveSkinObject>();
  classes.Register<TSeColorButtonObject>();
  classes.Register<TSeBitmapBoxObject>();
  classes.Register<TSeActiveBitmapBoxObject>();
  classes.Register<TSeButtonBitmapBoxObject>();
  classes.Register<TSeRollPanelObject>();
  return classes;
}

}  // namespace

TClassRegistry& SkinObjectClasses() {
  static TClassRegistry classes = MakeSkinObjectClasses();
  return classes;
}

void RegisterSkinObjectClass(const TClassInfo& cls) {
  SkinObjectClasses().Register(cls);
}

const TClassInfo* FindSkinObjectClass(std::string_view name) {
  return SkinObjectClasses().Get(name);
}

TSeSkinObject* CloneSkinObject(const TSeSkinObject& source, TComponent* newOwner) {
  const TClassInfo* cls = FindSkinObjectClass(source.ClassName());
  if (cls == nullptr) return nullptr;
  std::unique_ptr<TComponent> copy(cls->Create(newOwner));
  auto* object = ObjectAs<TSeSkinObject>(copy.get());
  if (object == nullptr) return nullptr;
  object->Assign(&source);
  copy.release();
  return object;
}

std::unique_ptr<TSeSkinObject> CloneSkinObject(const TSeSkinObject& source) {
  return std::unique_ptr<TSeSkinObject>(CloneSkinObject(source, nullptr));
}

void RegisterSkinObjectClasses() {
  SkinObjectClasses();
}
