#pragma once

#include <cstdint>

// The skin engine's change announcements, in the application's message range. Both carry the
// engine as wParam and lParam; a client ignores them unless lParam is its own engine. On the
// first it drops its copy of the skin, on the second it binds again and repaints.
inline constexpr std::uint32_t SE_BEFORECHANGE = 0x06A7;
inline constexpr std::uint32_t SE_AFTERCHANGE = 0x06A6;
