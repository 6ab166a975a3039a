#pragma once

// Makes the windowing layer's component classes known to the window-definition reader.
void RegisterFrameworkClasses();
