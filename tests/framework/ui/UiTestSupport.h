#pragma once

// Shared pieces of the real-window tests: a fixture that keeps error boxes off the screen and
// records them, and helpers that pump the thread's messages the way the program's loop does.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/ui/TApplication.h"
#include "framework/ui/TCustomForm.h"
#include "framework/ui/TForm.h"

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

// Handles what is queued now, through the application's loop step (dialog keys included).
inline void Pump() {
  for (int i = 0; i < 3; ++i) Application->ProcessMessages();
}

// A key as the platform delivers it to the focused window: down and up; the loop's
// translation makes the character.
inline void PressKey(HWND window, WORD key) {
  PostMessageW(window, WM_KEYDOWN, key, 1);
  PostMessageW(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
  Pump();
}

// Holds Shift in the thread's key state while alive (GetKeyState reads it).
class HeldShift {
 public:
  HeldShift() {
    GetKeyboardState(saved_);
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_SHIFT] = 0x80;
    SetKeyboardState(state);
  }
  ~HeldShift() { SetKeyboardState(saved_); }

 private:
  BYTE saved_[256];
};

class UiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application->ShowErrorBox = [this](const std::wstring&, const std::wstring& text) {
      errors.push_back(text);
    };
    Application->OnException = {};
  }
  void TearDown() override { Pump(); }

  // A form owned by the test.
  TForm* NewForm(int clientWidth = 300, int clientHeight = 200) {
    auto* form = new TForm(nullptr);
    form->SetBounds(50, 50, 100, 100);
    form->SetClientSize(clientWidth, clientHeight);
    return form;
  }

  std::vector<std::wstring> errors;
};
