#include "skin/objects/TSeRollPanelObject.h"

#include "skin/objects/TSeSkinFormActions.h"

void TSeRollPanelObject::Toggle() {
  if (Owner() == nullptr) return;
  const bool horizontal = rollKind_ == TSeRollKind::rkLeft || rollKind_ == TSeRollKind::rkRight;
  const std::int32_t current = horizontal ? Width() : Height();
  std::int32_t target = expandedSize_;
  if (current != rollValue_) {
    expandedSize_ = current;
    target = rollValue_;
  }
  const TRect b = BoundsRect();
  switch (rollKind_) {
    case TSeRollKind::rkLeft:
      SetBounds({b.Right - target, b.Top, b.Right, b.Bottom});
      break;
    case TSeRollKind::rkTop:
      SetBounds({b.Left, b.Bottom - target, b.Right, b.Bottom});
      break;
    case TSeRollKind::rkRight:
      SetBounds({b.Left, b.Top, b.Left + target, b.Bottom});
      break;
    case TSeRollKind::rkBottom:
      SetBounds({b.Left, b.Top, b.Right, b.Top + target});
      break;
  }
  if (TSeSkinFormActions* form = GetSkinForm()) form->ProcessMessages();
}

void TSeRollPanelObject::Assign(const TPersistent* source) {
  TSeSkinObject::Assign(source);
  if (auto* other = ObjectAs<TSeRollPanelObject>(source)) {
    rollKind_ = other->rollKind_;
    rollValue_ = other->rollValue_;
  }
}

void TSeRollPanelObject::DeclareProperties(TPropertyBuilder<TSeRollPanelObject>& p) {
  p.Enum("RollKind", SeRollKindInfo(), &TSeRollPanelObject::rollKind_).Default(TSeRollKind::rkLeft);
  p.Integer("RollValue", &TSeRollPanelObject::rollValue_).Default(0);
}
