#pragma once

#include <string>

#include "skin/objects/TSeSkinObject.h"

// An area that stands for a linked control; it is visible only as a placeholder.
class TSeLinkSkinObject : public TSeSkinObject {
 public:
  explicit TSeLinkSkinObject(TSeSkinObject* owner) : TSeSkinObject(owner) {}
  const char* ClassName() const override { return "TSeLinkSkinObject"; }

  const std::string& LinkControl() const { return linkControl_; }
  void SetLinkControl(const std::string& value) { linkControl_ = value; }

  void Draw(Canvas& canvas) override;
  void Assign(const TSeSkinObject& source) override;

 private:
  std::string linkControl_;
};
