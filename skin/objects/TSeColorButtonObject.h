#pragma once

#include "skin/objects/TSeSkinObject.h"

// A colour-only button: a fill colour and font per state (the grid's cells).
class TSeColorButtonObject : public TSeSkinObject {
  QM_CLASS(TSeColorButtonObject, TSeSkinObject)

 public:
  explicit TSeColorButtonObject(TComponent* owner) : TSeSkinObject(owner) {}
  static void DeclareProperties(TPropertyBuilder<TSeColorButtonObject>& p);

  struct StateLook {
    TColor FillColor = clBlack;
    TFont TextFont;
    void Assign(const StateLook& other) {
      FillColor = other.FillColor;
      TextFont.Assign(&other.TextFont);
    }
  };
  StateLook& Hot() { return hot_; }
  StateLook& Pressed() { return pressed_; }
  StateLook& Focused() { return focused_; }
  StateLook& Disabled() { return disabled_; }

  void Draw(TSeCanvas& canvas) override;
  void Assign(const TPersistent* source) override;

 private:
  StateLook hot_;
  StateLook pressed_;
  StateLook focused_;
  StateLook disabled_;
};
