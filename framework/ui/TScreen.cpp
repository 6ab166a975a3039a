#include "framework/ui/TScreen.h"

#include <algorithm>

#include "framework/core/win/Handles.h"
#include "framework/ui/TCustomForm.h"

namespace {

BOOL CALLBACK CountMonitor(HMONITOR, HDC, LPRECT, LPARAM data) {
  ++*reinterpret_cast<int*>(data);
  return TRUE;
}

}  // namespace

// Never freed: forms still unregister themselves while static objects are being destroyed.
TScreen* Screen = new TScreen;

TWinControl* TScreen::ActiveControl() const {
  return activeForm_ ? activeForm_->ActiveControl() : nullptr;
}

RECT TScreen::WorkAreaRect() const {
  RECT rect{0, 0, Width(), Height()};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &rect, 0);
  return rect;
}

int TScreen::MonitorCount() const {
  int count = 0;
  EnumDisplayMonitors(nullptr, nullptr, CountMonitor, reinterpret_cast<LPARAM>(&count));
  return std::max(count, 1);
}

int TScreen::PixelsPerInch() const {
  Handles::WindowDC dc(nullptr);
  return GetDeviceCaps(dc.Get(), LOGPIXELSY);
}

void TScreen::AddForm(TCustomForm* form) {
  forms_.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
  if (activeForm_ == form) activeForm_ = nullptr;
}
