#pragma once

// Hidden windows that receive messages for non-visual components (timers, the application).
// Their procedure catches every exception and hands it to the application.

#include <windows.h>

#include <functional>

#include "framework/ui/Messages.h"

using TUtilityMethod = std::function<void(TMessage& message)>;

// The method answers every message; it may leave the default to DefWindowProc by calling it.
HWND AllocateUtilityWindow(TUtilityMethod method);
void DeallocateUtilityWindow(HWND window);
