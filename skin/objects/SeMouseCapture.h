#pragma once

// Counted mouse capture: nested begins (a button inside a scroll bar inside a frame) share one
// capture, and only the last end releases it, and only if the window still holds it.
// Windows are the platform's window handles, passed opaquely.
class TSeMouseCapturePlatform {
 public:
  virtual ~TSeMouseCapturePlatform() = default;
  virtual void SetCapture(void* window) = 0;
  virtual void* GetCapture() = 0;
  virtual void ReleaseCapture() = 0;
};

void BeginMouseCapture(void* window);
void EndMouseCapture();
int MouseCaptureCount();

// The system's capture (nothing on the host); tests put their own in and null restores it.
TSeMouseCapturePlatform& SystemMouseCapture();
void SetMouseCapturePlatform(TSeMouseCapturePlatform* platform);
