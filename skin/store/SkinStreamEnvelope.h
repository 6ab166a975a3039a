#pragma once

class TStream;
class TSeSkinSource;

// The skin as a window definition stores it (the skin engine's binary property "SkinStream"):
// one byte, 2 when the source holds objects and 0 otherwise, then, for 2, the source saved by
// the default filter. On reading, 0 means no skin and leaves the source as it is; any other
// value means a skin follows.
void WriteSkinStream(TSeSkinSource& source, TStream& stream);
void ReadSkinStream(TSeSkinSource& source, TStream& stream);
