#pragma once

#include <cstdint>
#include <vector>

class TAnsiCodePage;
class TStrings;

// The bytes of a saved memo: every line, the last one too, ended by CR LF, in the ANSI code
// page with no byte-order mark. A character the code page lacks becomes '?', as the platform's
// own conversion does, so the file keeps one character per typed character.
std::vector<std::uint8_t> AnsiTextFileBytes(const TStrings& lines, const TAnsiCodePage& codePage);
