#include "skin/objects/TSeSysButtonSkinObject.h"

#include "skin/objects/TSeRollPanelObject.h"
#include "skin/objects/TSeSkinFormActions.h"

TSeSysButtonSkinObject::TSeSysButtonSkinObject(TComponent* owner)
    : TSeBitmapSkinObject(owner),
      bitmapHover_(std::make_unique<TSeBitmapLink>()),
      bitmapDown_(std::make_unique<TSeBitmapLink>()) {
  SetKind(TSeKind::skSysButton);
}

void TSeSysButtonSkinObject::SetState(TSeObjectState state) {
  TSeBitmapSkinObject::SetState(state);
  TSeSkinFormActions* form = GetSkinForm();
  if (form == nullptr) return;
  SetVisible(TSeSystemButtonRules::VisibleIn(action_, state, Visible()));
  if (auto icon = TSeSystemButtonRules::RequiredIcon(action_);
      icon && !form->HasBorderIcon(*icon)) {
    SetVisible(false);
  }
}

void TSeSysButtonSkinObject::ResolveBitmaps() {
  TSeBitmapSkinObject::ResolveBitmaps();
  ResolveLink(bitmapHover_);
  ResolveLink(bitmapDown_);
}

void TSeSysButtonSkinObject::Draw(TSeCanvas& canvas) {
  if (Width() <= 0 || Height() <= 0) return;
  if (action_ == TSeAction::sbaSysMenu) {
    if (Control() != nullptr) Control()->DrawWindowIcon(canvas, Left(), Top());
    return;
  }
  LinkPtr* picture = nullptr;
  if (tracker_.ButtonState == 1) picture = &bitmapHover_;
  if (tracker_.ButtonState == 2) picture = &bitmapDown_;
  if (picture != nullptr && IsValidLink(*picture)) {
    SwappedLink swap(BitmapField(), *picture);
    TSeBitmapSkinObject::Draw(canvas);
    return;
  }
  TSeBitmapSkinObject::Draw(canvas);
}

void TSeSysButtonSkinObject::MouseEnter() {
  tracker_.Enter();
  Invalidate();
}

void TSeSysButtonSkinObject::MouseLeave() {
  tracker_.Leave();
  Invalidate();
}

void TSeSysButtonSkinObject::MouseDown(TSeMouseButton button, std::int32_t, std::int32_t) {
  if (tracker_.Down(button)) Invalidate();
}

void TSeSysButtonSkinObject::MouseMove(TSeShiftState shift, std::int32_t, std::int32_t) {
  if (tracker_.Move(shift)) {
    Invalidate();
  } else if (Control() != nullptr) {
    Control()->ActivateHint(Control()->ClientToScreen({Left(), Top()}));
  }
}

void TSeSysButtonSkinObject::MouseUp(TSeMouseButton button, std::int32_t, std::int32_t) {
  if (!tracker_.Up(button)) return;
  Invalidate();
  if (TSeSkinFormActions* form = GetSkinForm()) Perform(*form);
}

void TSeSysButtonSkinObject::DblClick(TSeMouseButton button, std::int32_t, std::int32_t) {
  if (button != TSeMouseButton::mbLeft || action_ != TSeAction::sbaSysMenu) return;
  if (TSeSkinFormActions* form = GetSkinForm()) form->DoClose();
}

void TSeSysButtonSkinObject::Perform(TSeSkinFormActions& form) {
  if (action_ != TSeAction::sbaRollPanel) {
    TSeSystemButtonRules::Perform(action_, form, this);
    return;
  }
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
    action_ = other->action_;
    rollPanel_ = other->rollPanel_;
  }
}

void TSeSysButtonSkinObject::DeclareProperties(TPropertyBuilder<TSeSysButtonSkinObject>& p) {
  p.Enum("Action", SeActionInfo(), &TSeSysButtonSkinObject::action_).Default(TSeAction::sbaNone);
  p.Object("BitmapHover", &TSeSysButtonSkinObject::bitmapHover_);
  p.Object("BitmapDown", &TSeSysButtonSkinObject::bitmapDown_);
  p.String("RollPanel", &TSeSysButtonSkinObject::rollPanel_);
}
