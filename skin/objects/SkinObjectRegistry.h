#pragma once

#include <memory>
#include <string>

class TSeSkinObject;

// The process-wide list of skin object classes by which streams and copies create objects.
using TSeSkinObjectFactory = TSeSkinObject* (*)(TSeSkinObject* owner);

struct TSeSkinObjectClass {
  std::string Name;
  TSeSkinObjectFactory Create = nullptr;
};

// Appends a class; a later class of the same name is never found (the first one wins).
void RegisterSkinObjectClass(const std::string& name, TSeSkinObjectFactory create);
// Exact, case-sensitive match; none when the name is unknown.
const TSeSkinObjectClass* FindSkinObjectClass(const std::string& name);
// A deep copy of source owned by newOwner (a top-level copy, owned by the caller, when newOwner
// is none); none when source's class is not registered.
TSeSkinObject* CloneSkinObject(const TSeSkinObject& source, TSeSkinObject* newOwner);
std::unique_ptr<TSeSkinObject> CloneSkinObject(const TSeSkinObject& source);
// Registers the library's eighteen classes once; the library's entry points call it so that
// static linking cannot drop the registration.
void RegisterSkinObjectClasses();
