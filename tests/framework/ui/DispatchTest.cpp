// Message dispatch: the per-class tables are walked from the most derived class up and then to
// the default handler; WindowProc can be replaced in front of it; a handler may destroy its own
// control; exceptions end in the application's handler and the program goes on.
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "UiTestSupport.h"
#include "framework/ui/TButton.h"
#include "framework/ui/TForm.h"
#include "framework/ui/TTimer.h"
#include "framework/ui/TWinControl.h"
#include "framework/ui/UiErrors.h"

namespace {

constexpr UINT WM_BOTH = WM_APP + 1;       // handled by both classes
constexpr UINT WM_BASE_ONLY = WM_APP + 2;  // handled by the base only
constexpr UINT WM_NEITHER = WM_APP + 3;    // handled by no table
constexpr UINT WM_SUICIDE = WM_APP + 4;    // the handler deletes its control
constexpr UINT WM_RELAY = WM_APP + 5;      // the handler sends WM_SUICIDE to its own window

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
    QM_MESSAGE(WM_RELAY, Relay))
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

}  // namespace
