#include <windows.h>

#include "skin/objects/SeKeyRepeat.h"

int KeyRepeatDelay() {
  int setting = 1;
  SystemParametersInfoW(SPI_GETKEYBOARDDELAY, 0, &setting, 0);
  return KeyRepeatDelayFor(setting);
}

int KeyRepeatInterval() {
  DWORD setting = 31;
  SystemParametersInfoW(SPI_GETKEYBOARDSPEED, 0, &setting, 0);
  return KeyRepeatIntervalFor(static_cast<int>(setting));
}
