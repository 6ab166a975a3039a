#include "framework/core/TAnsiCodePage.h"
#include "framework/core/TWindows1252CodePage.h"

// The host has no system ANSI code page; Windows-1252 is what a Western Windows uses.
const TAnsiCodePage& TAnsiCodePage::System() {
  return TWindows1252CodePage::Instance();
}
