#include "skin/controls/win/TSeSubScrollBar.h"

TSeSubScrollBar::TSeSubScrollBar(TWinControl& covered,
                                 const std::function<TSeCustomScrollBar*()>& makeBar)
    : TComponent(nullptr),
      vertical_(new TSeInplaceScrollBar(covered, TScrollBarKind::sbVertical, makeBar())),
      horizontal_(new TSeInplaceScrollBar(covered, TScrollBarKind::sbHorizontal, makeBar())) {
  // The parent frees its children when it goes, perhaps before the covered control does.
  vertical_->FreeNotification(this);
  horizontal_->FreeNotification(this);
}

TSeSubScrollBar::~TSeSubScrollBar() {
  SetParent(nullptr);
  delete vertical_;
  delete horizontal_;
}

void TSeSubScrollBar::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == vertical_) vertical_ = nullptr;
  if (component == horizontal_) horizontal_ = nullptr;
}

void TSeSubScrollBar::ControlMessage(const TMessage& message) {
  if (vertical_) vertical_->ControlMessage(message);
  if (horizontal_) horizontal_->ControlMessage(message);
}

void TSeSubScrollBar::SetParent(TWinControl* parent) {
  if (vertical_) vertical_->SetParent(parent);
  if (horizontal_) horizontal_->SetParent(parent);
}

void TSeSubScrollBar::Sync() {
  if (vertical_) vertical_->Sync();
  if (horizontal_) horizontal_->Sync();
}
