#pragma once

#include <windows.h>

#include <mutex>
#include <unordered_map>

// A value kept beside each window of this process, looked up by the window's handle. It does
// what a window property would, in the process's own memory: a window property is a trip to
// the window server for every lookup (some 45 us under Wine), and a window procedure that
// finds its object through one pays it on every message.
//
// A handle is reused once its window is gone, so whoever sets a value removes it at
// WM_NCDESTROY at the latest. A value that was never set reads as T{}.
template <class T>
class TWindowMap {
 public:
  TWindowMap() = default;
  TWindowMap(const TWindowMap&) = delete;
  TWindowMap& operator=(const TWindowMap&) = delete;

  T Get(HWND window) const {
    const std::lock_guard<std::mutex> lock(mutex_);
    const auto found = values_.find(window);
    return found == values_.end() ? T{} : found->second;
  }
  void Set(HWND window, T value) {
    const std::lock_guard<std::mutex> lock(mutex_);
    values_[window] = value;
  }
  void Remove(HWND window) {
    const std::lock_guard<std::mutex> lock(mutex_);
    values_.erase(window);
  }

 private:
  mutable std::mutex mutex_;
  std::unordered_map<HWND, T> values_;
};
