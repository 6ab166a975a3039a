#pragma once

// The three properties every skinned class publishes, for either base: SkinEngine, SkinObject
// and Version (reads "3.1.5", ignores assignment, never stored).

#include <string>

#include "framework/core/TPropertyBuilder.h"
#include "skin/engine/TSeSkinEngine.h"

template <class C>
void DeclareSkinProperties(TPropertyBuilder<C>& p, const char* defaultObject) {
  p.Reference(
      "SkinEngine", [](const C& c) { return const_cast<C&>(c).SkinEngine(); },
      [](C& c, TSeSkinEngine* engine) { c.SetSkinEngine(engine); });
  p.String(
       "SkinObject", [](const C& c) { return const_cast<C&>(c).SkinBinding()->ObjectName(); },
       [](C& c, const std::string& name) { c.SkinBinding()->SetObjectName(name); })
      .Default(std::string(defaultObject));
  p.String(
       "Version", [](const C&) { return std::string(TSeSkinEngine::kVersion); },
       [](C&, const std::string&) {})
      .Never();
}
