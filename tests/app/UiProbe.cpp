// uiprobe: what a window-spy tool shows about another program's windows, for the end-to-end
// tests that drive the program with real X11 input. It only reads (window tree, focus, object
// counts); it never sends the program a message.
//
//   uiprobe tree TITLE     the top-level window TITLE and its descendants, one per line:
//                          depth hwnd class visible enabled left top right bottom style text
//                          (screen coordinates; the first line also gives the client origin)
//   uiprobe focus TITLE    the window that has the keyboard focus in TITLE's thread, and the
//                          active window
//   uiprobe exists TITLE   exit status 0 when a top-level window TITLE exists (visible or not)
//   uiprobe counts TITLE   the GDI and USER objects of TITLE's process
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                      nullptr, nullptr);
  // One line per window: line breaks in a text are shown escaped.
  std::string shown;
  for (char c : out) {
    if (c == '\r')
      shown += "\\r";
    else if (c == '\n')
      shown += "\\n";
    else
      shown += c;
  }
  return shown;
}

std::wstring Text(HWND window) {
  // WM_GETTEXT across processes is marshalled by the system; a hung program must not hang us.
  wchar_t buffer[512] = {};
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buffer),
                           SMTO_ABORTIFHUNG, 1000, &length))
    return {};
  return std::wstring(buffer, length < 512 ? length : 511);
}

void PrintWindow(HWND window, int depth) {
  wchar_t className[128] = {};
  GetClassNameW(window, className, 128);
  RECT rect{};
  GetWindowRect(window, &rect);
  std::printf("%d %08lx %s %d %d %ld %ld %ld %ld %08lx %s", depth,
              static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(window)),
              Utf8(className).c_str(), IsWindowVisible(window) ? 1 : 0,
              IsWindowEnabled(window) ? 1 : 0, rect.left, rect.top, rect.right, rect.bottom,
              static_cast<unsigned long>(GetWindowLongW(window, GWL_STYLE)),
              Utf8(Text(window)).c_str());
  if (depth == 0) {
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    std::printf("\t%ld %ld", origin.x, origin.y);
  }
  std::printf("\n");
}

void PrintTree(HWND window, int depth) {
  PrintWindow(window, depth);
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    PrintTree(child, depth + 1);
}

// Wine answers GetGuiResources with 0: then the GDI objects are counted in the program's own
// handle table (the 32-bit layout Windows and Wine share: its address in the process
// environment block, 24-byte entries, a non-zero type when live).
DWORD GdiObjects(HANDLE process) {
  const DWORD counted = GetGuiResources(process, GR_GDIOBJECTS);
  if (counted != 0) return counted;
  struct BasicInformation {
    LONG ExitStatus;
    ULONG_PTR PebBaseAddress;
    ULONG_PTR Reserved[4];
  } info{};
  using QueryProcess = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
  auto query = reinterpret_cast<QueryProcess>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  if (!query || query(process, 0, &info, sizeof(info), nullptr) != 0) return 0;
  DWORD tableAddress = 0;
  if (!ReadProcessMemory(process, reinterpret_cast<const void*>(info.PebBaseAddress + 0x94),
                         &tableAddress, sizeof(tableAddress), nullptr) ||
      tableAddress == 0)
    return 0;
  constexpr std::size_t kEntries = 0x10000, kEntrySize = 24, kTypeOffset = 14;
  std::vector<unsigned char> table(kEntries * kEntrySize);
  if (!ReadProcessMemory(process,
                         reinterpret_cast<const void*>(static_cast<ULONG_PTR>(tableAddress)),
                         table.data(), table.size(), nullptr))
    return 0;
  DWORD live = 0;
  for (std::size_t i = 0; i < kEntries; ++i)
    if (table[i * kEntrySize + kTypeOffset] != 0) ++live;
  return live;
}

struct WindowCount {
  DWORD ProcessId;
  DWORD Windows = 0;
};

BOOL CALLBACK CountChild(HWND window, LPARAM param) {
  auto* count = reinterpret_cast<WindowCount*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == count->ProcessId) ++count->Windows;
  return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM param) {
  CountChild(window, param);
  EnumChildWindows(window, CountChild, param);
  return TRUE;
}

// Wine answers GetGuiResources with 0 for USER objects too; windows are the USER objects a
// leaking handler would pile up, so then the program's windows (message-only ones included)
// are counted.
DWORD UserObjects(HANDLE process, DWORD processId) {
  const DWORD counted = GetGuiResources(process, GR_USEROBJECTS);
  if (counted != 0) return counted;
  WindowCount count{processId};
  EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&count));
  for (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); window;
       window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr))
    CountTopLevel(window, reinterpret_cast<LPARAM>(&count));
  return count.Windows;
}

struct TitleSearch {
  const wchar_t* Title;
  HWND Visible = nullptr;
  HWND Any = nullptr;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<TitleSearch*>(param);
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  if (std::wstring(text) != search->Title) return TRUE;
  if (!search->Any) search->Any = window;
  if (IsWindowVisible(window) && !search->Visible) search->Visible = window;
  return TRUE;
}

// A program's hidden application window may carry its main window's title: the visible
// window of that title is the one a user means.
HWND FindTopLevel(const wchar_t* title) {
  TitleSearch search{title};
  EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
  return search.Visible ? search.Visible : search.Any;
}

int Usage() {
  std::fprintf(stderr, "usage: uiprobe tree|focus|exists|counts TITLE\n");
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return Usage();
  const std::wstring command = argv[1];
  HWND window = FindTopLevel(argv[2]);
  if (command == L"exists") return window ? 0 : 1;
  if (!window) {
    std::fprintf(stderr, "uiprobe: no window \"%s\"\n", Utf8(argv[2]).c_str());
    return 1;
  }
  if (command == L"tree") {
    PrintTree(window, 0);
  } else if (command == L"focus") {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return 1;
    std::printf("%08lx %08lx\n",
                static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(info.hwndFocus)),
                static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(info.hwndActive)));
  } else if (command == L"counts") {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (!process) return 1;
    std::printf("%lu %lu\n", static_cast<unsigned long>(GdiObjects(process)),
                static_cast<unsigned long>(UserObjects(process, processId)));
    CloseHandle(process);
  } else {
    return Usage();
  }
  std::fflush(stdout);
  return 0;
}
