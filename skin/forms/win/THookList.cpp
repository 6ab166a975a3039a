#include "skin/forms/win/THookList.h"

#include <algorithm>

#include "framework/ui/TWinControl.h"
#include "framework/ui/UtilityWindow.h"
#include "skin/SkinMessages.h"
#include "skin/forms/win/TControlHook.h"

namespace {
// Freed when the program (or the library) unloads; records still left go with it.
std::unique_ptr<THookList>& Slot() {
  static std::unique_ptr<THookList> list;
  return list;
}
bool& Gone() {
  static bool gone = false;
  return gone;
}
}  // namespace

THookList::THookList() {
  utility_ = AllocateMessageWindow([this](TMessage& message) { return UtilityMessage(message); });
}

THookList::~THookList() {
  Gone() = true;
  while (!hooks_.empty()) {
    TControlHook* hook = hooks_.back();
    hooks_.pop_back();
    delete hook;
  }
}

THookList& THookList::Instance() {
  if (!Slot()) Slot().reset(new THookList());
  return *Slot();
}

THookList* THookList::Existing() {
  return Gone() ? nullptr : Slot().get();
}

TControlHook* THookList::FindHook(TWinControl* control) const {
  for (TControlHook* hook : hooks_)
    if (hook->Control() == control) return hook;
  return nullptr;
}

TControlHook* THookList::GetHook(TWinControl* control) {
  if (TControlHook* found = FindHook(control)) return found;
  auto hook = std::make_unique<TControlHook>();
  hooks_.push_back(hook.get());
  // A failed bind frees the new record (its destructor leaves the list) and goes on up.
  hook->AttachControl(control);
  return hook.release();
}

bool THookList::Contains(const TControlHook* hook) const {
  return std::find(hooks_.begin(), hooks_.end(), hook) != hooks_.end();
}

void THookList::Remove(TControlHook* hook) {
  hooks_.erase(std::remove(hooks_.begin(), hooks_.end(), hook), hooks_.end());
}

void THookList::Post(UINT msg, TControlHook* hook) {
  if (utility_) PostMessageW(utility_.Get(), msg, 0, reinterpret_cast<LPARAM>(hook));
}

bool THookList::UtilityMessage(TMessage& message) {
  auto* hook = reinterpret_cast<TControlHook*>(message.LParam);
  if (message.Msg == SE_REHOOK) {
    // Only a window that came back: a control without a window now is not given a new one.
    if (Contains(hook) && hook->Control() && hook->Control()->HandleAllocated()) hook->Install();
    return true;
  }
  if (message.Msg == SE_FREEHOOK) {
    if (Contains(hook) && hook->Clients().empty()) delete hook;
    return true;
  }
  return false;
}
