#pragma once

#include <cstdint>

class TSeSkinObject;

// The border icons a frame shows; system buttons hide themselves without theirs.
enum class TSeBorderIcon : std::uint8_t {
  kbiClose,
  kbiSystemMenu,
  kbiMinimize,
  kbiMaximize,
  kbiHelp,
  kbiRollup,
  kbiTray
};

// The frame component's operations that caption buttons and roll panels call. The skin form
// component implements it; tests implement it to record what a click performed.
class TSeSkinFormActions {
 public:
  virtual ~TSeSkinFormActions() = default;
  virtual bool HasBorderIcon(TSeBorderIcon icon) const = 0;
  virtual void DoClose() = 0;
  virtual void DoHelp() = 0;
  virtual void DoMinimize() = 0;
  virtual void DoMaximize() = 0;
  virtual void DoRestore() = 0;
  virtual void DoRollup() = 0;
  virtual void DoMinimizeToTray() = 0;
  virtual void ShowSystemMenu() = 0;
  // OnCustomAction, when a handler is assigned.
  virtual void CustomAction(TSeSkinObject* object) = 0;
  // Lets pending messages run so the window repaints after a roll panel changed.
  virtual void ProcessMessages() = 0;
};
