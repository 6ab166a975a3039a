#include "skin/engine/TSeSkinEngine.h"

#include "framework/core/TClassRegistry.h"
#include "framework/core/TFileStream.h"
#include "framework/core/TFiler.h"
#include "framework/core/TStream.h"
#include "framework/core/TextCase.h"
#include "skin/SkinMessages.h"
#include "skin/engine/TSeChangeBroadcaster.h"
#include "skin/objects/SkinObjectRegistry.h"
#include "skin/objects/SkinObjectTypes.h"
#include "skin/objects/TSeBitmap.h"
#include "skin/objects/TSeSkinObject.h"
#include "skin/store/ProgramDirectory.h"
#include "skin/store/SkinFilterRegistry.h"
#include "skin/store/SkinStreamEnvelope.h"
#include "skin/store/TSeSkinSource.h"

namespace {

// Whether the source's LoadFromFile would read anything for this name: the file exists as
// named or in the program's folder (unless the name starts with a drive), and a filter takes
// its extension. Only then may the old skin stay until the new one is read.
bool SkinFileLoads(const std::string& name) {
  if (name.empty()) return false;
  std::string path = name;
  if (!FileExists(path)) {
    if (name.size() >= 2 && name[1] == ':') return false;
    path = ProgramDirectory() + name;
    if (!FileExists(path)) return false;
  }
  const std::size_t dot = path.find_last_of('.');
  const std::size_t slash = path.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return false;
  return FindSkinFilterByExtension(TextCase::LowerCase(path.substr(dot))) != nullptr;
}

std::string FileNamePart(const std::string& name) {
  const std::size_t separator = name.find_last_of("/\\:");
  return separator == std::string::npos ? name : name.substr(separator + 1);
}

// Clears a flag however the scope is left.
class TFlagReset {
 public:
  explicit TFlagReset(bool& flag) : flag_(flag) {}
  TFlagReset(const TFlagReset&) = delete;
  TFlagReset& operator=(const TFlagReset&) = delete;
  ~TFlagReset() { flag_ = false; }

 private:
  bool& flag_;
};

}  // namespace

TSeSkinEngine::TSeSkinEngine(TComponent* owner)
    : TComponent(owner), source_(new TSeSkinSource(this)) {}

TSeSkinEngine::~TSeSkinEngine() {
  // Clients are told that the engine goes while it and its skin are whole: a client may still
  // ask it something then. From here lookups answer none. The source is owned, so it goes
  // later, in ~TComponent. Both kinds of client are told here: those linked by FreeNotification
  // (on other owners) and, through the owner, those beside the engine.
  Destroying();
  source_->Busy = true;
  NotifyFreeNotificationClients();
  if (TComponent* owner = Owner()) owner->RemoveComponent(this);
}

void TSeSkinEngine::DeclareProperties(TPropertyBuilder<TSeSkinEngine>& p) {
  using T = TSeSkinEngine;
  p.Integer("DeltaHue", &T::DeltaHue, &T::SetDeltaHue);
  p.String("SkinFile", &T::SkinFile, &T::SetSkinFile);
  p.String("SkinStore", &T::SkinStore, &T::SetSkinStore).Always();
  p.Boolean("SkinStoreCompression", &T::SkinStoreCompression, &T::SetSkinStoreCompression)
      .Default(false);
  p.String("Version", &T::Version, &T::SetVersion).Always();
  p.Event("OnBeforeChange", &T::OnBeforeChange);
  p.Event("OnAfterChange", &T::OnAfterChange);
}

void TSeSkinEngine::DefineProperties(TFiler& filer) {
  TComponent::DefineProperties(filer);
  filer.DefineBinaryProperty(
      "SkinStream", [this](TStream& s) { ReadSkinData(s); },
      [this](TStream& s) { WriteSkinData(s); }, true);
}

void TSeSkinEngine::Loaded() {
  TComponent::Loaded();
  if (OnAfterChange && SkinLoaded()) OnAfterChange(this);
}

bool TSeSkinEngine::Designing() const {
  return ComponentState().Contains(TComponentStateFlag::csDesigning);
}

bool TSeSkinEngine::SkinLoaded() const {
  return source_->Count() > 0;
}

bool TSeSkinEngine::Busy() const {
  return source_->Busy;
}

void TSeSkinEngine::SetDeltaHue(std::int32_t value) {
  if (value == deltaHue_ && value == currentHue_) return;
  deltaHue_ = value;
  // Without a skin, or from inside a change, the value waits for the next load or assignment.
  if (!SkinLoaded() || changing_) return;
  changing_ = true;
  TFlagReset reset(changing_);
  BeforeChange();
  ApplyHue(deltaHue_);
  AfterChange();
}

