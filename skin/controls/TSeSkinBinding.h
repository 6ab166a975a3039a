#pragma once

#include <cstdint>
#include <functional>
#include <string>

class TComponent;
class TSeObjectControl;
class TSeSkinEngine;
class TSeSkinObject;

// The hold every skinned class has on its skin: the engine (with its removal notification), the
// name of the top-level object it is drawn from, and its own deep copy of that object. The
// control paints from the copy while IsSkinActive, and plainly otherwise.
//
// Binding runs when the engine is assigned, after loading and on the engine's SE_AFTERCHANGE;
// SE_BEFORECHANGE drops the copy (its bitmaps are about to go). OnBound runs after every binding
// step, for what a class adds to it (a panel's caption height, a label's colour and font) and
// for the repaint.
class TSeSkinBinding {
 public:
  // seam: the window the copy is bound to with SetControl; none leaves the copy unbound (the
  // label only reads colour and font from it).
  TSeSkinBinding(TComponent& owner, std::string objectName, TSeObjectControl* seam);
  TSeSkinBinding(const TSeSkinBinding&) = delete;
  TSeSkinBinding& operator=(const TSeSkinBinding&) = delete;
  ~TSeSkinBinding();

  TSeSkinEngine* Engine() const { return engine_; }
  // Stores the engine (asking for its removal notification) and binds; none makes the control
  // plain.
  void SetEngine(TSeSkinEngine* engine);
  // Takes effect at the next binding.
  const std::string& ObjectName() const { return objectName_; }
  void SetObjectName(const std::string& name) { objectName_ = name; }

  // The private copy, or none.
  TSeSkinObject* Copy() const { return copy_; }
  // The engine is there and holds a usable skin (a source, not busy, at least one object).
  bool EngineUsable() const;
  // False while the owner is being read or destroyed; otherwise a usable engine that still has
  // the named object, and the copy.
  bool IsSkinActive() const;

  // Drops the old copy and takes a new one when the engine can give it; then OnBound.
  void Bind();
  void Release();

  // The engine's announcements: true when they were about this binding's engine (and handled).
  bool BeforeChange(std::intptr_t engine);
  bool AfterChange(std::intptr_t engine);
  // SE_BEFORECHANGE or SE_AFTERCHANGE with its lParam, as the controls receive them.
  void ChangeMessage(std::uint32_t message, std::intptr_t engine);
  // The owner's removal notification: the engine going makes the control plain.
  void ComponentRemoved(TComponent* component);

  std::function<void()> OnBound;

 private:
  TComponent& owner_;
  std::string objectName_;
  TSeObjectControl* seam_;
  TSeSkinEngine* engine_ = nullptr;
  TSeSkinObject* copy_ = nullptr;
};
