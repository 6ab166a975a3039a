// Must fail: Wine can report a crash (for example in a thread while the process ends) after the
// program has set a zero exit status; the runner must still fail the test. This probe writes
// Wine's crash report line and exits with 0.
#include <cstdio>

int main() {
  std::fputs("wine: Unhandled page fault on read access to 00000000 at address 00401000\n",
             stderr);
  return 0;
}
