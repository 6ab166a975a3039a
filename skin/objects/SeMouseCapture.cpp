#include "skin/objects/SeMouseCapture.h"

namespace {

int captureCount = 0;
void* captureWindow = nullptr;
TSeMouseCapturePlatform* platform = nullptr;

TSeMouseCapturePlatform& Platform() {
  return platform ? *platform : SystemMouseCapture();
}

}  // namespace

void SetMouseCapturePlatform(TSeMouseCapturePlatform* value) {
  platform = value;
}

int MouseCaptureCount() {
  return captureCount;
}

void BeginMouseCapture(void* window) {
  if (captureCount++ == 0) {
    captureWindow = window;
    Platform().SetCapture(window);
  }
}

void EndMouseCapture() {
  if (captureCount == 0) return;  // an end without a begin must not underflow
  if (--captureCount == 0) {
    if (captureWindow != nullptr && Platform().GetCapture() == captureWindow)
      Platform().ReleaseCapture();
    captureWindow = nullptr;
  }
}
