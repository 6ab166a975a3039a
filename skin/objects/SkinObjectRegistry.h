#pragma once

#include <memory>
#include <string_view>

#include "framework/core/TClassRegistry.h"

class TComponent;
class TSeSkinObject;

// The process-wide list of skin object classes by which streams and copies create objects,
// kept apart from the window definitions' registry.
TClassRegistry& SkinObjectClasses();

// Appends a class; a later class of the same name is never found (the first one wins).
void RegisterSkinObjectClass(const TClassInfo& cls);
// Exact, case-sensitive match; none when the name is unknown.
const TClassInfo* FindSkinObjectClass(std::string_view name);
// A deep copy of source owned by newOwner (a top-level copy, owned by the caller, when newOwner
// is none); none when source's class is not registered.
TSeSkinObject* CloneSkinObject(const TSeSkinObject& source, TComponent* newOwner);
std::unique_ptr<TSeSkinObject> CloneSkinObject(const TSeSkinObject& source);
// Registers the library's classes once; the library's entry points call it so that static
// linking cannot drop the registration.
void RegisterSkinObjectClasses();
