#pragma once

// Errors of the windowing layer, with the messages the user sees.

#include <windows.h>

#include <string>

#include "framework/core/Exception.h"

class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};
class ECanvasError : public Exception {
 public:
  using Exception::Exception;
};
class EOutOfResources : public Exception {
 public:
  using Exception::Exception;
};
class EWin32Error : public Exception {
 public:
  using Exception::Exception;
};
// A failed call into an embedded (OLE) control.
class EOleError : public Exception {
 public:
  using Exception::Exception;
};
class EClipboardException : public Exception {
 public:
  using Exception::Exception;
};
class EResNotFound : public Exception {
 public:
  using Exception::Exception;
};

namespace UiMessages {
inline constexpr const char* SNoCanvasHandle = "Canvas does not allow drawing";
inline constexpr const char* SParentRequired = "Control '%s' has no parent window";
inline constexpr const char* SWindowClass = "Error creating window class";
inline constexpr const char* SWindowCreate = "Error creating window";
inline constexpr const char* SCannotFocus = "Cannot focus a disabled or invisible window";
inline constexpr const char* SVisibleChanged = "Cannot change Visible in OnShow or OnHide";
inline constexpr const char* SCannotShowModal = "Cannot make a visible window modal";
inline constexpr const char* SCannotOpenClipboard = "Cannot open clipboard";
inline constexpr const char* SResNotFound = "Resource %s not found";
inline constexpr const char* SOutOfResources = "Out of system resources";
inline constexpr const char* SOleError = "OLE error %s";
inline constexpr const char* SInvalidBitmap = "Bitmap image is not valid";
}  // namespace UiMessages

// The platform's last error as an exception with its system message.
[[noreturn]] void RaiseLastOSError();
