#pragma once

// Auto-repeat timing for held buttons, in milliseconds, from the keyboard settings: the
// delay setting 0..3 and the speed setting 0..31 of the platform.
int KeyRepeatDelayFor(int delaySetting);
int KeyRepeatIntervalFor(int speedSetting);
int KeyRepeatDelay();
int KeyRepeatInterval();
