#pragma once

#include <stdexcept>
#include <string>

// The root of the system's errors. Every error carries the message the user sees in the error
// box, in UTF-8. Subsystems derive named classes from it so that callers can tell them apart.
class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

// Formats a message with one "%s" in it, as the framework's resource strings do.
std::string FormatText(const std::string& pattern, const std::string& argument);
// The same with two "%s", filled in order.
std::string FormatText(const std::string& pattern, const std::string& first,
                          const std::string& second);

// Stream errors of the framework, with its messages.
class EStreamError : public Exception {
 public:
  using Exception::Exception;
};
// Errors of the component streams.
class EFilerError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
class EReadError : public EFilerError {
 public:
  using EFilerError::EFilerError;
};
class EClassNotFound : public EFilerError {
 public:
  using EFilerError::EFilerError;
};
class EWriteError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
class EFCreateError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
class EFOpenError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};

// Component errors: names, ownership.
class EComponentError : public Exception {
 public:
  using Exception::Exception;
};
// Assign between classes that do not know each other.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};
// An index outside a list.
class EListError : public Exception {
 public:
  using Exception::Exception;
};
// Malformed text of a component stream; the message names the line.
class EParserError : public Exception {
 public:
  using Exception::Exception;
};

namespace FrameworkMessages {
inline constexpr const char* SFCreateError = "Cannot create file %s";
inline constexpr const char* SFOpenError = "Cannot open file %s";
inline constexpr const char* SReadError = "Stream read error";
inline constexpr const char* SWriteError = "Stream write error";
inline constexpr const char* SInvalidImage = "Invalid stream format";
inline constexpr const char* SUnknownProperty = "Property %s does not exist";
inline constexpr const char* SInvalidPropertyValue = "Invalid property value";
inline constexpr const char* SClassNotFound = "Class %s not found";
inline constexpr const char* SAssignError = "Cannot assign a %s to a %s";
inline constexpr const char* SDuplicateName = "A component named %s already exists";
inline constexpr const char* SInvalidName = "'%s' is not a valid component name";
inline constexpr const char* SListIndexError = "List index out of bounds (%s)";
inline constexpr const char* SParseError = "%s on line %s";
}  // namespace FrameworkMessages
