// The manifest of a skin's source folder: values that need quotes come back as written, and
// every line the reader refuses is named.
#include "tools/skinsource/TSkinManifestFile.h"

#include <gtest/gtest.h>

#include "tools/skinsource/ESkinSourceError.h"

using skinsource::ESkinSourceError;
using skinsource::TSkinManifestFile;

namespace {

TEST(TSkinManifestFile, QuotedValuesReadBackAndBadLinesNameTheirLine) {
  for (const std::string value : {"", " x", "x ", "'", "#", "a'#9'b", "\x01", "[objects]"}) {
    EXPECT_EQ(TSkinManifestFile::Unquote(TSkinManifestFile::Quote(value, true)), value);
    EXPECT_EQ(TSkinManifestFile::Unquote(TSkinManifestFile::Quote(value, false)), value);
  }
  EXPECT_EQ(TSkinManifestFile::Quote("FRAMECAPTION.BMP", true), "FRAMECAPTION.BMP");
  const struct {
    const char* text;
    const char* message;
  } bad[] = {
      {"SkinName = a\n[objects]\n", ":2: [objects] out of place"},
      {"Colour = red\n[bitmaps]\n[objects]\n", ":1: unknown key Colour"},
      {"SkinName = a\nSkinName = b\n[bitmaps]\n[objects]\n", ":2: SkinName given twice"},
      {"[bitmaps]\nA.BMP = ../A.BMP\n[objects]\n", ":2: a bitmap file must be a plain"},
      {"[bitmaps]\n[objects]\n..\n", ":3: an object file must be a plain"},
      {"[bitmaps]\n'A.BMP = a.bmp\n[objects]\n", ":2: unterminated string"},
      {"[bitmaps]\nA.BMP = #999\n[objects]\n", ":2: bad character code"},
      {"SkinName = a\n", "needs a [bitmaps] and an [objects] section"},
  };
  for (const auto& c : bad) {
    try {
      TSkinManifestFile::Parse(c.text, "m.txt");
      ADD_FAILURE() << c.text;
    } catch (const ESkinSourceError& e) {
      EXPECT_NE(e.Message().find(c.message), std::string::npos) << e.Message();
    }
  }
}

}  // namespace
