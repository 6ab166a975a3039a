#include "skin/objects/SeKeyRepeat.h"

#include <cmath>

int KeyRepeatDelayFor(int delaySetting) {
  return delaySetting * 200 + 200;
}

int KeyRepeatIntervalFor(int speedSetting) {
  return static_cast<int>(std::nearbyint(1000.0 / ((speedSetting + 1) * 2.3)));
}
