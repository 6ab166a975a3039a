#pragma once

#include <string>

#include "framework/core/TStream.h"

// The skin store's string: an int32 byte count, then the 8-bit characters. Reading grows the
// string only as bytes really arrive, so a hostile count cannot make a huge allocation; a
// negative count is "Invalid stream format", a short stream "Stream read error".
std::string ReadSkinString(TStream& stream);
void WriteSkinString(TStream& stream, const std::string& value);

// Reads count bytes in pieces, growing the buffer only as data arrives.
void ReadGrowing(TStream& stream, std::string& target, std::int64_t count);
