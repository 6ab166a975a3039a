#include "skin/objects/SeKeyRepeat.h"

// The platform's default settings: delay 1, speed 31.
int KeyRepeatDelay() {
  return KeyRepeatDelayFor(1);
}
int KeyRepeatInterval() {
  return KeyRepeatIntervalFor(31);
}
