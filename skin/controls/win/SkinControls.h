#pragma once

// Makes every skinned control class known to window definitions (the skin engine and the
// framework's classes with them), so that stored windows can name them.
void RegisterSkinControls();
