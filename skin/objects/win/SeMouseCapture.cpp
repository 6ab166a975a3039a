#include <windows.h>

#include "skin/objects/SeMouseCapture.h"

namespace {

class TWinCapture : public TSeMouseCapturePlatform {
 public:
  void SetCapture(void* window) override { ::SetCapture(static_cast<HWND>(window)); }
  void* GetCapture() override { return ::GetCapture(); }
  void ReleaseCapture() override { ::ReleaseCapture(); }
};

}  // namespace

TSeMouseCapturePlatform& SystemMouseCapture() {
  static TWinCapture capture;
  return capture;
}
