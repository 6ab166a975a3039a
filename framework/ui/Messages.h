#pragma once

// The framework's own messages, the message record handed to handlers, and the per-class
// message tables. A class lists the messages it handles in one table in its header; dispatch
// walks the tables from the most derived class to the root and then falls back to the
// default handler.

#include <windows.h>

#include <cstddef>
#include <utility>

// Component messages: sent between controls and forms, never by the platform.
inline constexpr UINT CM_BASE = 0xB000;
inline constexpr UINT CM_ACTIVATE = CM_BASE + 0;
inline constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
inline constexpr UINT CM_GOTFOCUS = CM_BASE + 2;
inline constexpr UINT CM_LOSTFOCUS = CM_BASE + 3;
inline constexpr UINT CM_CANCELMODE = CM_BASE + 4;
inline constexpr UINT CM_DIALOGKEY = CM_BASE + 5;
inline constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
inline constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;
inline constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
inline constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
inline constexpr UINT CM_HITTEST = CM_BASE + 10;
inline constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
inline constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
inline constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
inline constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
inline constexpr UINT CM_CURSORCHANGED = CM_BASE + 15;
inline constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
inline constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
inline constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
inline constexpr UINT CM_BUTTONPRESSED = CM_BASE + 24;
inline constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 25;
inline constexpr UINT CM_ENTER = CM_BASE + 26;
inline constexpr UINT CM_EXIT = CM_BASE + 27;
inline constexpr UINT CM_DESIGNHITTEST = CM_BASE + 28;
inline constexpr UINT CM_ICONCHANGED = CM_BASE + 29;
inline constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 30;
inline constexpr UINT CM_RELEASE = CM_BASE + 33;
inline constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 34;
inline constexpr UINT CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
inline constexpr UINT CM_SYSCOLORCHANGE = CM_BASE + 36;
inline constexpr UINT CM_TABSTOPCHANGED = CM_BASE + 40;
inline constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 44;
inline constexpr UINT CM_CHILDKEY = CM_BASE + 46;
inline constexpr UINT CM_HINTSHOW = CM_BASE + 48;
inline constexpr UINT CM_RECREATEWND = CM_BASE + 51;
inline constexpr UINT CM_INVALIDATE = CM_BASE + 52;
inline constexpr UINT CM_SYSFONTCHANGED = CM_BASE + 53;
inline constexpr UINT CM_CONTROLCHANGE = CM_BASE + 54;
inline constexpr UINT CM_BIDIMODECHANGED = CM_BASE + 60;
inline constexpr UINT CM_PARENTBIDIMODECHANGED = CM_BASE + 61;

// Notifications the platform sends to a parent, reflected back to the child control they are
// about (a button's BN_CLICKED arrives at the button as CN_COMMAND).
inline constexpr UINT CN_BASE = 0xBC00;
inline constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
inline constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
inline constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
inline constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
inline constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
inline constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
inline constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;

struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

class TMessageDispatcher;

// One class's handlers. The thunk casts back to the class that declared the entry.
struct TMessageEntry {
  UINT Msg;
  void (*Handler)(TMessageDispatcher& self, TMessage& message);
};

struct TMessageTable {
  const TMessageTable* Base;  // the parent class's table, nullptr at the root
  const TMessageEntry* Entries;
  std::size_t Count;

  const TMessageEntry* Find(UINT msg) const {
    for (std::size_t i = 0; i < Count; ++i)
      if (Entries[i].Msg == msg) return &Entries[i];
    return nullptr;
  }
};

template <class T, void (T::*Method)(TMessage&)>
void MessageThunk(TMessageDispatcher& self, TMessage& message) {
  (static_cast<T&>(self).*Method)(message);
}

// Anything that handles messages by number: controls, and components that stand in front of a
// window (the frame's hooks). Dispatch walks the class tables from the most derived class up
// and then calls DefaultHandler.
class TMessageDispatcher {
 public:
  TMessageDispatcher(const TMessageDispatcher&) = delete;
  TMessageDispatcher& operator=(const TMessageDispatcher&) = delete;

  // The root table: no handlers.
  static const TMessageTable& ClassMessageTable();
  virtual const TMessageTable& MessageTable() const { return ClassMessageTable(); }
  // Hands the message to the first handler in the class tables, most derived first.
  void Dispatch(TMessage& message) { DispatchFrom(&MessageTable(), message); }
  // What a message no table handles gets; nothing here.
  virtual void DefaultHandler(TMessage& message) { (void)message; }
  // Continues dispatch above Class: the base class's handler for the same message.
  template <class Class>
  void InheritedMessage(TMessage& message) {
    DispatchFrom(Class::ClassMessageTable().Base, message);
  }

  // Open while a message is being handled by the target. A handler may destroy its own object
  // (a form freed by its close message): the destructor marks every open check, and the code
  // around the dispatch must not touch the object when Destroyed() says so. Checks nest.
  class TLifetimeCheck {
   public:
    explicit TLifetimeCheck(TMessageDispatcher& target)
        : target_(&target), next_(std::exchange(target.checks_, this)) {}
    TLifetimeCheck(const TLifetimeCheck&) = delete;
    TLifetimeCheck& operator=(const TLifetimeCheck&) = delete;
    ~TLifetimeCheck() {
      if (target_) target_->checks_ = next_;
    }
    bool Destroyed() const { return target_ == nullptr; }

   private:
    friend class TMessageDispatcher;
    TMessageDispatcher* target_;
    TLifetimeCheck* next_;
  };

 protected:
  TMessageDispatcher() = default;
  virtual ~TMessageDispatcher();
  void DispatchFrom(const TMessageTable* table, TMessage& message);

 private:
  TLifetimeCheck* checks_ = nullptr;
};

// Inside a class body:
//   QM_MESSAGE_TABLE(TMyControl, TBase,
//                    QM_MESSAGE(WM_PAINT, WMPaint) QM_MESSAGE(CM_ENTER, CMEnter))
// declares the class's table and hooks it into dispatch. A handler that wants the base class's
// behaviour for the same message calls InheritedMessage<TMyControl>(message).
#define QM_MESSAGE(msg, method) TMessageEntry{msg, &MessageThunk<QmSelf, &QmSelf::method>},

#define QM_MESSAGE_TABLE(Class, BaseClass, ...)                                     \
 public:                                                                            \
  static const TMessageTable& ClassMessageTable() {                                 \
    using QmSelf = Class;                                                           \
    static const TMessageEntry entries[] = {__VA_ARGS__ TMessageEntry{0, nullptr}}; \
    static const TMessageTable table{&BaseClass::ClassMessageTable(), entries,      \
                                     sizeof(entries) / sizeof(entries[0]) - 1};     \
    return table;                                                                   \
  }                                                                                 \
  const TMessageTable& MessageTable() const override {                              \
    return ClassMessageTable();                                                     \
  }                                                                                 \
                                                                                    \
 private:
