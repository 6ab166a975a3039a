#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TSeSkinEngine;
class TSeSkinObject;

// A test client's hold on its engine: a private copy of one top-level object, dropped on
// SE_BEFORECHANGE and taken again on SE_AFTERCHANGE, from its own engine only. Every step goes
// to a shared log as "<id> release" or "<id> bind <object>".
//
// Kept apart from the windowing headers: the skin object headers share short names with them.
class TClientBinding {
 public:
  explicit TClientBinding(std::string id, std::string objectName = "Button");
  TClientBinding(const TClientBinding&) = delete;
  TClientBinding& operator=(const TClientBinding&) = delete;
  ~TClientBinding();

  void Bind();
  void Release();
  // One of the engine's two messages with its lParam.
  void Handle(std::uint32_t message, std::intptr_t lParam);

  static void SetLog(std::vector<std::string>* log);

  TSeSkinEngine* Engine = nullptr;
  std::string ObjectName;
  const TSeSkinObject* Copy() const { return copy_; }
  std::uint32_t CopyColor() const;
  int Binds = 0;
  int Ignored = 0;
  bool SkinPresentAtFirstBind = false;

 private:
  std::string id_;
  TSeSkinObject* copy_ = nullptr;
};

// What the tests read of an engine's skin without naming skin object types.
namespace EngineProbe {
bool HasObject(TSeSkinEngine& engine, const std::string& name);
std::uint32_t ObjectColor(TSeSkinEngine& engine, const std::string& name);
// Bitmap index's pixels as stored (0xAARRGGBB), and as the platform reads them back from the
// bitmap's section or from its device copy (0x00RRGGBB).
std::vector<std::uint32_t> Pixels(TSeSkinEngine& engine, int index);
void EnsureDeviceCopy(TSeSkinEngine& engine, int index);
std::vector<std::uint32_t> DevicePixels(TSeSkinEngine& engine, int index, bool deviceCopy);
// Every pixel shifted by delta under the hue rule, kept whole or as 0x00RRGGBB.
std::vector<std::uint32_t> Shifted(std::vector<std::uint32_t> pixels, int delta);
std::vector<std::uint32_t> ShiftedRgb(std::vector<std::uint32_t> pixels, int delta);
}  // namespace EngineProbe
