#include "skin/objects/TSeSystemButton.h"

#include "skin/objects/TSeSkinFormActions.h"

TSeSystemButton::TSeSystemButton(TComponent* owner)
    : TSeActiveBitmap(owner),
      bitmapHot_(std::make_unique<TSeBitmapLink>()),
      bitmapPressed_(std::make_unique<TSeBitmapLink>()) {
  SetKind(TSeKind::skSysButton);
}

void TSeSystemButton::SetState(TSeObjectState state) {
  TSeActiveBitmap::SetState(state);
  TSeSkinFormActions* form = GetSkinForm();
  if (form == nullptr) return;
  SetVisible(TSeSystemButtonRules::VisibleIn(action_, state, Visible()));
  if (auto icon = TSeSystemButtonRules::RequiredIcon(action_);
      icon && !form->HasBorderIcon(*icon)) {
    SetVisible(false);
  }
}

void TSeSystemButton::ResolveBitmaps() {
  TSeActiveBitmap::ResolveBitmaps();
  ResolveLink(bitmapHot_);
  ResolveLink(bitmapPressed_);
}

void TSeSystemButton::DrawInState(TSeCanvas& canvas, LinkPtr& picture, TSeObjectState childState) {
  // The glyph children show the hot or pressed look while the button itself keeps its state;
  // clearing Active makes the inherited drawing use Bitmap, which now holds the state picture.
  struct Restore {
    TSeSystemButton& self;
    ~Restore() {
      self.SetActive(true);
      self.SetChildrenState(TSeObjectState::osNormal);
    }
  };
  std::optional<SwappedLink> swap;
  if (IsValidLink(picture)) swap.emplace(BitmapField(), picture);
  Restore restore{*this};
  SetActive(false);
  SetChildrenState(childState);
  TSeActiveBitmap::Draw(canvas);
}

void TSeSystemButton::Draw(TSeCanvas& canvas) {
  if (Width() <= 0 || Height() <= 0) return;
  if (action_ == TSeAction::sbaSysMenu) {
    if (Control() != nullptr) Control()->DrawWindowIcon(canvas, Left(), Top());
    return;
  }
  if (Active()) {
    switch (tracker_.ButtonState) {
      case 1:
        DrawInState(canvas, bitmapHot_, TSeObjectState::osHot);
        return;
      case 2:
        DrawInState(canvas, bitmapPressed_, TSeObjectState::osPressed);
        return;
      default:
        TSeActiveBitmap::Draw(canvas);
        return;
    }
  }
  struct Restore {
    TSeSystemButton& self;
    ~Restore() { self.SetChildrenState(TSeObjectState::osNormal); }
  } restore{*this};
  SetChildrenState(TSeObjectState::osDisabled);
  TSeActiveBitmap::Draw(canvas);
}

void TSeSystemButton::MouseEnter() {
  tracker_.Enter();
  Invalidate();
}

void TSeSystemButton::MouseLeave() {
  tracker_.Leave();
  Invalidate();
}

void TSeSystemButton::MouseDown(TSeMouseButton button, std::int32_t, std::int32_t) {
  if (tracker_.Down(button)) Invalidate();
}

void TSeSystemButton::MouseMove(TSeShiftState shift, std::int32_t, std::int32_t) {
  if (tracker_.Move(shift)) {
    Invalidate();
  } else if (Control() != nullptr) {
    Control()->ActivateHint(Control()->ClientToScreen({Left(), Top()}));
  }
}

void TSeSystemButton::MouseUp(TSeMouseButton button, std::int32_t, std::int32_t) {
  if (!tracker_.Up(button)) return;
  Invalidate();
  if (TSeSkinFormActions* form = GetSkinForm()) TSeSystemButtonRules::Perform(action_, *form, this);
}

void TSeSystemButton::DblClick(TSeMouseButton button, std::int32_t, std::int32_t) {
  if (button != TSeMouseButton::mbLeft || action_ != TSeAction::sbaSysMenu) return;
  if (TSeSkinFormActions* form = GetSkinForm()) form->DoClose();
}

void TSeSystemButton::Assign(const TPersistent* source) {
  TSeActiveBitmap::Assign(source);
  if (auto* other = ObjectAs<TSeSystemButton>(source)) {
    CopyLink(bitmapHot_, other->bitmapHot_);
    CopyLink(bitmapPressed_, other->bitmapPressed_);
    action_ = other->action_;
  }
}

void TSeSystemButton::DeclareProperties(TPropertyBuilder<TSeSystemButton>& p) {
  p.Enum("Action", SeActionInfo(), &TSeSystemButton::action_).Default(TSeAction::sbaNone);
  p.Object("BitmapHot", &TSeSystemButton::bitmapHot_);
  p.Object("BitmapPressed", &TSeSystemButton::bitmapPressed_);
}
