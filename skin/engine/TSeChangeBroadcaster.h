#pragma once

#include <cstdint>

class TSeSkinEngine;

// Delivers an engine's change message to every window of the program. Kept behind this small
// interface so that the engine's own logic builds and is tested without windows; the program's
// broadcaster walks the screen's forms and their controls.
class TSeChangeBroadcaster {
 public:
  TSeChangeBroadcaster() = default;
  TSeChangeBroadcaster(const TSeChangeBroadcaster&) = delete;
  TSeChangeBroadcaster& operator=(const TSeChangeBroadcaster&) = delete;
  virtual ~TSeChangeBroadcaster() = default;

  virtual void Broadcast(std::uint32_t message, TSeSkinEngine& engine) = 0;

  // The process's broadcaster: the screen's forms on Windows, nobody elsewhere.
  static TSeChangeBroadcaster& Default();
};
