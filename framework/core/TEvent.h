#pragma once

#include <functional>
#include <string>
#include <utility>

class TObject;

// An event property: a handler plus, when the handler is a method published by a form, the
// method's name. Window definitions store the name and bind it back to the form's method after
// reading; a handler set in code without a name is not stored. Calling an empty event does
// nothing.
template <class... Args>
class TEvent {
 public:
  using THandler = std::function<void(Args...)>;

  TEvent() = default;
  TEvent(THandler handler, std::string methodName = {})
      : handler_(std::move(handler)), methodName_(std::move(methodName)) {}

  explicit operator bool() const { return static_cast<bool>(handler_); }
  void operator()(Args... args) const {
    if (handler_) handler_(std::forward<Args>(args)...);
  }
  const THandler& Handler() const { return handler_; }
  const std::string& MethodName() const { return methodName_; }

 private:
  THandler handler_;
  std::string methodName_;
};

using TNotifyEvent = TEvent<TObject*>;
