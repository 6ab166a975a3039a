// Message dispatch: the per-class tables are walked from the most derived class up and then to
// the default handler, for controls and for other objects alike; WindowProc can be replaced in
// front of it; a handler may destroy its own object; exceptions end in the registered handler
// (the application's) and the program goes on; the packed parameters read back signed.
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "UiTestSupport.h"
#include "framework/core/CallbackGuard.h"
#include "framework/ui/MessageParams.h"
#include "framework/ui/TButton.h"
#include "framework/ui/TForm.h"
#include "framework/ui/TTimer.h"
#include "framework/ui/TWinControl.h"
#include "framework/ui/UiErrors.h"
#include "framework/ui/UtilityWindow.h"

namespace {

constexpr UINT WM_BOTH = WM_APP + 1;       // handled by both classes
constexpr UINT WM_BASE_ONLY = WM_APP + 2;  // handled by the base only
constexpr UINT WM_NEITHER = WM_APP + 3;    // handled by no table
constexpr UINT WM_SUICIDE = WM_APP + 4;    // the handler deletes its control
constexpr UINT WM_RELAY = WM_APP + 5;      // the handler sends WM_SUICIDE to its own window
constexpr UINT WM_THROW = WM_APP + 6;      // the handler fails

std::vector<std::string> trace;

class TBaseProbe : public TWinControl {
  // clang-format off
  QM_MESSAGE_TABLE(TBaseProbe, TWinControl,
    QM_MESSAGE(WM_BOTH, Both)
    QM_MESSAGE(WM_BASE_ONLY, BaseOnly))
  // clang-format on

 public:
  explicit TBaseProbe(TComponent* owner) : TWinControl(owner) {}

 protected:
  void Both(TMessage& message) {
    trace.push_back("base");
    message.Result += 10;
  }
  void BaseOnly(TMessage& message) {
    trace.push_back("base-only");
    message.Result = 7;
  }
};

class TDerivedProbe : public TBaseProbe {
  // clang-format off
  QM_MESSAGE_TABLE(TDerivedProbe, TBaseProbe,
    QM_MESSAGE(WM_BOTH, Both)
    QM_MESSAGE(WM_SUICIDE, Suicide)
    QM_MESSAGE(WM_RELAY, Relay)
    QM_MESSAGE(WM_THROW, Throw))
  // clang-format on

 public:
  explicit TDerivedProbe(TComponent* owner) : TBaseProbe(owner) {}
  // A freed probe keeps its memory, filled with a pattern, until the next one is freed: a write
  // to it after the free shows as a changed byte, a virtual call through it crashes.
  static constexpr unsigned char kPoison = 0xDD;
  static inline unsigned char* freed = nullptr;
  static inline std::size_t freedSize = 0;
  static void* operator new(std::size_t size) { return ::operator new(size); }
  static void operator delete(void* block, std::size_t size) {
    ::operator delete(freed);
    std::memset(block, kPoison, size);
    freed = static_cast<unsigned char*>(block);
    freedSize = size;
  }
  void DefaultHandler(TMessage& message) override {
    if (message.Msg >= WM_APP) trace.push_back("default");
    TBaseProbe::DefaultHandler(message);
  }

 private:
  void Both(TMessage& message) {
    trace.push_back("derived");
    message.Result = 1;
    InheritedMessage<TDerivedProbe>(message);
  }
  void Suicide(TMessage& message) {
    message.Result = 99;
    delete this;
  }
  void Relay(TMessage& message) {
    message.Result = 5;  // the message lives in the dispatch, not in this object
    SendMessageW(Handle(), WM_SUICIDE, 0, 0);
  }
  void Throw(TMessage&) { throw std::runtime_error("from a handler"); }
};

class Dispatch : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    trace.clear();
    form.reset(NewForm());
    probe = new TDerivedProbe(form.get());
    probe->SetParent(form.get());
    probe->SetBounds(0, 0, 50, 50);
  }
  std::unique_ptr<TForm> form;
  TDerivedProbe* probe = nullptr;
};

TEST_F(Dispatch, DerivedHandlerRunsFirstThenBaseThenDefault) {
  EXPECT_EQ(probe->Perform(WM_BOTH), 11);
  EXPECT_EQ(trace, (std::vector<std::string>{"derived", "base"}));

  trace.clear();
  EXPECT_EQ(probe->Perform(WM_BASE_ONLY), 7);
  EXPECT_EQ(trace, (std::vector<std::string>{"base-only"}));

  trace.clear();
  probe->Perform(WM_NEITHER);
  EXPECT_EQ(trace, (std::vector<std::string>{"default"}));
}

