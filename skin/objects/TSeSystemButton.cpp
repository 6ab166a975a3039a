#include "skin/objects/TSeSystemButton.h"

TSeSystemButton::TSeSystemButton(TComponent* owner)
    : TSeActiveBitmap(owner),
      bitmapHot_(std::make_unique<TSeBitmapLink>()),
      bitmapPressed_(std::make_unique<TSeBitmapLink>()) {
  SetKind(TSeKind::skSysButton);
}

void TSeSystemButton::SetState(TSeObjectState state) {
  TSeActiveBitmap::SetState(state);
  caption_.ApplyWindowState(state);
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
  if (caption_.DrawWindowIcon(canvas)) return;
  if (Active()) {
    switch (caption_.State()) {
      case TSeButtonState::bsHot:
        DrawInState(canvas, bitmapHot_, TSeObjectState::osHot);
        return;
      case TSeButtonState::bsDown:
        DrawInState(canvas, bitmapPressed_, TSeObjectState::osPressed);
        return;
      case TSeButtonState::bsNormal:
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

void TSeSystemButton::Assign(const TPersistent* source) {
  TSeActiveBitmap::Assign(source);
  if (auto* other = ObjectAs<TSeSystemButton>(source)) {
    CopyLink(bitmapHot_, other->bitmapHot_);
    CopyLink(bitmapPressed_, other->bitmapPressed_);
    SetAction(other->Action());
  }
}

void TSeSystemButton::DeclareProperties(TPropertyBuilder<TSeSystemButton>& p) {
  p.Enum("Action", SeActionInfo(), &TSeSystemButton::Action, &TSeSystemButton::SetAction)
      .Default(TSeAction::sbaNone);
  p.Object("BitmapHot", &TSeSystemButton::bitmapHot_);
  p.Object("BitmapPressed", &TSeSystemButton::bitmapPressed_);
}
