#pragma once

#include <cstdint>

#include "skin/objects/TSeCaptionButton.h"

// What both caption-button classes add to their picture base: the action, the mouse handlers
// and the state, all handed to one TSeCaptionButton, so the two classes differ only in their
// pictures.
template <class Base>
class TSeCaptionButtonObject : public Base {
 public:
  using Base::Base;

  TSeAction Action() const { return caption_.Action(); }
  void SetAction(TSeAction value) { caption_.SetAction(value); }
  TSeButtonState ButtonState() const { return caption_.State(); }
  TSeShiftState LastShift() const { return caption_.LastShift(); }

  void MouseEnter() override { caption_.MouseEnter(); }
  void MouseLeave() override { caption_.MouseLeave(); }
  void MouseDown(TSeMouseButton button, std::int32_t, std::int32_t) override {
    caption_.MouseDown(button);
  }
  void MouseMove(TSeShiftState shift, std::int32_t, std::int32_t) override {
    caption_.MouseMove(shift);
  }
  void MouseUp(TSeMouseButton button, std::int32_t, std::int32_t) override {
    caption_.MouseUp(button);
  }
  void DblClick(TSeMouseButton button, std::int32_t, std::int32_t) override {
    caption_.DblClick(button);
  }

 protected:
  TSeCaptionButton caption_{*this};
};
