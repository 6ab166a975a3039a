#include "skin/engine/TSeChangeBroadcaster.h"

namespace {

// Without a windowing layer there is nobody to tell.
class TSeSilentBroadcaster final : public TSeChangeBroadcaster {
 public:
  void Broadcast(std::uint32_t, TSeSkinEngine&) override {}
};

}  // namespace

TSeChangeBroadcaster& TSeChangeBroadcaster::Default() {
  static TSeSilentBroadcaster broadcaster;
  return broadcaster;
}
