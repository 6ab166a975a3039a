#pragma once

#include <functional>

#include "framework/core/TPropertyBuilder.h"
#include "skin/forms/TSeAnimation.h"
#include "skin/forms/TSeBlending.h"
#include "skin/forms/TSeShadow.h"

// The look options of a window or menu as one value: blending, shadow and show animation,
// owned here. Assigning one of them copies it and tells the holder.
class TSeFormOptions : public TPersistent {
  QM_CLASS(TSeFormOptions, TPersistent)

 public:
  static void DeclareProperties(TPropertyBuilder<TSeFormOptions>& p);
  void Assign(const TPersistent* source) override;

  const TSeBlending& Blending() const { return blending_; }
  void SetBlending(const TSeBlending& value);
  const TSeShadow& Shadow() const { return shadow_; }
  void SetShadow(const TSeShadow& value);
  const TSeAnimation& Animation() const { return animation_; }
  void SetAnimation(const TSeAnimation& value);
  void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

 private:
  void Changed() const;

  TSeBlending blending_;
  TSeShadow shadow_;
  TSeAnimation animation_;
  std::function<void()> onChange_;
};
