#pragma once

#include "framework/core/TSet.h"

// Modifier keys and mouse buttons held during a keyboard or mouse event.
enum TShiftFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftFlag>;
