#include "skin/objects/TSeLinkSkinObject.h"

#include "framework/core/UnicodeText.h"

void TSeLinkSkinObject::Draw(TSeCanvas& canvas) {
  if (State() != TSeObjectState::osPlaceholder || Width() <= 0 || Height() <= 0) return;
  canvas.FillRect(BoundsRect(), clWhite);
  canvas.FrameRect(BoundsRect(), clBlack);
  TSeFont font;
  font.Name = "Arial";
  font.Color = clBlack;
  font.Style = fsItalic;
  const auto wide = UnicodeText::FromUtf8(linkControl_);
  canvas.SetFont(font);
  TRect rect = BoundsRect();
  canvas.DrawText(wide ? *wide : std::u16string(), rect,
                  SeTextFormat::tfSingleLine | SeTextFormat::tfCenter | SeTextFormat::tfVCenter);
}

void TSeLinkSkinObject::Assign(const TPersistent* source) {
  TSeSkinObject::Assign(source);
  if (auto* other = ObjectAs<TSeLinkSkinObject>(source)) {
    linkControl_ = other->linkControl_;
  }
}

void TSeLinkSkinObject::DeclareProperties(TPropertyBuilder<TSeLinkSkinObject>& p) {
  p.String("LinkControl", &TSeLinkSkinObject::linkControl_);
}
