#pragma once

#include <string>

// The folder of the running program, ending with a separator, in UTF-8: skin files named
// without a folder are also looked for there. Tests put their own folder in its place.
std::string ProgramDirectory();
// An empty name goes back to the running program's folder.
void SetProgramDirectory(const std::string& directory);
