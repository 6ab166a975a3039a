#pragma once

// Hidden windows that receive messages for non-visual components (timers, the application).
// Their procedure runs the method through the callback guard.

#include <windows.h>

#include <functional>

#include "framework/core/win/Handles.h"
#include "framework/ui/Messages.h"

// Answers true for a message it handled (its result in the record); the others go on to
// DefWindowProc.
using TUtilityMethod = std::function<bool(TMessage& message)>;

// The window keeps the method until its last message: destroying the window (the owner going)
// frees both.
// A hidden top-level window: findable, and able to own top-level windows (the application's).
Handles::Window AllocateUtilityWindow(TUtilityMethod method);
// A message-only window, for whatever only receives its own posted messages and timers. It
// costs the platform less than a top-level one (under Wine no X window is made for it).
Handles::Window AllocateMessageWindow(TUtilityMethod method);
