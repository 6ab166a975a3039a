#pragma once

#include "skin/objects/TSeSkinObject.h"

// A colour-only button: a fill colour and font per state (the grid's cells).
class TSeColorButtonObject : public TSeSkinObject {
 public:
  explicit TSeColorButtonObject(TSeSkinObject* owner) : TSeSkinObject(owner) {}
  const char* ClassName() const override { return "TSeColorButtonObject"; }

  struct StateLook {
    Color FillColor = clBlack;
    Font TextFont;
  };
  StateLook& Hot() { return hot_; }
  StateLook& Pressed() { return pressed_; }
  StateLook& Focused() { return focused_; }
  StateLook& Disabled() { return disabled_; }

  void Draw(Canvas& canvas) override;
  void Assign(const TSeSkinObject& source) override;

 private:
  StateLook hot_;
  StateLook pressed_;
  StateLook focused_;
  StateLook disabled_;
};
