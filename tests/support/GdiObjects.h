#pragma once

// The live GDI objects of this process, for the soak tests of every layer.

#include <windows.h>

// Wine answers GetGuiResources with 0, so there the count comes from the process's own GDI
// handle table (the 32-bit layout Windows and Wine share: 24-byte entries, a non-zero type when
// live).
inline DWORD GdiObjects() {
  const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (counted != 0) return counted;
  // The process environment block holds the table's address (32-bit layout).
  struct BasicInformation {
    LONG ExitStatus;
    const unsigned char* PebBaseAddress;
    ULONG_PTR Reserved[4];
  } info{};
  using QueryProcess = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
  auto query = reinterpret_cast<QueryProcess>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  if (!query || query(GetCurrentProcess(), 0, &info, sizeof(info), nullptr) != 0) return 0;
  const auto* table = *reinterpret_cast<const unsigned char* const*>(info.PebBaseAddress + 0x94);
  if (!table) return 0;
  constexpr int kEntries = 0x10000;
  constexpr int kEntrySize = 24;
  constexpr int kTypeOffset = 14;
  DWORD live = 0;
  for (int i = 0; i < kEntries; ++i)
    if (table[i * kEntrySize + kTypeOffset] != 0) ++live;
  return live;
}
