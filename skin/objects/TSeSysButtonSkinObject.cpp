#include "skin/objects/TSeSysButtonSkinObject.h"

#include "skin/objects/TSeRollPanelObject.h"

TSeSysButtonSkinObject::TSeSysButtonSkinObject(TComponent* owner)
    : TSeCaptionButtonObject(owner),
      bitmapHover_(std::make_unique<TSeBitmapLink>()),
      bitmapDown_(std::make_unique<TSeBitmapLink>()) {
  SetKind(TSeKind::skSysButton);
  caption_.SetRollPanelAction([this] { ToggleRollPanel(); });
}

void TSeSysButtonSkinObject::SetState(TSeObjectState state) {
  TSeBitmapSkinObject::SetState(state);
  caption_.ApplyWindowState(state);
}

void TSeSysButtonSkinObject::ResolveBitmaps() {
  TSeBitmapSkinObject::ResolveBitmaps();
  ResolveLink(bitmapHover_);
  ResolveLink(bitmapDown_);
}

void TSeSysButtonSkinObject::Draw(TSeCanvas& canvas) {
  if (Width() <= 0 || Height() <= 0) return;
  if (caption_.DrawWindowIcon(canvas)) return;
  const StatePictures pictures{.Hot = &bitmapHover_, .Pressed = &bitmapDown_};
  SwappedLink shown(BitmapField(), pictures.For(caption_.Look()));
  TSeBitmapSkinObject::Draw(canvas);
}

void TSeSysButtonSkinObject::ToggleRollPanel() {
  // The climb stops at the first owner that is not a skin object (the skin source, a control).
  TSeSkinObject* top = this;
  while (TSeSkinObject* parent = top->ParentObject()) top = parent;
  if (auto* panel = ObjectAs<TSeRollPanelObject>(top->FindByName(rollPanel_))) {
    panel->Toggle();
  }
}

void TSeSysButtonSkinObject::Assign(const TPersistent* source) {
  TSeBitmapSkinObject::Assign(source);
  if (auto* other = ObjectAs<TSeSysButtonSkinObject>(source)) {
    CopyLink(bitmapHover_, other->bitmapHover_);
    CopyLink(bitmapDown_, other->bitmapDown_);
    SetAction(other->Action());
    rollPanel_ = other->rollPanel_;
  }
}

void TSeSysButtonSkinObject::DeclareProperties(TPropertyBuilder<TSeSysButtonSkinObject>& p) {
  using T = TSeSysButtonSkinObject;
  p.Enum("Action", SeActionInfo(), &T::Action, &T::SetAction).Default(TSeAction::sbaNone);
  p.Object("BitmapHover", &T::bitmapHover_);
  p.Object("BitmapDown", &T::bitmapDown_);
  p.String("RollPanel", &T::rollPanel_);
}
