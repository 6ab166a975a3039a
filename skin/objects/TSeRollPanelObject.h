#pragma once

#include "skin/objects/TSeSkinObject.h"

// A panel that a roll-panel caption button rolls in to RollValue and out to its former size.
class TSeRollPanelObject : public TSeSkinObject {
  QM_CLASS(TSeRollPanelObject, TSeSkinObject)

 public:
  explicit TSeRollPanelObject(TComponent* owner) : TSeSkinObject(owner) {}
  static void DeclareProperties(TPropertyBuilder<TSeRollPanelObject>& p);

  TSeRollKind RollKind() const { return rollKind_; }
  void SetRollKind(TSeRollKind value) { rollKind_ = value; }
  std::int32_t RollValue() const { return rollValue_; }
  void SetRollValue(std::int32_t value) { rollValue_ = value; }
  std::int32_t ExpandedSize() const { return expandedSize_; }

  void Toggle();
  void Assign(const TPersistent* source) override;

 private:
  TSeRollKind rollKind_ = TSeRollKind::rkLeft;
  std::int32_t rollValue_ = 0;
  std::int32_t expandedSize_ = 0;
};
