// Start-up of the program against the plain yardstick, in one run under the same system:
//   startup_bench PROGRAM.exe "MAIN TITLE" "SECOND TITLE" PLAIN.exe "MAIN" "SECOND" [RUNS]
// A start counts from CreateProcess until both windows exist, the main one is visible, the
// program waits for input (its start-up messages, the first paint included, are done) and the
// main window has nothing left to paint. Prints each median and their ratio.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double StartOnce(const std::wstring& program, const wchar_t* mainTitle, const wchar_t* second) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  std::wstring command = L"\"" + program + L"\"";
  LARGE_INTEGER start, now;
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return -1;
  double elapsed = -1;
  for (;;) {
    QueryPerformanceCounter(&now);
    if (Seconds(start, now) > 60) break;
    HWND main = FindWindowW(nullptr, mainTitle);
    if (main && IsWindowVisible(main) && FindWindowW(nullptr, second) &&
        WaitForInputIdle(process.hProcess, 0) == 0 && !GetUpdateRect(main, nullptr, FALSE)) {
      elapsed = Seconds(start, now);
      break;
    }
    Sleep(1);
  }
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return elapsed;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 7) {
    std::fprintf(stderr, "usage: startup_bench PROGRAM MAIN SECOND PLAIN MAIN SECOND [RUNS]\n");
    return 2;
  }
  const int runs = argc > 7 ? _wtoi(argv[7]) : 7;
  std::vector<double> program, plain;
  // Alternating, so that whatever the system does meanwhile falls on both alike; one start of
  // each first, unmeasured, to bring the files into the cache.
  StartOnce(argv[1], argv[2], argv[3]);
  StartOnce(argv[4], argv[5], argv[6]);
  for (int i = 0; i < runs; ++i) {
    program.push_back(StartOnce(argv[1], argv[2], argv[3]));
    plain.push_back(StartOnce(argv[4], argv[5], argv[6]));
    if (program.back() < 0 || plain.back() < 0) {
      std::fprintf(stderr, "startup_bench: a start did not finish\n");
      return 1;
    }
  }
  const double a = Median(program), b = Median(plain);
  std::printf("program: median %.1f ms over %d starts\n", a * 1000, runs);
  std::printf("plain:   median %.1f ms over %d starts\n", b * 1000, runs);
  std::printf("ratio:   %.2f (program / plain)\n", a / b);
  return 0;
}
