#include "skin/controls/TSeSkinBinding.h"

#include "skin/SkinMessages.h"
#include "skin/engine/TSeSkinEngine.h"
#include "skin/objects/SkinObjectRegistry.h"
#include "skin/objects/TSeSkinObject.h"

TSeSkinBinding::TSeSkinBinding(TComponent& owner, std::string objectName, TSeObjectControl* seam)
    : owner_(owner), objectName_(std::move(objectName)), seam_(seam) {}

TSeSkinBinding::~TSeSkinBinding() {
  Release();
}

void TSeSkinBinding::SetEngine(TSeSkinEngine* engine) {
  if (engine_ != engine) {
    if (engine_) engine_->RemoveFreeNotification(&owner_);
    engine_ = engine;
    if (engine_) engine_->FreeNotification(&owner_);
  }
  Bind();
}

bool TSeSkinBinding::EngineUsable() const {
  return engine_ && engine_->Source() && !engine_->Busy() && engine_->ObjectCount() > 0;
}

bool TSeSkinBinding::IsSkinActive() const {
  const auto state = owner_.ComponentState();
  if (state.Contains(TComponentStateFlag::csLoading) ||
      state.Contains(TComponentStateFlag::csDestroying))
    return false;
  return EngineUsable() && engine_->FindObject(objectName_) != nullptr && copy_ != nullptr;
}

void TSeSkinBinding::Bind() {
  Release();
  if (EngineUsable()) {
    if (TSeSkinObject* found = engine_->FindObject(objectName_)) {
      copy_ = CloneSkinObject(*found, nullptr);
      if (copy_ && seam_) copy_->SetControl(seam_);
    }
  }
  if (OnBound) OnBound();
}

void TSeSkinBinding::Release() {
  delete copy_;
  copy_ = nullptr;
}

bool TSeSkinBinding::BeforeChange(std::intptr_t engine) {
  if (!engine_ || engine != reinterpret_cast<std::intptr_t>(engine_)) return false;
  Release();
  return true;
}

bool TSeSkinBinding::AfterChange(std::intptr_t engine) {
  if (!engine_ || engine != reinterpret_cast<std::intptr_t>(engine_)) return false;
  Bind();
  return true;
}

void TSeSkinBinding::ComponentRemoved(TComponent* component) {
  if (component == nullptr || component != engine_) return;
  engine_ = nullptr;
  Bind();
}

void TSeSkinBinding::ChangeMessage(std::uint32_t message, std::intptr_t engine) {
  if (message == SE_BEFORECHANGE)
    BeforeChange(engine);
  else if (message == SE_AFTERCHANGE)
    AfterChange(engine);
}
