#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes a whole file so that it is either the new bytes or left exactly as it was: the bytes
// go to a temporary file in the same folder, which then replaces the target in one step. A
// failed or interrupted write leaves the old file intact and no temporary file behind, and
// fails with EFCreateError ("Cannot create file %s") naming the target. Names are UTF-8.
void WriteFileReplacing(const std::string& fileName, const std::vector<std::uint8_t>& bytes);
