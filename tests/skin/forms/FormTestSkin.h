#pragma once

#include <memory>

#include "skin/objects/TSeSkinObject.h"

// The program's own "Form" tree, read from the skin's sources.
std::unique_ptr<TSeSkinObject> LoadProgramForm();
