#pragma once

// A container with raised or lowered bevels and a centred caption.

#include "framework/ui/TCustomControl.h"
#include "framework/ui/TLabel.h"

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
const TEnumInfo& BevelCutInfo();

class TPanel : public TCustomControl {
  QM_CLASS(TPanel, TCustomControl)

 public:
  explicit TPanel(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TPanel>& p);

  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut value);
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut value);
  std::int32_t BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(std::int32_t value);
  std::int32_t BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(std::int32_t value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  void AdjustClientRect(RECT& rect) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;

 private:
  TBevelCut bevelInner_ = bvNone;
  TBevelCut bevelOuter_ = bvRaised;
  std::int32_t bevelWidth_ = 1;
  std::int32_t borderWidth_ = 0;
  TAlignment alignment_ = taCenter;
};
