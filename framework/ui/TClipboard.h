#pragma once

// The system clipboard's text, wide and 8-bit (ANSI code page) both ways. Setting text puts
// both formats on the clipboard so every reader finds one it knows.

#include <string>

class TClipboard {
 public:
  TClipboard() = default;
  TClipboard(const TClipboard&) = delete;
  TClipboard& operator=(const TClipboard&) = delete;

  std::wstring AsText();
  void SetAsText(const std::wstring& text);
  // Bytes in the ANSI code page.
  std::string AsAnsiText();
  void SetAsAnsiText(const std::string& text);
  bool HasText();
  void Clear();

 private:
  class Session;
};

// The program's clipboard.
TClipboard& Clipboard();
