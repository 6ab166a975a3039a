// The callback boundary and the scope guard: what escapes a callback reaches the registered
// handler and the caller gets the fallback; a restoring action runs on every path out, and its
// own error never meets another one in flight.
#include "framework/core/CallbackGuard.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "framework/core/ScopeGuard.h"

namespace {

std::vector<std::string> reported;

void Record(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    reported.push_back(e.what());
  } catch (...) {
    reported.push_back("?");
  }
}

void Fail(std::exception_ptr) {
  throw std::runtime_error("the report failed too");
}

class Guards : public ::testing::Test {
 protected:
  void SetUp() override {
    reported.clear();
    previous = SetCallbackExceptionHandler(&Record);
  }
  void TearDown() override { SetCallbackExceptionHandler(previous); }
  TCallbackExceptionHandler previous = nullptr;
};

TEST_F(Guards, AnEscapingErrorIsReportedAndTheFallbackAnswered) {
  EXPECT_EQ(GuardCallback(-7, [] { return 3; }), 3);
  EXPECT_TRUE(reported.empty());

  EXPECT_EQ(GuardCallback(-7, []() -> int { throw std::runtime_error("from a handler"); }), -7);
  GuardCallback([] { throw 42; });  // not a std::exception: still reported
  EXPECT_EQ(reported, (std::vector<std::string>{"from a handler", "?"}));

  // The handler is the registered function, whoever set it; a failing or missing one lets
  // nothing through either.
  EXPECT_EQ(SetCallbackExceptionHandler(&Fail), &Record);
  EXPECT_EQ(GuardCallback(false, []() -> bool { throw std::logic_error("x"); }), false);
  SetCallbackExceptionHandler(nullptr);
  GuardCallback([] { throw std::logic_error("dropped"); });
  EXPECT_EQ(reported.size(), 2u);
}

TEST_F(Guards, TheRestoringActionRunsOnEveryPathOut) {
  int state = 1;
  {
    state = 2;
    ScopeGuard restore([&] { state = 1; });
  }
  EXPECT_EQ(state, 1);

  EXPECT_THROW(
      {
        state = 2;
        ScopeGuard restore([&] { state = 1; });
        throw std::runtime_error("midway");
      },
      std::runtime_error);
  EXPECT_EQ(state, 1);

  {
    state = 2;
    ScopeGuard restore([&] { state = 1; });
    restore.Dismiss();  // the change is kept
  }
  EXPECT_EQ(state, 2);
  EXPECT_TRUE(reported.empty());
}

TEST_F(Guards, TheActionsOwnErrorGoesToTheCallerOrToTheHandlerWhileAnotherIsInFlight) {
  // A normal exit: the caller sees the action's error as from any other code.
  try {
    ScopeGuard restore([] { throw std::runtime_error("restore failed"); });
  } catch (const std::exception& e) {
    reported.push_back(std::string("caller: ") + e.what());
  }
  // Unwinding: the first error goes on to the caller, the action's is reported.
  try {
    ScopeGuard restore([] { throw std::runtime_error("restore failed"); });
    throw std::runtime_error("first");
  } catch (const std::exception& e) {
    reported.push_back(std::string("caller: ") + e.what());
  }
  EXPECT_EQ(reported, (std::vector<std::string>{"caller: restore failed", "restore failed",
                                                "caller: first"}));
}

}  // namespace