TEST_F(Dispatch, PlatformMessagesTakeTheSamePath) {
  const HWND window = probe->Handle();
  EXPECT_EQ(SendMessageW(window, WM_BOTH, 0, 0), 11);
  EXPECT_EQ(trace, (std::vector<std::string>{"derived", "base"}));
  // The default handler of a framework window is the platform's: WM_GETTEXT reaches it.
  probe->SetText(L"probe");
  wchar_t text[16] = {};
  SendMessageW(window, WM_GETTEXT, 16, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"probe");
}

TEST_F(Dispatch, AReplacedWindowProcSeesMessagesFirstAndCanPassThemOn) {
  TWndMethod saved = probe->WindowProc;
  int seen = 0;
  probe->WindowProc = [&](TMessage& message) {
    if (message.Msg == WM_BOTH) {
      ++seen;
      if (message.WParam == 1) {  // swallowed by the hook
        message.Result = -1;
        return;
      }
    }
    saved(message);
  };
  EXPECT_EQ(SendMessageW(probe->Handle(), WM_BOTH, 0, 0), 11);
  EXPECT_EQ(SendMessageW(probe->Handle(), WM_BOTH, 1, 0), -1);
  probe->WindowProc = saved;  // the hook's state ends with this test
  EXPECT_EQ(seen, 2);
  EXPECT_EQ(trace.size(), 2u);  // only the first reached the tables
}

TEST_F(Dispatch, AHandlerMayDestroyItsOwnControl) {
  const HWND window = probe->Handle();
  ASSERT_TRUE(IsWindow(window));
  EXPECT_EQ(SendMessageW(window, WM_SUICIDE, 0, 0), 99);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(form->ControlCount(), 0);
  EXPECT_TRUE(form->TabList().empty());
  EXPECT_EQ(form->ComponentCount(), 0);
}

TEST_F(Dispatch, AControlDestroyedTwoDispatchesDeepIsNotTouchedByEither) {
  const HWND window = probe->Handle();
  const void* memory = probe;
  EXPECT_EQ(SendMessageW(window, WM_RELAY, 0, 0), 5);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(form->ControlCount(), 0);
  ASSERT_EQ(TDerivedProbe::freed, memory);
  std::size_t touched = 0;
  for (std::size_t i = 0; i < TDerivedProbe::freedSize; ++i)
    if (TDerivedProbe::freed[i] != TDerivedProbe::kPoison) ++touched;
  EXPECT_EQ(touched, 0u);
}

TEST_F(Dispatch, AnExceptionInAClickReachesTheApplicationAndTheProgramGoesOn) {
  auto* button = new TButton(form.get());
  button->SetParent(form.get());
  button->SetCaption(L"Go");
  int clicks = 0;
  button->OnClick = {[&](TObject*) {
    ++clicks;
    throw Exception("Cannot create file C:\\x.html");
  }};
  form->Show();
  Pump();
  // A real click through the platform button: BN_CLICKED comes back as CN_COMMAND.
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  Pump();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], L"Cannot create file C:\\x.html.");
  EXPECT_EQ(clicks, 1);

  // The loop and the window still work: another message, another click.
  EXPECT_EQ(SendMessageW(probe->Handle(), WM_BOTH, 0, 0), 11);
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(errors.size(), 2u);
}

TEST_F(Dispatch, OnExceptionReplacesTheErrorBox) {
  std::string seen;
  Application->OnException = [&](TApplication*, const std::exception& e) { seen = e.what(); };
  const HWND window = probe->Handle();
  TWndMethod saved = probe->WindowProc;
  probe->WindowProc = [](TMessage&) { throw std::runtime_error("from a hook"); };
  SendMessageW(window, WM_NEITHER, 0, 0);
  probe->WindowProc = saved;
  Application->OnException = {};
  EXPECT_EQ(seen, "from a hook");
  EXPECT_TRUE(errors.empty());
}

