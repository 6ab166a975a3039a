#pragma once

#include "skin/controls/win/TSeCustomButton.h"
#include "skin/objects/SkinObjectTypes.h"

// The button drawn from a skin object (default "Button"): its "Face" child in the button's
// state, the caption in the state font of its "Text" child.
class TSeSkinButton : public TSeCustomButton {
  QM_CLASS(TSeSkinButton, TSeCustomButton)

 public:
  explicit TSeSkinButton(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeSkinButton>& p);
  TSeSkinBinding* SkinBinding() override { return &binding_; }

  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool value) { showCaption_ = value; }
  bool ShowGlyph() const { return showGlyph_; }
  void SetShowGlyph(bool value) { showGlyph_ = value; }
  // The skin state the button shows now.
  TSeObjectState SkinState();

 protected:
  void PaintFace() override;
  void PaintGlyph() override;
  void PaintCaption() override;

 private:
  TSeSkinBinding binding_{*this, "Button", &Seam()};
  bool showCaption_ = true;
  bool showGlyph_ = true;
};
