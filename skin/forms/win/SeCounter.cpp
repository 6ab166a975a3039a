#include <windows.h>

#include "skin/forms/TSeTimer.h"

namespace SeCounter {

std::int64_t Now() {
  LARGE_INTEGER value{};
  QueryPerformanceCounter(&value);
  return value.QuadPart;
}

std::int64_t Frequency() {
  LARGE_INTEGER value{};
  QueryPerformanceFrequency(&value);
  return value.QuadPart;
}

}  // namespace SeCounter
