#include "skin/engine/win/TSeScreenBroadcaster.h"

#include "framework/ui/TApplication.h"
#include "framework/ui/TCustomForm.h"
#include "framework/ui/TScreen.h"
#include "framework/ui/TWinControl.h"

void TSeScreenBroadcaster::Broadcast(std::uint32_t message, TSeSkinEngine& engine) {
  if (Screen == nullptr) return;
  const WPARAM wParam = reinterpret_cast<WPARAM>(&engine);
  const LPARAM lParam = reinterpret_cast<LPARAM>(&engine);
  // Counted afresh each time: a form may close while pending messages run.
  for (int i = 0; i < Screen->FormCount(); ++i) {
    Deliver(*Screen->Forms(i), message, wParam, lParam);
    if (Application != nullptr) Application->ProcessMessages();
  }
}

void TSeScreenBroadcaster::Deliver(TControl& control, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  const bool topLevelForm = windowed != nullptr && windowed->Parent() == nullptr &&
                            dynamic_cast<TCustomForm*>(windowed) != nullptr;
  if (topLevelForm && windowed->HandleAllocated()) {
    SendMessageW(windowed->Handle(), message, wParam, lParam);
  } else {
    control.Perform(message, wParam, lParam);
  }
  if (windowed == nullptr) return;
  for (int i = 0; i < windowed->ControlCount(); ++i)
    Deliver(*windowed->Controls(i), message, wParam, lParam);
}

TSeChangeBroadcaster& TSeChangeBroadcaster::Default() {
  static TSeScreenBroadcaster broadcaster;
  return broadcaster;
}
