#include "skin/objects/SeMouseCapture.h"

namespace {

// Without windows there is no capture to take; remember it so the logic above still runs.
class THostCapture : public TSeMouseCapturePlatform {
 public:
  void SetCapture(void* window) override { window_ = window; }
  void* GetCapture() override { return window_; }
  void ReleaseCapture() override { window_ = nullptr; }

 private:
  void* window_ = nullptr;
};

}  // namespace

TSeMouseCapturePlatform& SystemMouseCapture() {
  static THostCapture capture;
  return capture;
}
