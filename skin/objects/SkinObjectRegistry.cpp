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

// Created on first use, so registration works whatever the order of static initialisation.
std::vector<TSeSkinObjectClass>& Classes() {
  static std::vector<TSeSkinObjectClass> classes;
  return classes;
}

template <class T>
TSeSkinObject* Create(TSeSkinObject* owner) {
  return new T(owner);
}

}  // namespace

void RegisterSkinObjectClass(const std::string& name, TSeSkinObjectFactory create) {
  RegisterSkinObjectClasses();
  Classes().push_back(TSeSkinObjectClass{name, create});
}

const TSeSkinObjectClass* FindSkinObjectClass(const std::string& name) {
  RegisterSkinObjectClasses();
  for (const TSeSkinObjectClass& cls : Classes()) {
    if (cls.Name == name) return &cls;
  }
  return nullptr;
}

TSeSkinObject* CloneSkinObject(const TSeSkinObject& source, TSeSkinObject* newOwner) {
  const TSeSkinObjectClass* cls = FindSkinObjectClass(source.ClassName());
  if (cls == nullptr) return nullptr;
  std::unique_ptr<TSeSkinObject> copy(cls->Create(newOwner));
  copy->Assign(source);
  return copy.release();
}

std::unique_ptr<TSeSkinObject> CloneSkinObject(const TSeSkinObject& source) {
  return std::unique_ptr<TSeSkinObject>(CloneSkinObject(source, nullptr));
}

void RegisterSkinObjectClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterSkinObjectClass("TSeSkinObject", &Create<TSeSkinObject>);
  RegisterSkinObjectClass("TSeActiveObject", &Create<TSeActiveObject>);
  RegisterSkinObjectClass("TSeBitmapObject", &Create<TSeBitmapObject>);
  RegisterSkinObjectClass("TSeActiveBitmap", &Create<TSeActiveBitmap>);
  RegisterSkinObjectClass("TSeSystemButton", &Create<TSeSystemButton>);
  RegisterSkinObjectClass("TSeButtonObject", &Create<TSeButtonObject>);
  RegisterSkinObjectClass("TSeTextObject", &Create<TSeTextObject>);
  RegisterSkinObjectClass("TSeLinkSkinObject", &Create<TSeLinkSkinObject>);
  RegisterSkinObjectClass("TSeBitmapSkinObject", &Create<TSeBitmapSkinObject>);
  RegisterSkinObjectClass("TSeFormBitmapSkinObject", &Create<TSeFormBitmapSkinObject>);
  RegisterSkinObjectClass("TSeSysButtonSkinObject", &Create<TSeSysButtonSkinObject>);
  RegisterSkinObjectClass("TSeActiveSkinObject", &Create<TSeActiveSkinObject>);
  RegisterSkinObjectClass("TSeColorButtonObject", &Create<TSeColorButtonObject>);
  RegisterSkinObjectClass("TSeBitmapBoxObject", &Create<TSeBitmapBoxObject>);
  RegisterSkinObjectClass("TSeActiveBitmapBoxObject", &Create<TSeActiveBitmapBoxObject>);
  RegisterSkinObjectClass("TSeButtonBitmapBoxObject", &Create<TSeButtonBitmapBoxObject>);
  RegisterSkinObjectClass("TSeRollPanelObject", &Create<TSeRollPanelObject>);
}
