#pragma once

#include <string>

#include "skin/objects/TSeSkinObject.h"

// An area that stands for a linked control; it is visible only as a placeholder.
class TSeLinkSkinObject : public TSeSkinObject {
  QM_CLASS(TSeLinkSkinObject, TSeSkinObject)

 public:
  explicit TSeLinkSkinObject(TComponent* owner) : TSeSkinObject(owner) {}
  static void DeclareProperties(TPropertyBuilder<TSeLinkSkinObject>& p);

  const std::string& LinkControl() const { return linkControl_; }
  void SetLinkControl(const std::string& value) { linkControl_ = value; }

  void Draw(TSeCanvas& canvas) override;
  void Assign(const TPersistent* source) override;

 private:
  std::string linkControl_;
};
