#pragma once

#include "framework/core/TObject.h"

class TFiler;

// An object with published properties that can be copied from another (Assign) and streamed.
// Assign asks the source to copy itself into this object (AssignTo) when this class does not
// know the source's class; when neither side knows the other it raises EConvertError
// "Cannot assign a %s to a %s" (source class, or "nil", then this class).
class TPersistent : public TObject {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  virtual void Assign(const TPersistent* source);

  // Extra properties that the published table cannot describe (binary blocks, lists), read and
  // written through the filer's DefineProperty/DefineBinaryProperty, after the published ones.
  virtual void DefineProperties(TFiler& filer);

 protected:
  virtual void AssignTo(TPersistent* dest) const;
  [[noreturn]] void AssignError(const TPersistent* source) const;
};
