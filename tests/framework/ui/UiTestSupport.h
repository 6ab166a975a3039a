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
#include "tests/support/GdiObjects.h"

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