void TSeSkinEngine::ApplyHue(std::int32_t hue) {
  if (hue == currentHue_) return;
  currentHue_ = hue;
  // A shift goes round the colour circle in 255 steps, so the step is taken modulo one turn:
  // the plain difference of two 32-bit hues may not fit in 32 bits.
  const auto delta = static_cast<int>((std::int64_t{hue} - lastAppliedHue_) % 255);
  // The pixels change: a skin shared with another engine is copied for this one first.
  source_->OwnContent();
  TSeBitmapList& bitmaps = source_->Bitmaps();
  for (int i = 0; i < bitmaps.Count(); ++i) bitmaps.Bitmaps(i)->ChangeHue(delta);
  for (const auto& object : source_->AllObjects()) object->ChangeHue(delta);
  lastAppliedHue_ = currentHue_;
}

void TSeSkinEngine::SetSkinFile(const std::string& value) {
  skinFile_ = value;
  if (Designing()) {
    if (!value.empty() && SkinLoaded()) {
      source_->ClearSkin();
      SkinReplaced();
    }
    return;
  }
  LoadSkinFile();
}

void TSeSkinEngine::LoadSkinFile() {
  if (!SkinLoaded()) {
    try {
      source_->LoadFromFile(skinFile_);
    } catch (...) {
      AfterChange();
      throw;
    }
    SkinReplaced();
    ApplyHue(deltaHue_);
    AfterChange();
    return;
  }

  // Lookups answer none from here until the new skin is in place.
  source_->Busy = true;
  try {
    BeforeChange();
    // The source replaces its skin only once a file was read completely; a name that loads
    // nothing takes the skin away, and the clients fall back to their plain look.
    if (SkinFileLoads(skinFile_)) {
      source_->LoadFromFile(skinFile_);
    } else {
      source_->ClearSkin();
    }
  } catch (...) {
    // The clients let their copies go on BeforeChange: they bind again to what is there.
    source_->Busy = false;
    AfterChange();
    throw;
  }
  source_->Busy = false;
  SkinReplaced();
  ApplyHue(deltaHue_);
  AfterChange();
}

void TSeSkinEngine::SkinReplaced() {
  // New pixels carry no shift yet, whatever the old ones carried.
  currentHue_ = 0;
  lastAppliedHue_ = 0;
}

std::string TSeSkinEngine::SkinStore() const {
  if (Designing() && SkinLoaded()) return FileNamePart(source_->SkinName());
  return kNoSkinStore;
}

TSeSkinObject* TSeSkinEngine::FindObject(const std::string& name) const {
  return Busy() ? nullptr : source_->GetObjectByName(name);
}

TSeSkinObject* TSeSkinEngine::FindFormObject() const {
  return Busy() ? nullptr : source_->GetFormObject();
}

TSeSkinObject* TSeSkinEngine::FindObjectByKind(TSeKind kind) const {
  return Busy() ? nullptr : source_->GetObjectByKind(kind);
}

int TSeSkinEngine::ObjectCount() const {
  return source_->Count();
}

TSeSkinObject* TSeSkinEngine::Objects(int index) const {
  return source_->Objects(index);
}

void TSeSkinEngine::BeforeChange() {
  if (OnBeforeChange) OnBeforeChange(this);
  (broadcaster_ ? *broadcaster_ : TSeChangeBroadcaster::Default())
      .Broadcast(SE_BEFORECHANGE, *this);
}

void TSeSkinEngine::AfterChange() {
  (broadcaster_ ? *broadcaster_ : TSeChangeBroadcaster::Default()).Broadcast(SE_AFTERCHANGE, *this);
  if (OnAfterChange) OnAfterChange(this);
}

void TSeSkinEngine::SetBroadcaster(TSeChangeBroadcaster* broadcaster) {
  broadcaster_ = broadcaster;
}

void TSeSkinEngine::ReadSkinData(TStream& stream) {
  // The window is still being read: no announcements; clients bind after loading.
  const std::int64_t start = stream.Position();
  const bool announced = stream.Remaining() > 0 && stream.ReadUInt8() != 0;
  if (!announced) {
    stream.SetPosition(start);
    ReadSkinStream(*source_, stream);
    return;
  }
  // The skin of every window of a program comes in the same bytes: read once, shared.
  source_->LoadSharedFromStream(stream);
  SkinReplaced();
  skinFile_.clear();
}

void TSeSkinEngine::WriteSkinData(TStream& stream) {
  WriteSkinStream(*source_, stream);
}

void RegisterSkinEngineClass() {
  RegisterSkinObjectClasses();
  TClassRegistry::Global().Register<TSeSkinEngine>();
}
