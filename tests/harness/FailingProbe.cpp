// Must fail: proves that a failing Windows test turns its ctest entry red.
#include <gtest/gtest.h>

TEST(HarnessProbe, FailsOnPurpose) { EXPECT_EQ(1 + 1, 3); }
