// Must fail: proves that a crashing Windows test fails its ctest entry instead of hanging.
#include <cstdio>

int main() {
  std::puts("about to crash");
  std::fflush(stdout);
  volatile int* nowhere = nullptr;
  *nowhere = 1;
  return 0;
}
