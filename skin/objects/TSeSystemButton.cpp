#include "skin/objects/TSeSystemButton.h"

TSeSystemButton::TSeSystemButton(TComponent* owner)
    : TSeCaptionButtonObject(owner),
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

void TSeSystemButton::Draw(TSeCanvas& canvas) {
  if (Width() <= 0 || Height() <= 0) return;
  if (caption_.DrawWindowIcon(canvas)) return;
  // An active window's button shows ActiveBitmap, or under the mouse its hot or pressed
  // picture; an inactive window's shows Bitmap. The glyph children show the hot, pressed or
  // disabled look while the button keeps its own state.
  const bool active = Active();
  const TSeObjectState look = active ? caption_.Look() : TSeObjectState::osDisabled;
  if (look == TSeObjectState::osNormal) {
    TSeActiveBitmap::Draw(canvas);
    return;
  }
  const StatePictures pictures{.Hot = &bitmapHot_, .Pressed = &bitmapPressed_};
  SwappedLink shown(BitmapField(), pictures.For(look));
  struct Restore {
    TSeSystemButton& self;
    bool active;
    ~Restore() {
      if (active) self.SetActive(true);
      self.SetChildrenState(TSeObjectState::osNormal);
    }
  } restore{*this, active};
  // Cleared, Active makes the inherited drawing use Bitmap, which now holds the state picture.
  SetActive(false);
  SetChildrenState(look);
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