TEST_F(Dispatch, AnExceptionInATimerIsHandledAndTheTimerKeepsRunning) {
  TTimer timer(nullptr);
  int ticks = 0;
  timer.OnTimer = {[&](TObject*) {
    ++ticks;
    throw Exception("tick failed");
  }};
  timer.SetInterval(10);
  const DWORD start = GetTickCount();
  while (ticks < 2 && GetTickCount() - start < 3000) {
    Application->HandleMessage();
  }
  EXPECT_GE(ticks, 2);
  EXPECT_GE(errors.size(), 2u);
  EXPECT_EQ(errors[0], L"tick failed.");
}

// A component that is no control with tables of its own, as the frame's hooks are: the
// dispatcher is its second base, so every handler call goes through a pointer adjustment.
class THookProbe : public TComponent, public TMessageDispatcher {
  // clang-format off
  QM_MESSAGE_TABLE(THookProbe, TMessageDispatcher,
    QM_MESSAGE(WM_BOTH, Both)
    QM_MESSAGE(WM_SUICIDE, Suicide))
  // clang-format on

 public:
  explicit THookProbe(TComponent* owner) : TComponent(owner) {}
  void DefaultHandler(TMessage& message) override {
    trace.push_back("hook default");
    message.Result = -1;
  }
  int Calls = 0;

 protected:
  void Both(TMessage& message) {
    trace.push_back("hook base");
    message.Result += ++Calls;  // the object's own state: the adjusted pointer is right
  }

 private:
  void Suicide(TMessage&) {
    TMessageDispatcher::TLifetimeCheck inner(*this);
    delete this;
    trace.push_back(inner.Destroyed() ? "inner sees it gone" : "inner missed it");
  }
};

class TDerivedHookProbe : public THookProbe {
  // clang-format off
  QM_MESSAGE_TABLE(TDerivedHookProbe, THookProbe,
    QM_MESSAGE(WM_BOTH, Both))
  // clang-format on

 public:
  explicit TDerivedHookProbe(TComponent* owner) : THookProbe(owner) {}

 private:
  void Both(TMessage& message) {
    trace.push_back("hook derived");
    message.Result = 10;
    InheritedMessage<TDerivedHookProbe>(message);
  }
};

TEST(DispatchBeyondControls, AnyObjectWalksItsTablesAndMaySurviveOrDestroyItself) {
  trace.clear();
  TComponent owner(nullptr);
  auto* hook = new TDerivedHookProbe(&owner);
  TMessage both{WM_BOTH, 0, 0, 0};
  TMessage neither{WM_NEITHER, 0, 0, 0};
  {
    TMessageDispatcher::TLifetimeCheck alive(*hook);
    hook->Dispatch(both);
    hook->Dispatch(neither);
    EXPECT_FALSE(alive.Destroyed());
  }
  EXPECT_EQ(both.Result, 11);
  EXPECT_EQ(neither.Result, -1);
  EXPECT_EQ(trace, (std::vector<std::string>{"hook derived", "hook base", "hook default"}));

  // A handler that frees its own object: every open check, inner and outer, learns it.
  trace.clear();
  TMessage suicide{WM_SUICIDE, 0, 0, 0};
  TMessageDispatcher::TLifetimeCheck outer(*hook);
  hook->Dispatch(suicide);
  EXPECT_TRUE(outer.Destroyed());
  EXPECT_EQ(trace, (std::vector<std::string>{"inner sees it gone"}));
  EXPECT_EQ(owner.ComponentCount(), 0);
}

std::vector<std::string> caught;

void Catch(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    caught.push_back(e.what());
  }
}

TEST_F(Dispatch, EveryCallbackReportsThroughTheRegisteredHandlerAndTheLoopGoesOn) {
  caught.clear();
  const TCallbackExceptionHandler previous = SetCallbackExceptionHandler(&Catch);
  // A window procedure, through the program's loop; the next message is handled as usual.
  PostMessageW(probe->Handle(), WM_THROW, 0, 0);
  PostMessageW(probe->Handle(), WM_BOTH, 0, 0);
  Pump();
  EXPECT_EQ(trace, (std::vector<std::string>{"derived", "base"}));
  // A utility window (a timer's): the failed message counts as handled, the others reach the
  // default.
  {
    const Handles::Window window = AllocateUtilityWindow([](TMessage& message) {
      if (message.Msg == WM_THROW) throw std::runtime_error("from a utility window");
      return false;
    });
    EXPECT_EQ(SendMessageW(window.Get(), WM_THROW, 0, 0), 0);
    SetWindowTextW(window.Get(), L"still there");
    EXPECT_EQ(SendMessageW(window.Get(), WM_GETTEXTLENGTH, 0, 0), 11);
  }
  SetCallbackExceptionHandler(previous);
  EXPECT_EQ(caught, (std::vector<std::string>{"from a handler", "from a utility window"}));
  EXPECT_TRUE(errors.empty());  // the application was not asked
}

