#pragma once

#include <cstdint>
#include <string>

#include "framework/core/TComponent.h"
#include "framework/core/TEvent.h"
#include "framework/core/TPropertyBuilder.h"

class TStream;
class TSeChangeBroadcaster;
class TSeSkinObject;
class TSeSkinSource;
// Declared, not included: the skin object headers and the windowing headers use the same
// short names, and clients include this header beside the windowing ones.
enum class TSeKind : std::uint8_t;

// The component a window holds to own its skin. It keeps one skin source, answers the clients'
// lookups of top-level skin objects, loads the skin from the window definition ("SkinStream")
// or from a skin file, shifts the hue of the whole skin, and announces every change to every
// window: SE_BEFORECHANGE before (clients drop their copies), SE_AFTERCHANGE after (they bind
// again).
//
// The hue is applied as a difference: the engine remembers the hue the source's pixels carry
// (CurrentHue, LastAppliedHue) and shifts them by the step to the new value only; the unshifted
// pixels are not kept. A newly loaded skin starts unshifted: a skin file then takes DeltaHue
// at once, a skin read from the window definition on the next assignment.
//
// A skin file that fails to load leaves the previous skin in place; the clients are still told
// AfterChange, so that they bind again to it, and then the error goes on to the caller.
class TSeSkinEngine : public TComponent {
  QM_CLASS(TSeSkinEngine, TComponent)

 public:
  static constexpr const char* kVersion = "3.1.5";
  static constexpr const char* kNoSkinStore = "(none)";

  explicit TSeSkinEngine(TComponent* owner);
  ~TSeSkinEngine() override;

  static void DeclareProperties(TPropertyBuilder<TSeSkinEngine>& p);
  // "SkinStream", always written, after the published properties.
  void DefineProperties(TFiler& filer) override;
  void Loaded() override;
  // The source travels in "SkinStream", never as a child record.
  void GetChildren(const std::function<void(TComponent*)>&, TComponent*) override {}

  // Published properties.
  std::int32_t DeltaHue() const { return deltaHue_; }
  void SetDeltaHue(std::int32_t value);
  const std::string& SkinFile() const { return skinFile_; }
  void SetSkinFile(const std::string& value);
  // "(none)" unless designing with a skin loaded: then the file-name part of the skin's name.
  std::string SkinStore() const;
  void SetSkinStore(const std::string&) {}
  bool SkinStoreCompression() const { return skinStoreCompression_; }
  void SetSkinStoreCompression(bool value) { skinStoreCompression_ = value; }
  std::string Version() const { return kVersion; }
  void SetVersion(const std::string&) {}
  TNotifyEvent OnBeforeChange;
  TNotifyEvent OnAfterChange;

  // The source, for the clients' object count and busy flag.
  TSeSkinSource* Source() const { return source_; }

  // Lookups answer none while the source is busy (a skin is being swapped, or the engine is
  // going and its clients are being told).
  // Name compared ignoring case.
  TSeSkinObject* FindObject(const std::string& name) const;
  // "Form", else the first object of kind skForm.
  TSeSkinObject* FindFormObject() const;
  TSeSkinObject* FindObjectByKind(TSeKind kind) const;
  int ObjectCount() const;
  // None outside the list.
  TSeSkinObject* Objects(int index) const;
  bool Busy() const;
  // True while a DeltaHue change is being applied.
  bool Changing() const { return changing_; }

  // The hue the source's pixels carry and the last one applied to them.
  std::int32_t CurrentHue() const { return currentHue_; }
  std::int32_t LastAppliedHue() const { return lastAppliedHue_; }
  // Shifts every bitmap and top-level object by the step from the last applied hue to hue,
  // taken modulo one turn of the colour circle (255 steps).
  void ApplyHue(std::int32_t hue);

  // The two announcements (events and broadcast).
  void BeforeChange();
  void AfterChange();
  // Who delivers the announcements; null goes back to the process's broadcaster.
  void SetBroadcaster(TSeChangeBroadcaster* broadcaster);

  // The "SkinStream" property's bytes.
  void ReadSkinData(TStream& stream);
  void WriteSkinData(TStream& stream);

 private:
  bool Designing() const;
  bool SkinLoaded() const;
  void LoadSkinFile();
  void SkinReplaced();

  TSeSkinSource* source_ = nullptr;
  std::string skinFile_;
  std::int32_t deltaHue_ = 0;
  bool skinStoreCompression_ = false;
  bool changing_ = false;
  std::int32_t currentHue_ = 0;
  std::int32_t lastAppliedHue_ = 0;
  TSeChangeBroadcaster* broadcaster_ = nullptr;
};

// Makes TSeSkinEngine known to window definitions (and the skin library's classes with it).
void RegisterSkinEngineClass();