// Records what the readers make of the position, size and non-client messages it is sent.
class TParamProbe : public TForm {
  // clang-format off
  QM_MESSAGE_TABLE(TParamProbe, TForm,
    QM_MESSAGE(WM_NCHITTEST, NcHitTest)
    QM_MESSAGE(WM_NCLBUTTONDOWN, NcButtonDown)
    QM_MESSAGE(WM_WINDOWPOSCHANGING, PosChanging)
    QM_MESSAGE(WM_NCCALCSIZE, NcCalcSize)
    QM_MESSAGE(WM_GETMINMAXINFO, MinMaxInfo)
    QM_MESSAGE(WM_SIZE, Size))
  // clang-format on

 public:
  explicit TParamProbe(TComponent* owner) : TForm(owner) {}
  POINT hit{}, button{};
  int hitCode = 0;
  WINDOWPOS pos{};
  RECT proposed{};
  bool fullCalcSize = false;
  MessageParams::TSizeParams size{};

 private:
  void NcHitTest(TMessage& message) {
    hit = MessageParams::Point(message);
    InheritedMessage<TParamProbe>(message);
  }
  void NcButtonDown(TMessage& message) {  // not passed on: no move or size loop starts
    button = MessageParams::Point(message);
    hitCode = MessageParams::HitTest(message);
  }
  void PosChanging(TMessage& message) {
    pos = MessageParams::WindowPos(message);
    InheritedMessage<TParamProbe>(message);
  }
  void NcCalcSize(TMessage& message) {
    fullCalcSize = MessageParams::CalcSizeParams(message) != nullptr;
    proposed = MessageParams::CalcSizeRect(message);
    InheritedMessage<TParamProbe>(message);
  }
  void MinMaxInfo(TMessage& message) {
    InheritedMessage<TParamProbe>(message);
    MessageParams::MinMaxInfo(message).ptMinTrackSize = POINT{333, 222};
  }
  void Size(TMessage& message) {
    size = MessageParams::Size(message);
    InheritedMessage<TParamProbe>(message);
  }
};

TEST_F(Dispatch, PackedParametersReadBackSignedFromRealMessages) {
  std::unique_ptr<TParamProbe> window(new TParamProbe(nullptr));
  const HWND handle = window->Handle();
  // Points on a monitor left of and above the primary one.
  SendMessageW(handle, WM_NCHITTEST, 0, MAKELPARAM(-100, -5));
  EXPECT_EQ(window->hit.x, -100);
  EXPECT_EQ(window->hit.y, -5);
  SendMessageW(handle, WM_NCLBUTTONDOWN, static_cast<WPARAM>(HTERROR), MAKELPARAM(-1200, 300));
  EXPECT_EQ(window->button.x, -1200);
  EXPECT_EQ(window->button.y, 300);
  EXPECT_EQ(window->hitCode, HTERROR);

  // A move to negative coordinates with a size below the minimum the handler sets.
  SetWindowPos(handle, nullptr, -300, -20, 250, 150,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  EXPECT_EQ(window->pos.x, -300);
  EXPECT_EQ(window->pos.y, -20);
  RECT placed{};
  GetWindowRect(handle, &placed);
  EXPECT_EQ(placed.right - placed.left, 333);
  EXPECT_EQ(placed.bottom - placed.top, 222);
  EXPECT_TRUE(window->fullCalcSize);
  EXPECT_EQ(window->proposed.left, -300);
  EXPECT_EQ(window->proposed.top, -20);
  EXPECT_EQ(window->proposed.right, -300 + 333);
  RECT client{};
  GetClientRect(handle, &client);
  EXPECT_EQ(window->size.Type, static_cast<UINT>(SIZE_RESTORED));
  EXPECT_EQ(window->size.Width, client.right);
  EXPECT_EQ(window->size.Height, client.bottom);
}

}  // namespace
